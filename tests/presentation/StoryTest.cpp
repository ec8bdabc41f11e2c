#include "Accessible.h"
#include "FakeSound.h"
#include "Fakes.h"
#include "Form5.h"
#include "Forms.h"
#include "GameState.h"
#include "Random.h"
#include "Story.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTimer>
#include <QtTest/qtestspontaneevent.h>

#include <gtest/gtest.h>

#include <functional>
#include <map>

using namespace kotebu;

namespace {

struct Story : ::testing::Test {
    void SetUp() override
    {
        game() = GameState{};
        form = std::make_unique<Form5>();
    }
    void TearDown() override
    {
        form.reset();
        setRandomSource(nullptr);
        game() = GameState{};
    }

    template <typename T>
    T *child(const char *name) const
    {
        T *widget = form->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    int page() const
    {
        for (int page = 1; page <= StoryPageCount; ++page)
            if (form->Label1()->text() == storyPageText(page))
                return page;
        return 0;
    }

    // Runs StoryDemo while a "player" looks at the window every 2 ms. The
    // clock, a fake, moves a quarter second per look, so the holds pass
    // quickly; the overlay keeps its real 80 ms timer.
    std::vector<int> runStory(const std::function<void(int page)> &player)
    {
        std::vector<int> seen;
        QTimer look;
        QObject::connect(&look, &QTimer::timeout, [&] {
            sandbox.clock.now += 0.25;
            const int now = page();
            if (now && (seen.empty() || seen.back() != now))
                seen.push_back(now);
            player(now);
        });
        look.start(2);
        StoryDemo(*form);
        return seen;
    }

    kotebu::test::Sandbox sandbox;
    kotebu::test::FakeSound sound;
    std::unique_ptr<Form5> form;
};

TEST_F(Story, PageTextsAreParagraphsOfTheRightLength)
{
    for (int page = 1; page <= StoryPageCount; ++page) {
        const QString text = storyPageText(page);
        EXPECT_GE(text.size(), 65) << "page " << page;
        EXPECT_LE(text.size(), 130) << "page " << page;
    }
    EXPECT_TRUE(storyPageText(5).contains(QStringLiteral("ハルーネン")));
    EXPECT_TRUE(storyPageText(0).isEmpty());
    EXPECT_TRUE(storyPageText(6).isEmpty());
}

TEST_F(Story, SlideComesToRestNearTheTopWithoutBusyWaiting)
{
    form->show();
    QPixmap picture(10, 10);
    picture.fill(Qt::red);
    QElapsedTimer elapsed;
    elapsed.start();
    const double cpuBefore = test::processorSeconds();
    SlidePicture(*form, picture);
    const double cpuUsed = test::processorSeconds() - cpuBefore;

    // At rest with its top between 120 and 219 twips: 8 to 15 pixels.
    EXPECT_GE(form->Image1()->y(), twips(120));
    EXPECT_LE(form->Image1()->y(), twips(219));
    EXPECT_EQ(form->Image1()->x(), twips(120));
    EXPECT_EQ(form->Image1()->pixmap().toImage().pixelColor(0, 0), QColor(Qt::red));
    // About 50 steps of 10 ms: never hurried.
    EXPECT_GE(elapsed.elapsed(), 400);
    EXPECT_LT(cpuUsed, 0.3);
}

TEST_F(Story, OverlayDrawsOneNumberEveryTickAndFlashesOnTheTwelfth)
{
    struct Row {
        int tick;
        float draw;
        bool flashed; // Image2 over the page picture after this tick
    };
    const std::vector<Row> rows = {
        {1, 0.1f, false}, {11, 0.1f, false}, {12, 0.79f, true}, {13, 0.1f, false},
        {23, 0.1f, false}, {24, 0.8f, false}, {36, 0.0f, true}, {37, 0.9f, false},
    };
    kotebu::test::ScriptedRandom draws{};
    setRandomSource(&draws);
    form->show();
    const QPoint flashAt = form->Image1()->pos() + QPoint(twips(1150), twips(1680));

    for (const Row &row : rows) {
        while (game().StoryTick < row.tick - 1) {
            draws.push(0.5f);
            test::fireTimeout(&form->Timer1());
        }
        draws.push(row.draw);
        test::fireTimeout(&form->Timer1());
        EXPECT_EQ(game().StoryTick, row.tick);
        EXPECT_EQ(draws.drawsTaken(), row.tick) << "one draw per tick";
        EXPECT_EQ(child<QLabel>("Image2")->pos() == flashAt, row.flashed) << "tick " << row.tick;
        if (!row.flashed) {
            EXPECT_GE(child<QLabel>("Image2")->y(), form->height()) << "tick " << row.tick;
        }
    }
}

TEST_F(Story, NextSceneOnPageTwoEndsPageThreeAsWell)
{
    form->setSlideStepMs(1);
    form->show();
    bool pressed = false;
    const std::vector<int> seen = runStory([&](int page) {
        if (page == 2 && !pressed) {
            pressed = true;
            child<QPushButton>("Command2")->click();
        }
    });
    EXPECT_EQ(seen.back(), 5);
    EXPECT_LT(game().StoryTick, 5) << "the overlay page must end at its first pass";
    EXPECT_FALSE(form->Timer1().isActive()) << "page 4 stops the overlay timer";
    EXPECT_EQ(game().DemoSkipRequested, False);
}

TEST_F(Story, NextSceneOnPageThreeEndsOnlyPageThree)
{
    form->setSlideStepMs(1);
    form->show();
    bool pressed = false;
    std::map<int, QString> pictureNames;
    const std::vector<int> seen = runStory([&](int page) {
        pictureNames[page] = form->Image1()->accessibleName();
        if (page == 3 && !pressed && game().StoryTick >= 3) {
            pressed = true;
            child<QPushButton>("Command2")->click();
        }
    });
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 5}));
    // The page picture's name follows the picture, for screen readers.
    const QSet<QString> names{pictureNames[1], pictureNames[2], pictureNames[4], pictureNames[5]};
    EXPECT_EQ(names.size(), 4);
    EXPECT_FALSE(names.contains(QString()));
    EXPECT_GE(game().StoryTick, 3);
    EXPECT_LT(game().StoryTick, 150);
}

TEST_F(Story, DemoSkipDuringTheFirstSlideEndsTheStory)
{
    form->show();
    const std::vector<int> seen = runStory([&](int page) {
        if (page == 1 && form->Image1()->y() < form->height() - 60)
            child<QPushButton>("Command1")->click();
    });
    EXPECT_EQ(seen, std::vector<int>{1});
    EXPECT_EQ(page(), 1);
    EXPECT_EQ(game().DemoSkipRequested, True);
    EXPECT_GT(form->Image1()->y(), twips(219)) << "the slide stops where it is";
}

TEST_F(Story, ClosingFromTheTitleBarSkipsTheStory)
{
    // What the window system delivers when the frame's close button is pressed.
    QCloseEvent byPlayer;
    QSpontaneKeyEvent::setSpontaneous(&byPlayer);
    QApplication::instance()->notify(form.get(), &byPlayer);
    EXPECT_EQ(game().DemoSkipRequested, True);
    EXPECT_FALSE(byPlayer.isAccepted()) << "the start-up closes the window itself";

    QCloseEvent byProgram;
    QApplication::instance()->notify(form.get(), &byProgram);
    EXPECT_TRUE(byProgram.isAccepted());
}

} // namespace
