#include "Main.h"

#include "Battle.h"
#include "DayClock.h"
#include "DayEvents.h"
#include "Demoform.h"
#include "FileNames.h"
#include "Form1.h"
#include "Form2.h"
#include "Form4.h"
#include "Form5.h"
#include "Form6.h"
#include "Form7.h"
#include "Form8.h"
#include "Form9.h"
#include "Forms.h"
#include "GameState.h"
#include "GameStore.h"
#include "Random.h"
#include "Roster.h"
#include "Settings.h"
#include "Story.h"
#include "Wait.h"

namespace kotebu {

namespace {

void checkPictureFolders()
{
    const QString first = settings::pictureFolder(false);
    const QString second = settings::pictureFolder(true);
    // The stored folders end with their separator; the names are joined as they stand.
    if (!fileExistsNoCase(first + bossPicture(false)) || !fileExistsNoCase(second + bossPicture(true))) {
        Form9 setup;
        setup.exec();
    }
}

void showLogo()
{
    Demoform logo;
    logo.show();
    waitUntil([&] { return !logo.isVisible(); });
}

void chooseGame()
{
    Form7 selector;
    selector.show();
    game().SelectorOpen = True;
    waitUntil([] { return game().SelectorOpen == 0; });
    selector.close();
}

void runStoryAndStartScreen()
{
    if (game().SecondGame) {
        game().DemoSkipRequested = False;
        if (settings::skipStory(game())) {
            game().DemoSkipRequested = True;
        } else {
            Form5 story;
            story.show();
            StoryDemo(story);
            story.Timer1().stop();
            story.close();
        }
        Form6 start;
        start.show();
        waitUntil([&] { return !start.isVisible(); });
    } else {
        Form8 start;
        start.show();
        waitUntil([&] { return !start.isVisible(); });
    }
}

} // namespace

void RunPhase(Form1 &window, Int16 phase)
{
    GameState &state = game();
    switch (phase) {
    case Phase::Night:
        window.ShowCareItems();
        window.apply(Night(state));
        state.Year = static_cast<Int16>(state.Year + 1);
        break;
    case Phase::Morning:
        window.HideCareItems();
        window.apply(Morning(state, random()));
        break;
    case Phase::Adventure: {
        const PhaseOutcome fight = Battle(state, random());
        window.apply(fight);
        if (fight.pauseAfter)
            Wait(3.0f);
        break;
    }
    default:
        break;
    }
}

void RunDays(Form1 &window)
{
    GameState &state = game();
    while (state.GameRunning) {
        // Read every round, so a new day length counts from the next phase.
        window.startDayClock(dayClockInterval(settings::dayLengthText(state)));
        state.NextPhase = Phase::None;
        window.show();
        waitUntil([&] { return state.NextPhase != Phase::None; });
        state.LastPhase = state.NextPhase;
        RunPhase(window, state.LastPhase);
    }
}

std::unique_ptr<Form1> Main()
{
    GameState &state = game();

    checkPictureFolders();
    showLogo();
    chooseGame();

    if (settings::gameFinished(state))
        PrepareNewGame(state);

    state.PictureFolder = settings::pictureFolder(state.SecondGame != False);

    runStoryAndStartScreen();

    auto window = std::make_unique<Form1>();
    window->openSettings = [w = window.get()] {
        Form2 settings(w);
        settings.exec();
    };
    if (settings::startMinimised(state))
        minimiseFromTheStart(window.get());

    LoadGameState(state, [w = window.get()] { w->prepareDragIcons(); });
    window->apply(Night(state));

    RunDays(*window);

    // The last message of the game stays for one more tick.
    state.NextPhase = Phase::None;
    waitUntil([&] { return state.NextPhase != Phase::None; });

    window->close(); // refused: the main window stays behind the ending
    Form4 ending(window.get());
    ending.exec();
    return window;
}

} // namespace kotebu
