#include "FakeSound.h"
#include "Fakes.h"
#include "Form7.h"
#include "GameState.h"
#include "Lyrics.h"
#include "Platform.h"
#include "ThemeWords.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

using namespace kotebu;
using kotebu::test::FakeSound;

namespace {

struct Selector : ::testing::Test {
    void SetUp() override
    {
        game() = GameState{};
        form = std::make_unique<Form7>();
        // The tests drive the timers themselves.
        timer("Timer1")->stop();
        timer("Timer2")->stop();
    }
    void TearDown() override
    {
        form.reset();
        game() = GameState{};
    }

    template <typename T>
    T *child(const char *name) const
    {
        T *widget = form->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString lyric() const { return child<QLabel>("Label2")->text(); }
    QTimer *timer(const char *name) const { return test::findTimer(*form, name); }

    kotebu::test::Sandbox sandbox;
    FakeSound sound;
    std::unique_ptr<Form7> form;
};

TEST_F(Selector, OpeningStartsTheThemeAndBothTimers)
{
    auto fresh = std::make_unique<Form7>();
    ASSERT_FALSE(sound.themesOpened.isEmpty());
    EXPECT_TRUE(sound.themesOpened.last().endsWith(QStringLiteral("Megami.mid")));
    EXPECT_TRUE(test::findTimer(*fresh, "Timer1")->isActive());
    EXPECT_EQ(test::findTimer(*fresh, "Timer1")->interval(), 400);
    EXPECT_TRUE(test::findTimer(*fresh, "Timer2")->isActive());
    EXPECT_EQ(test::findTimer(*fresh, "Timer2")->interval(), 300);
    EXPECT_EQ(fresh->size(), QSize(506, 343));
    EXPECT_TRUE(lyric().isEmpty());
}

TEST_F(Selector, LyricLineFollowsThePositionStepByStep)
{
    struct Row {
        int position; // -1: no theme open (empty reply)
        QString shown;
        int changes;
    };
    const QString title = *lyricForStep(1);
    const std::vector<Row> rows = {
        {0, {}, 0},
        {10, title, 1},
        {19, title, 1},
        {69, title, 1},        // step 6: no cue, the title stays
        {70, themeLine(1), 2}, // step 7: line 1, once
        {71, themeLine(1), 2},
        {79, themeLine(1), 2},
        {80, themeLine(1), 2},
        {520, themeLine(8), 3},
        {580, QString(), 4},   // step 58 clears the line
        {589, QString(), 4},
        {1480, QStringLiteral("＜＜　おわり　＞＞"), 5},
        {1480, QStringLiteral("＜＜　おわり　＞＞"), 5},
        {-1, QStringLiteral("＜＜　おわり　＞＞"), 5}, // no reply reads as 0: no cue
    };
    for (const Row &row : rows) {
        sound.position = row.position;
        test::fireTimeout(timer("Timer2"));
        EXPECT_EQ(lyric(), row.shown) << "position " << row.position;
        EXPECT_EQ(form->lyricChanges(), row.changes) << "position " << row.position;
    }
}

TEST_F(Selector, KPrintLeavesAnEqualTextAlone)
{
    form->KPrint(QStringLiteral("あ"));
    form->KPrint(QStringLiteral("あ"));
    EXPECT_EQ(form->lyricChanges(), 1);
    form->KPrint(QString());
    EXPECT_EQ(form->lyricChanges(), 2);
    EXPECT_TRUE(lyric().isEmpty());
    form->KPrint(QString());
    EXPECT_EQ(form->lyricChanges(), 2);
}

TEST_F(Selector, ClickingAPictureChoosesItsGame)
{
    struct Row {
        const char *picture;
        Int16 secondGame;
    };
    const Row rows[] = {{"Image1_1", False}, {"Image1_0", True}, {"Image1_1", False}};
    form->show();
    for (const Row &row : rows) {
        game().SecondGame = row.secondGame ? False : True;
        game().SelectorOpen = True;
        auto *picture = child<QLabel>(row.picture);
        // The frame lies over the pictures; a click must still reach them.
        EXPECT_EQ(form->childAt(picture->geometry().center()), picture) << row.picture;
        QTest::mouseClick(picture, Qt::LeftButton);
        EXPECT_EQ(game().SecondGame, row.secondGame) << row.picture;
        EXPECT_EQ(game().SelectorOpen, False) << row.picture;
    }
    EXPECT_TRUE(form->isVisible()) << "the start-up closes the window, not the click";
}

TEST_F(Selector, KeysMoveBetweenThePicturesAndChooseLikeAClick)
{
    struct Row {
        const char *name;
        std::vector<int> keys;
        Int16 secondGame;
    };
    const Row rows[] = {
        {"ReturnOnTheFirstPicture", {Qt::Key_Return}, False},
        {"TabThenSpace", {Qt::Key_Tab, Qt::Key_Space}, True},
        {"RightThenEnter", {Qt::Key_Right, Qt::Key_Enter}, True},
        {"RightLeftThenSpace", {Qt::Key_Right, Qt::Key_Left, Qt::Key_Space}, False},
        {"DigitTwo", {Qt::Key_2}, True},
        {"DigitOne", {Qt::Key_1}, False},
    };
    for (const Row &row : rows) {
        form = std::make_unique<Form7>();
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        game().SecondGame = row.secondGame ? False : True;
        game().SelectorOpen = True;
        for (int key : row.keys) {
            ASSERT_EQ(game().SelectorOpen, True) << row.name << ": chosen before the last key";
            QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));
        }
        EXPECT_EQ(game().SecondGame, row.secondGame) << row.name;
        EXPECT_EQ(game().SelectorOpen, False) << row.name;
    }
}

TEST_F(Selector, FocusedPictureShowsAMarkOfItsOwnOnceTheKeyboardIsUsed)
{
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    auto *second = child<QLabel>("Image1_0");
    const QImage unfocused = second->grab().toImage();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(second->hasFocus());
    EXPECT_NE(second->grab().toImage(), unfocused) << "no focus mark";
    // The blinking frame is not the mark: it stays where the banner put it.
    EXPECT_EQ(child<QFrame>("Shape1")->x(), child<QLabel>("Image1_1")->x());
}

TEST_F(Selector, BannerAndFrameAlternateStartingOnTheRight)
{
    auto *banner0 = child<QLabel>("Image2_0");
    auto *banner1 = child<QLabel>("Image2_1");
    auto *frame = child<QFrame>("Shape1");
    const int left = child<QLabel>("Image1_1")->x();
    const int right = child<QLabel>("Image1_0")->x();
    const int top = frame->y();

    EXPECT_FALSE(banner0->isHidden());
    EXPECT_FALSE(banner1->isHidden());
    EXPECT_EQ(frame->x(), left);

    for (int tick = 1; tick <= 5; ++tick) {
        test::fireTimeout(timer("Timer1"));
        const bool odd = tick % 2 == 1;
        EXPECT_EQ(frame->x(), odd ? right : left) << "tick " << tick;
        EXPECT_EQ(banner0->isHidden(), !odd) << "tick " << tick;
        EXPECT_EQ(banner1->isHidden(), odd) << "tick " << tick;
        EXPECT_EQ(frame->y(), top);
    }
}

TEST_F(Selector, PlayerClosingTheWindowStopsTheThemeAndEndsTheProgram)
{
    form->show();
    const int closesBefore = sound.themeCloses;
    EXPECT_EXIT(
        {
            sandbox.exitForReal([&] { std::fprintf(stderr, "theme closes: %d\n", sound.themeCloses - closesBefore); });
            // What the window system delivers when the frame's close button is pressed.
            QCloseEvent event;
            QSpontaneKeyEvent::setSpontaneous(&event);
            QApplication::instance()->notify(form.get(), &event);
        },
        ::testing::ExitedWithCode(0), "theme closes: 1\n");
}

TEST_F(Selector, StartUpClosingTheWindowStopsTheThemeOnly)
{
    form->show();
    timer("Timer1")->start(400);
    timer("Timer2")->start(300);
    sound.position = 300;
    const int closesBefore = sound.themeCloses;
    EXPECT_NO_THROW(form->close());
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(sound.themeCloses, closesBefore + 1);
    EXPECT_TRUE(sandbox.exit.codes.empty());
    EXPECT_FALSE(timer("Timer1")->isActive());
    EXPECT_FALSE(timer("Timer2")->isActive());
}

} // namespace
