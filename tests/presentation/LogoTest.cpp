#include "Demoform.h"
#include "FakeSound.h"
#include "Fakes.h"
#include "Forms.h"
#include "Logo.h"
#include "Pictures.h"

#include <QImage>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

using namespace kotebu;
using kotebu::test::FakeSound;

namespace {

struct Logo : ::testing::Test {
    void SetUp() override
    {
        form = std::make_unique<Demoform>();
        timer = test::findTimer(*form, "Timer1");
        EXPECT_TRUE(timer->isActive());
        EXPECT_EQ(timer->interval(), 200);
        timer->stop(); // the tests tick it themselves
    }
    void TearDown() override { form.reset(); }

    // Runs the ticks that handle counter values up to and including `counter`.
    void tickThrough(int counter)
    {
        while (form->counter() <= counter)
            test::fireTimeout(timer);
    }
    int linesShown() const
    {
        int shown = 0;
        for (int line = 1; line <= LogoStrokeCount; ++line)
            shown += form->lineVisible(line);
        return shown;
    }
    QLabel *year() const { return form->findChild<QLabel *>(QStringLiteral("Label1")); }
    int soundsOf(const QString &name) const
    {
        int count = 0;
        for (const QString &wave : sound.waves)
            count += wave.endsWith(name);
        return count;
    }

    kotebu::test::Sandbox sandbox;
    FakeSound sound;
    std::unique_ptr<Demoform> form;
    QTimer *timer = nullptr;
};

TEST_F(Logo, TimelineByCounter)
{
    struct Row {
        int counter;
        int lines;
        QPoint sprite;
        char frame;
        bool year;
        int logoSounds;
    };
    const std::vector<Row> rows = {
        {0, 0, {120, 800}, 'A', false, 0},
        {1, 0, {120, 800}, 'A', false, 1},
        {3, 0, {120, 800}, 'A', false, 1},
        {4, 2, {50, 800}, 'B', false, 1},
        {5, 6, {120, 800}, 'A', false, 1},
        {6, 9, {120, 50}, 'C', false, 1},
        {7, 13, {120, 800}, 'A', false, 1},
        {8, 17, {120, 50}, 'C', false, 1},
        {9, 19, {140, 50}, 'D', false, 1},
        {12, 19, {140, 50}, 'D', false, 1},
        {13, 19, {140, 50}, 'D', true, 1},
        {22, 19, {140, 50}, 'D', true, 1},
    };
    form->show();
    EXPECT_TRUE(year()->isHidden());
    for (const Row &row : rows) {
        tickThrough(row.counter);
        EXPECT_EQ(linesShown(), row.lines) << "counter " << row.counter;
        EXPECT_EQ(form->spriteTwips(), row.sprite) << "counter " << row.counter;
        EXPECT_EQ(form->spriteFrame(), row.frame) << "counter " << row.counter;
        // The sprite takes its frame's own size, unstretched.
        EXPECT_EQ(form->findChild<QLabel *>(QStringLiteral("Image1"))->size(),
                  pictures::logoSprite(row.frame).size()) << "counter " << row.counter;
        EXPECT_EQ(!year()->isHidden(), row.year) << "counter " << row.counter;
        EXPECT_EQ(soundsOf(QStringLiteral("QZDEMO.WAV")), row.logoSounds) << "counter " << row.counter;
        EXPECT_TRUE(form->isVisible()) << "counter " << row.counter;
    }

    timer->start(200);
    tickThrough(23);
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(form->counter(), 24) << "the counter keeps its value";
}

TEST_F(Logo, StrokeGroupsAppearInOrderWithTheirColours)
{
    struct Group {
        int first;
        int last;
        QColor colour;
        int counter; // the counter value at which the group appears
    };
    const std::vector<Group> groups = {
        {1, 2, QColor(0, 255, 255), 4},    // cyan
        {3, 6, QColor(0, 255, 0), 5},      // green
        {7, 9, QColor(255, 255, 255), 6},  // white
        {10, 13, QColor(255, 0, 0), 7},    // red
        {14, 17, QColor(255, 0, 255), 8},  // magenta
        {18, 19, QColor(255, 255, 0), 9},  // yellow
    };
    for (const Group &group : groups) {
        tickThrough(group.counter - 1);
        for (int line = group.first; line <= group.last; ++line) {
            EXPECT_EQ(logoStrokeColour(line), group.colour) << "line " << line;
            EXPECT_FALSE(form->lineVisible(line)) << "line " << line;
        }
        tickThrough(group.counter);
        for (int line = group.first; line <= group.last; ++line)
            EXPECT_TRUE(form->lineVisible(line)) << "line " << line;
        EXPECT_FALSE(form->lineVisible(group.last + 1)) << "after line " << group.last;
    }
}

TEST_F(Logo, WordMarkStaysInItsBoxAndClearOfTheYear)
{
    const QRect box(QPoint(840, 240), QPoint(3600, 1200));
    const QRect yearLabel(3000, 960, 855, 300);
    for (int line = 1; line <= LogoStrokeCount; ++line) {
        const LogoStroke &stroke = LogoStrokes[line - 1];
        EXPECT_TRUE(box.contains(stroke.from) && box.contains(stroke.to)) << "line " << line;
        EXPECT_NE(stroke.from, stroke.to) << "line " << line;
        const QRect bounds = QRect(stroke.from, stroke.to).normalized();
        EXPECT_FALSE(bounds.intersects(yearLabel)) << "line " << line;
    }
}

TEST_F(Logo, ShownStrokesAreDrawnInTheirColour)
{
    // The middle of the top rule, in pixels.
    const LogoStroke &rule = LogoStrokes[0];
    const QPoint at(twips((rule.from.x() + rule.to.x()) / 2), twips(rule.from.y()));
    EXPECT_EQ(form->grab().toImage().pixelColor(at), QColor(Qt::black));
    tickThrough(4);
    EXPECT_EQ(form->grab().toImage().pixelColor(at), logoStrokeColour(1));
}

struct KeyRow {
    const char *name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool silences;
};

class LogoKeys : public Logo, public ::testing::WithParamInterface<KeyRow> {};

TEST_P(LogoKeys, ShiftCtrlOrAltSilencesTheLogo)
{
    const KeyRow &row = GetParam();
    form->show();
    QTest::keyClick(form.get(), row.key, row.modifiers);
    EXPECT_EQ(form->NoPlayMode, row.silences);
    // Shift+A is two key-downs (Shift, then A); each may cut the sound.
    EXPECT_EQ(soundsOf(QStringLiteral("Dummy.wav")) > 0, row.silences);

    // Pressed before the sound is due, the logo sound never starts; either
    // way the animation runs to its end.
    tickThrough(23);
    EXPECT_EQ(soundsOf(QStringLiteral("QZDEMO.WAV")), row.silences ? 0 : 1);
    EXPECT_EQ(linesShown(), LogoStrokeCount);
}

INSTANTIATE_TEST_SUITE_P(Keys, LogoKeys,
    ::testing::Values(
        KeyRow{"PlainLetter", Qt::Key_A, Qt::NoModifier, false},
        KeyRow{"PlainSpace", Qt::Key_Space, Qt::NoModifier, false},
        KeyRow{"ShiftLetter", Qt::Key_A, Qt::ShiftModifier, true},
        KeyRow{"CtrlLetter", Qt::Key_C, Qt::ControlModifier, true},
        KeyRow{"AltLetter", Qt::Key_X, Qt::AltModifier, true},
        KeyRow{"ShiftAlone", Qt::Key_Shift, Qt::NoModifier, true},
        KeyRow{"CtrlAlone", Qt::Key_Control, Qt::NoModifier, true},
        KeyRow{"AltAlone", Qt::Key_Alt, Qt::NoModifier, true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(Logo, CtrlAfterTheSoundStartedCutsItOffAndTheAnimationGoesOn)
{
    form->show();
    tickThrough(7);
    ASSERT_EQ(soundsOf(QStringLiteral("QZDEMO.WAV")), 1);
    QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
    ASSERT_FALSE(sound.waves.isEmpty());
    EXPECT_TRUE(sound.waves.last().endsWith(QStringLiteral("Dummy.wav")));
    tickThrough(22);
    EXPECT_TRUE(form->isVisible());
    tickThrough(23);
    EXPECT_FALSE(form->isVisible());
}

} // namespace
