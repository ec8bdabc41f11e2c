// Care items dragged with the mouse onto the heroine. A real drop needs a
// platform that runs drags (the "minimal" one); under "offscreen" a drag ends
// at once without dropping, so these tests run in their own registration.
#include "Fakes.h"
#include "Form1.h"
#include "GameState.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace kotebu;

namespace {

struct CareDragFixture : ::testing::Test {
    test::Sandbox sandbox;
    Form1 form;

    void SetUp() override
    {
        if (QGuiApplication::platformName() == QLatin1String("offscreen"))
            GTEST_SKIP() << "drags do not drop under the offscreen platform";
        form.prepareDragIcons();
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    QLabel *label(const char *name) const { return form.findChild<QLabel *>(QString::fromLatin1(name)); }

    // Presses on the item, moves far enough to start the drag, and lets the
    // mouse go over `target`. Escape ends a drag that nothing else ends.
    void dragItem(int item, QWidget *target)
    {
        QLabel *source = label(qPrintable(QStringLiteral("Image2_%1").arg(item)));
        ASSERT_TRUE(source && source->isVisible());
        const QPoint targetCentre = target->rect().center();
        QTimer::singleShot(0, target, [target, targetCentre] {
            QTest::mouseMove(target, targetCentre);
            QTest::mouseRelease(target, Qt::LeftButton, {}, targetCentre);
        });
        bool watchdogFired = false;
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [&] {
            watchdogFired = true;
            QTest::keyClick(&form, Qt::Key_Escape);
        });
        watchdog.start(5000);

        const QPoint start = source->rect().center();
        QTest::mousePress(source, Qt::LeftButton, {}, start);
        QTest::mouseMove(source, start + QPoint(QApplication::startDragDistance() + 4, 0));
        QTest::mouseMove(source, start + QPoint(QApplication::startDragDistance() + 8, 2));
        EXPECT_FALSE(watchdogFired) << "the drag was never dropped";
        QTest::qWait(20);
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
