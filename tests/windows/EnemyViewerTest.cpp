#include "Accessible.h"
#include "EnemyBook.h"
#include "Fakes.h"
#include "Form1.h"
#include "Form3.h"
#include "GameState.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

using namespace kotebu;

namespace {

// What the viewer showed while it was open.
struct Seen {
    QString caption;
    QString name;
    QString description;
    QSize pictureSize;
    QString pictureName;
    Int16 paused = 0;
    QString spoken; // what a screen reader was told as the viewer opened
};

struct EnemyViewerFixture : ::testing::Test {
    test::Sandbox sandbox;
    Form1 form;

    // Runs `open`; if a viewer comes up, notes what it shows and closes it with `close`.
    std::optional<Seen> openAndClose(const std::function<void()> &open,
                                     const std::function<void(Form3 *)> &close)
    {
        std::optional<Seen> seen;
        int looks = 0;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto *viewer = qobject_cast<Form3 *>(QApplication::activeModalWidget());
            if (!viewer || seen)
                return;
            // The viewer speaks once it is up; give it a few looks.
            const QString spoken = viewer->findChild<SpokenNote *>("SpokenNote")->lastSaid();
            if (spoken.isEmpty() && ++looks < 50)
                return;
            seen = Seen{viewer->windowTitle(),
                        viewer->findChild<QLabel *>("Label2")->text(),
                        viewer->findChild<QLabel *>("Label1")->text(),
                        viewer->findChild<QLabel *>("Image1")->pixmap().size(),
                        viewer->findChild<QLabel *>("Image1")->accessibleName(),
                        game().Paused,
                        spoken};
            close(viewer);
        });
        // A viewer left open would hang the test; this gives up instead.
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [] {
            if (auto *stuck = QApplication::activeModalWidget())
                stuck->close();
        });
        poll.start();
        watchdog.start(5000);
        open();
        return seen;
    }

    static void clickReturn(Form3 *viewer) { viewer->findChild<QPushButton *>("Command1")->click(); }
};

} // namespace

struct ViewerCase {
    const char *name;
    Int16 lastPhase;
    Int16 information;
    bool opens;
    bool byReturnKey = false; // Return on the focused picture instead of a double-click
};

class ViewerConditionTest : public EnemyViewerFixture, public ::testing::WithParamInterface<ViewerCase> {};

TEST_P(ViewerConditionTest, DoubleClickOrReturnOpensOnlyAfterAFightWithFullInformation)
{
    const ViewerCase &row = GetParam();
    game().LastPhase = row.lastPhase;
    game().Information = row.information;
    form.show();
    QLabel *image1 = form.findChild<QLabel *>("Image1");
    image1->setFocus();
    const auto seen = openAndClose(
        [&] {
            if (row.byReturnKey)
                QTest::keyClick(image1, Qt::Key_Return);
            else
                QTest::mouseDClick(image1, Qt::LeftButton);
        },
        clickReturn);
    EXPECT_EQ(seen.has_value(), row.opens);
    EXPECT_EQ(game().Paused, False);
}

INSTANTIATE_TEST_SUITE_P(Conditions, ViewerConditionTest,
    ::testing::Values(ViewerCase{"AfterFightInformation5", 3, 5, true},
                      ViewerCase{"MorningInformation5", 2, 5, false},
                      ViewerCase{"ReturnAfterFightInformation5", 3, 5, true, true},
                      ViewerCase{"ReturnAfterFightInformation4", 3, 4, false, true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(EnemyViewerFixture, ViewerShowsTheMonsterAndHoldsTheClockWhileOpen)
{
    game().LastPhase = 3;
    game().Information = 5;
    game().EnemyIndex = 7;
    game().SecondGame = True;
    QPixmap monster(40, 30);
    monster.fill(Qt::darkRed);
    QLabel *image1 = form.findChild<QLabel *>("Image1");
    image1->setPixmap(monster);
    form.show();

    const auto seen = openAndClose([&] { QTest::mouseDClick(image1, Qt::LeftButton); }, clickReturn);
    ASSERT_TRUE(seen);
    EXPECT_EQ(seen->paused, True);
    EXPECT_EQ(seen->caption, "KoTeBu2 ハルーネン物語 敵データ");
    EXPECT_EQ(seen->pictureSize, QSize(40, 30));
    EXPECT_EQ(seen->name, enemyBookName(true, 7));
    EXPECT_EQ(seen->pictureName, seen->name) << "the picture is named for screen readers";
    EXPECT_FALSE(seen->name.isEmpty());
    EXPECT_FALSE(seen->description.isEmpty());
    // Heard without a key: the name, then the description.
    EXPECT_TRUE(seen->spoken.startsWith(seen->name)) << seen->spoken.toStdString();
    EXPECT_TRUE(seen->spoken.endsWith(enemyBookDescription(true, 7))) << seen->spoken.toStdString();
    EXPECT_EQ(game().Paused, False);

    // The next tick after "Return" advances the day by one phase.
    test::fireTimeout(form.dayClock());
    EXPECT_EQ(game().NextPhase, 2);
}

TEST_F(EnemyViewerFixture, ClosingTheViewerAnyOtherWayAlsoReleasesTheClock)
{
    game().LastPhase = 3;
    game().Information = 5;
    form.show();
    QLabel *image1 = form.findChild<QLabel *>("Image1");
    const auto doubleClick = [&] { QTest::mouseDClick(image1, Qt::LeftButton); };
    const auto byEscape = openAndClose(doubleClick,
                                       [](Form3 *viewer) { QTest::keyClick(viewer, Qt::Key_Escape); });
    ASSERT_TRUE(byEscape);
    EXPECT_EQ(game().Paused, False);

    const auto byFrame = openAndClose(doubleClick, [](Form3 *viewer) { viewer->close(); });
    ASSERT_TRUE(byFrame);
    EXPECT_EQ(game().Paused, False);
}

TEST_F(EnemyViewerFixture, CharacterStatusEntryRunsTheSameHandler)
{
    game().LastPhase = 3;
    game().Information = 5;
    game().EnemyIndex = 1;
    auto *chrSt = form.findChild<QAction *>("ChrSt");
    ASSERT_TRUE(chrSt);
    const auto seen = openAndClose([&] { chrSt->trigger(); }, clickReturn);
    ASSERT_TRUE(seen);
    // The first game's caption still names the second game: the viewer came from it.
    EXPECT_EQ(seen->caption, "KoTeBu2 ハルーネン物語 敵データ");
    EXPECT_EQ(seen->name, enemyBookName(false, 0)) << "a monster and its stronger kin share a page";
    EXPECT_EQ(seen->description, enemyBookDescription(false, 0));
}
