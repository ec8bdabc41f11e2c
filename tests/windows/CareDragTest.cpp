// Care items dragged with the mouse onto the heroine: real presses, moves and
// releases through the window system's queue, on every platform.
#include "Accessible.h"
#include "Care.h"
#include "Fakes.h"
#include "Form1.h"
#include "GameState.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <vector>

using namespace kotebu;

namespace {

struct CareDragFixture : ::testing::Test {
    test::Sandbox sandbox;
    Form1 form;

    void SetUp() override
    {
        form.prepareDragIcons();
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    QLabel *label(const char *name) const { return form.findChild<QLabel *>(QString::fromLatin1(name)); }

    // Presses on the item and moves far enough to start the drag; the
    // button stays held.
    void pressAndMove(int item)
    {
        QLabel *source = label(qPrintable(QStringLiteral("Image2_%1").arg(item)));
        ASSERT_TRUE(source && source->isVisible());
        const QPoint start = source->rect().center();
        QTest::mousePress(source, Qt::LeftButton, {}, start);
        QTest::mouseMove(source, start + QPoint(QApplication::startDragDistance() + 4, 0));
        QTest::mouseMove(source, start + QPoint(QApplication::startDragDistance() + 8, 2));
    }

    void releaseOver(QWidget *target)
    {
        QTest::mouseMove(target, target->rect().center());
        QTest::mouseRelease(target, Qt::LeftButton, {}, target->rect().center());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the pointer keeps the item's picture";
    }

    void dragItem(int item, QWidget *target)
    {
        pressAndMove(item);
        ASSERT_NE(QApplication::overrideCursor(), nullptr) << "the drag never started";
        // In points, so the item's centre is under the pointer at any pixel
        // ratio (window_tests_drag_at_scale_2 runs these at two).
        EXPECT_EQ(QApplication::overrideCursor()->hotSpot(), QPoint(16, 16));
        releaseOver(target);
    }
};

} // namespace

TEST_F(CareDragFixture, RealDragOfTheHeartRaisesLoveAndHidesTheTray)
{
    game().LastPhase = 1;
    game().Love = 2;
    dragItem(0, label("Image1"));
    EXPECT_EQ(game().Love, 3);
    EXPECT_EQ(label("Label2")->text(), "ことぶは花に水をやった。愛情が１増えた。");
    EXPECT_FALSE(label("Label3")->text().isEmpty());
    for (int item = 0; item < 5; ++item)
        EXPECT_FALSE(label(qPrintable(QStringLiteral("Image2_%1").arg(item)))->isVisible()) << item;
}

TEST_F(CareDragFixture, RealDragOfTheArmTradesCharmForStamina)
{
    game().LastPhase = 1;
    game().Stamina = 4;
    game().Charm = 1;
    dragItem(1, label("Image1"));
    EXPECT_EQ(game().Stamina, 5);
    EXPECT_EQ(game().Charm, 0);
}

TEST_F(CareDragFixture, RealDragRefusedAtTheCapClearsTheMessageAndKeepsTheTray)
{
    game().LastPhase = 1;
    game().Love = 5;
    label("Label2")->setText(QStringLiteral("夜になった。"));
    dragItem(0, label("Image1"));
    EXPECT_EQ(game().Love, 5);
    EXPECT_TRUE(label("Label2")->text().isEmpty());
    EXPECT_TRUE(label("Image2_0")->isVisible());
}

TEST_F(CareDragFixture, RealDragInTheMorningClearsTheMessageAndKeepsTheItems)
{
    form.ShowCareItems();
    game().LastPhase = 2; // morning: no care
    game().Love = 1;
    label("Label2")->setText(QStringLiteral("前の話"));
    dragItem(0, label("Image1"));
    EXPECT_TRUE(label("Label2")->text().isEmpty());
    EXPECT_EQ(game().Love, 1);
    EXPECT_TRUE(label("Image2_0")->isVisible());
    EXPECT_FALSE(label("Label3")->text().isEmpty()) << "the status line is refreshed";
}

TEST_F(CareDragFixture, RealDragDroppedBesideTheHeroineChangesNothing)
{
    game().LastPhase = 1;
    game().Knowledge = 0;
    label("Label2")->setText(QStringLiteral("夜になった。"));
    dragItem(3, label("Label2"));
    EXPECT_EQ(game().Knowledge, 0);
    EXPECT_EQ(label("Label2")->text(), "夜になった。");
    EXPECT_TRUE(label("Image2_3")->isVisible());
}

// The day goes on while the button is held: the clock ticks, and a drop after
// the morning came (the items hidden) changes nothing but the message line.
TEST_F(CareDragFixture, DayClockTicksDuringAHeldDragAndALateDropChangesNothing)
{
    game().LastPhase = 1;
    game().Love = 2;
    game().NextPhase = 0;
    label("Label2")->setText(QStringLiteral("夜になった。"));
    pressAndMove(0);
    form.startDayClock(50);
    EXPECT_TRUE(QTest::qWaitFor([] { return game().NextPhase != 0; }, 2000)) << "no tick during the drag";
    form.dayClock()->stop();

    form.HideCareItems(); // the morning came
    game().LastPhase = 2;
    releaseOver(label("Image1"));
    EXPECT_EQ(game().Love, 2);
    EXPECT_TRUE(label("Label2")->text().isEmpty());
    EXPECT_FALSE(label("Image2_0")->isVisible());
}

// From the keyboard, Return or Space on the focused item gives it to the
// heroine by the same rule a drop follows, the night's and the morning's.
TEST_F(CareDragFixture, KeysGiveTheFocusedItemAsADropWould)
{
    // Tab walks the tray from the heroine to the pause icon, each item named.
    form.activateWindow();
    label("Image1")->setFocus();
    for (int item = 0; item < CareItemCount; ++item) {
        QTest::keyClick(form.focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(form.focusWidget(), label(qPrintable(QStringLiteral("Image2_%1").arg(item))));
        EXPECT_EQ(form.focusWidget()->accessibleName(), careItemName(item));
    }
    QTest::keyClick(form.focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(form.focusWidget(), label("Image3"));

    std::vector<QString> spoken;
    QObject::connect(form.findChild<SpokenNote *>("SpokenNote"), &SpokenNote::said,
                     [&](const QString &text) { spoken.push_back(text); });
    game().LastPhase = 1;
    game().Love = 2;
    label("Image2_0")->setFocus();
    QTest::keyClick(label("Image2_0"), Qt::Key_Return);
    EXPECT_EQ(game().Love, 3);
    EXPECT_EQ(label("Label2")->text(), "ことぶは花に水をやった。愛情が１増えた。");
    EXPECT_FALSE(label("Image2_0")->isVisible());
    EXPECT_EQ(form.focusWidget(), label("Image1")) << "the focus goes back to the heroine, not on to the pause icon";
    // There the new figure is heard with the picture: its description holds
    // the status lines as they now stand.
    EXPECT_TRUE(label("Image1")->accessibleDescription().contains(QStringLiteral("愛情：3")));
    EXPECT_EQ(spoken, std::vector<QString>{label("Label2")->text()});

    form.ShowCareItems();
    game().LastPhase = 2; // morning: no care
    game().Charm = 1;
    label("Label2")->setText(QStringLiteral("前の話"));
    label("Image2_2")->setFocus();
    QTest::keyClick(label("Image2_2"), Qt::Key_Space);
    EXPECT_EQ(game().Charm, 1);
    EXPECT_TRUE(label("Label2")->text().isEmpty());
    EXPECT_TRUE(label("Image2_2")->isVisible());
    ASSERT_EQ(spoken.size(), 2u) << "a refusal is heard, though the line only empties";
    EXPECT_FALSE(spoken[1].isEmpty());
}
