#include "FakeSound.h"
#include "Fakes.h"
#include "Form7.h"
#include "GameState.h"
#include "Lyrics.h"
#include "Platform.h"
#include "ThemeWords.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>

#include <gtest/gtest.h>

using namespace kotebu;
using kotebu::test::FakeSound;

namespace {

// Lets a test hand the window a close event of its choosing directly, so a
// ProgramEnded never has to travel through Qt's event dispatch.
class ClosableForm7 : public Form7 {
public:
    using Form7::closeEvent;
};

struct Selector : ::testing::Test {
    void SetUp() override
    {
        game() = GameState{};
        form = std::make_unique<ClosableForm7>();
        // The tests drive the timers themselves.
        form->Timer1().stop();
        form->Timer2().stop();
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

    kotebu::test::Sandbox sandbox;
    FakeSound sound;
    std::unique_ptr<ClosableForm7> form;
};

TEST_F(Selector, OpeningStartsTheThemeAndBothTimers)
{
    auto fresh = std::make_unique<Form7>();
    ASSERT_FALSE(sound.themesOpened.isEmpty());
    EXPECT_TRUE(sound.themesOpened.last().endsWith(QStringLiteral("Megami.mid")));
    EXPECT_TRUE(fresh->Timer1().isActive());
    EXPECT_EQ(fresh->Timer1().interval(), 400);
    EXPECT_TRUE(fresh->Timer2().isActive());
    EXPECT_EQ(fresh->Timer2().interval(), 300);
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
        form->Timer2Timer();
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
        form->Timer1Timer();
        const bool odd = tick % 2 == 1;
        EXPECT_EQ(frame->x(), odd ? right : left) << "tick " << tick;
        EXPECT_EQ(banner0->isHidden(), !odd) << "tick " << tick;
        EXPECT_EQ(banner1->isHidden(), odd) << "tick " << tick;
        EXPECT_EQ(frame->y(), top);
    }
}

TEST_F(Selector, PlayerClosingTheWindowStopsTheThemeAndEndsTheProgram)
{
    const int closesBefore = sound.themeCloses;
    QCloseEvent event;
    QSpontaneKeyEvent::setSpontaneous(&event);
    EXPECT_THROW(form->closeEvent(&event), ProgramEnded);
    EXPECT_EQ(sound.themeCloses, closesBefore + 1);
    EXPECT_EQ(sandbox.exit.codes, std::vector<int>{0});
}

TEST_F(Selector, StartUpClosingTheWindowStopsTheThemeOnly)
{
    form->show();
    form->Timer1().start(400);
    form->Timer2().start(300);
    sound.position = 300;
    const int closesBefore = sound.themeCloses;
    EXPECT_NO_THROW(form->close());
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(sound.themeCloses, closesBefore + 1);
    EXPECT_TRUE(sandbox.exit.codes.empty());
    EXPECT_FALSE(form->Timer1().isActive());
    EXPECT_FALSE(form->Timer2().isActive());
}

} // namespace
