#include "Main.h"

#include "Battle.h"
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
#include "GameState.h"
#include "GameStore.h"
#include "Ini.h"
#include "Numbers.h"
#include "Random.h"
#include "Story.h"
#include "Wait.h"

#include <cmath>

namespace kotebu {

namespace {

QString readSetting(const QString &section, const QString &key)
{
    return ReadIni(QStringLiteral("KTBSP"), section, key).value_or(QString());
}

void checkPictureFolders()
{
    const QString pack = QStringLiteral("Pack");
    const QString first = readSetting(pack, QStringLiteral("KoTeBuPath"));
    const QString second = readSetting(pack, QStringLiteral("KoTeBu2Path"));
    // The stored folders end with their separator; the names are joined as they stand.
    if (!fileExistsNoCase(first + QStringLiteral("Manepu.KB2")) || !fileExistsNoCase(second + QStringLiteral("Haga.KB2"))) {
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

void runStoryAndStartScreen(const QString &section)
{
    if (game().SecondGame) {
        game().DemoSkipRequested = False;
        if (readSetting(section, QStringLiteral("DemoSkip")) == QLatin1String("ON")) {
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
    case 1:
        window.ShowCareItems();
        window.apply(Night(state));
        state.Year = static_cast<Int16>(state.Year + 1);
        break;
    case 2:
        window.HideCareItems();
        window.apply(Morning(state, random()));
        break;
    case 3: {
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

void RunDays(Form1 &window, const QString &section)
{
    GameState &state = game();
    while (state.GameRunning) {
        // Read every round, so a new day length counts from the next phase.
        window.startDayClock(dayClockInterval(readSetting(section, QStringLiteral("TimeOfDay"))));
        state.NextPhase = 0;
        window.show();
        waitUntil([&] { return state.NextPhase != 0; });
        state.LastPhase = state.NextPhase;
        RunPhase(window, state.LastPhase);
    }
}

int dayClockInterval(const QString &storedValue)
{
    const std::optional<double> value = leadingNumber(storedValue);
    if (!value || std::isnan(*value) || *value <= 0.0)
        return DefaultDayMs;
    const double rounded = std::nearbyint(*value); // halves to even
    if (rounded < ShortestDayMs)
        return ShortestDayMs;
    if (rounded > LongestDayMs)
        return LongestDayMs;
    return static_cast<int>(rounded);
}

std::unique_ptr<Form1> Main()
{
    GameState &state = game();

    checkPictureFolders();
    showLogo();
    chooseGame();

    const QString section = state.section();
    if (readSetting(section, QStringLiteral("Gaming")) == QLatin1String("OFF"))
        PrepareNewGame(state);

    state.PictureFolder = readSetting(QStringLiteral("Pack"),
                                      state.SecondGame ? QStringLiteral("KoTeBu2Path") : QStringLiteral("KoTeBuPath"));

    runStoryAndStartScreen(section);

    auto window = std::make_unique<Form1>();
    window->openSettings = [w = window.get()] {
        Form2 settings(w);
        settings.exec();
    };
    if (readSetting(section, QStringLiteral("ICONIC")) == QLatin1String("ON"))
        window->setWindowState(window->windowState() | Qt::WindowMinimized);

    LoadGameState(state, [w = window.get()] { w->prepareDragIcons(); });
    window->apply(Night(state));

    RunDays(*window, section);

    // The last message of the game stays for one more tick.
    state.NextPhase = 0;
    waitUntil([&] { return state.NextPhase != 0; });

    window->close(); // refused: the main window stays behind the ending
    Form4 ending(window.get());
    ending.exec();
    return window;
}

} // namespace kotebu
