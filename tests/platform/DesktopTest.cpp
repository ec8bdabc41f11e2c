// The windows as a real window manager sees them: run by on-x11.sh on an X
// server with openbox, both started for the run. What the window manager
// was told and what it did is read from outside, with xprop and xwininfo, as
// any other program on the desktop would see it; Qt's own idea of the
// window's state proves nothing here.
#include "Fakes.h"
#include "Form1.h"
#include "Form4.h"
#include "Form5.h"
#include "Form6.h"
#include "Form7.h"
#include "Form8.h"
#include "Forms.h"
#include "GameState.h"
#include "Main.h"
#include "Platform.h"
#include "Random.h"
#include "Story.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>

using namespace kotebu;

namespace {

// What a tool of the desktop prints about a window; fails the test when the
// tool is missing or says nothing.
QString ask(const char *tool, const QStringList &arguments)
{
    const QString path = QStandardPaths::findExecutable(QString::fromLatin1(tool));
    if (path.isEmpty()) {
        ADD_FAILURE() << tool << " is missing: install the Debian package x11-utils";
        return {};
    }
    QProcess process;
    process.start(path, arguments);
    process.waitForFinished(5000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

QString windowId(const QWidget &window)
{
    return QStringLiteral("0x%1").arg(window.winId(), 0, 16);
}

// "Iconic", "Normal" or "Withdrawn" as the window manager set WM_STATE; empty
// while no window manager has taken the window.
QString wmState(const QWidget &window)
{
    const QString reply = ask("xprop", {"-id", windowId(window), "WM_STATE"});
    const QRegularExpressionMatch found = QRegularExpression("window state: (\\w+)").match(reply);
    return found.hasMatch() ? found.captured(1) : QString();
}

// The window with the frame the window manager put round it, in the
// screen's pixels; an empty rectangle while it has no frame.
QRect framedGeometry(const QWidget &window)
{
    const QString id = windowId(window);
    const QString info = ask("xwininfo", {"-id", id});
    const QString extents = ask("xprop", {"-id", id, "_NET_FRAME_EXTENTS"});
    auto number = [&](const QString &text, const char *label) {
        const QRegularExpressionMatch found =
            QRegularExpression(QString::fromLatin1(label) + QStringLiteral(":\\s+(-?\\d+)")).match(text);
        return found.hasMatch() ? found.captured(1).toInt() : -1;
    };
    const QRegularExpressionMatch frame =
        QRegularExpression("= (\\d+), (\\d+), (\\d+), (\\d+)").match(extents);
    if (!frame.hasMatch())
        return {};
    const int left = frame.captured(1).toInt(), right = frame.captured(2).toInt();
    const int top = frame.captured(3).toInt(), bottom = frame.captured(4).toInt();
    return {number(info, "Absolute upper-left X") - left, number(info, "Absolute upper-left Y") - top,
            number(info, "Width") + left + right, number(info, "Height") + top + bottom};
}

// How far the framed window stands from the middle of the screen, in the
// window's own pixels (the scale taken out).
double offCentre(const QWidget &window)
{
    const QRect outer = framedGeometry(window);
    if (outer.isEmpty())
        return 1e9;
    const double ratio = window.devicePixelRatio();
    const QSize screenPixels = window.screen()->size() * ratio;
    const double dx = outer.x() - (screenPixels.width() - outer.width()) / 2.0;
    const double dy = outer.y() - (screenPixels.height() - outer.height()) / 2.0;
    return std::max(std::abs(dx), std::abs(dy)) / ratio;
}

// The screen the windows really stand on, not the tests' fixed one.
class RealScreen final : public Screen {
public:
    QSize size() const override { return QGuiApplication::primaryScreen()->size(); }
};

struct Desktop : ::testing::Test {
    void SetUp() override
    {
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")) << "run through on-x11.sh";
        ASSERT_TRUE(ask("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}).contains("window id"))
            << "no window manager runs on this display";
        setScreen(&realScreen);
        game() = GameState{};
    }
    void TearDown() override
    {
        setTimeScale(1.0);
        game() = GameState{};
    }
    test::Sandbox sandbox;
    RealScreen realScreen;
};

// Every draw wins: the first game reaches the boss and beats him.
class Wins final : public RandomSource {
public:
    float next() override { return 0.0f; }
};

} // namespace

TEST_F(Desktop, StartMinimisedReachesTheWindowManagerIconicAndStaysSoThroughTheDays)
{
    // Age 27, a day before the boss: five phases, the boss's pause and the
    // last tick, each a tenth of a second at this time scale.
    QByteArray ini;
    for (const char *section : {"KoTeBu", "KoTeBu2"}) {
        ini += QByteArray("[") + section + "]\r\nGaming=ON\r\nKotebuYear=79\r\nKotebuEx=0\r\n";
        ini += "Tairyoku=5\r\nChiryoku=1\r\nJoho=1\r\nAijo=1\r\nMiryoku=1\r\n";
        ini += "TimeOfDay=2000\r\nDemoSkip=ON\r\nICONIC=ON\r\n";
    }
    const QByteArray files = test::shippedGameFiles().toUtf8();
    ini += "[Pack]\r\nKoTeBuPath=" + files + "/KoTeBu/\r\nKoTeBu2Path=" + files + "/KoTeBu2/\r\n";
    sandbox.writeFile("KTBSP.INI", ini);
    Wins wins;
    setRandomSource(&wins);
    setClock(nullptr);
    setTimeScale(0.05);

    // The player's part, and a look at what the window manager holds of the
    // game window on every round.
    QStringList states, hints;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (!w->isVisible())
                continue;
            if (qobject_cast<Form7 *>(w)) {
                QTest::mouseClick(w->findChild<QLabel *>("Image1_1"), Qt::LeftButton);
            } else if (qobject_cast<Form8 *>(w)) {
                QTest::mouseClick(w->findChild<QPushButton *>("Command1"), Qt::LeftButton);
            } else if (auto *ending = qobject_cast<Form4 *>(w)) {
                ending->reject();
            } else if (qobject_cast<Form1 *>(w)) {
                const QString state = wmState(*w);
                if (!state.isEmpty())
                    states << state;
                const QString said = ask("xprop", {"-id", windowId(*w), "WM_HINTS"});
                const QRegularExpressionMatch initial = QRegularExpression("[Ii]nitial state is (\\w+)").match(said);
                hints << (initial.hasMatch() ? initial.captured(1) : QStringLiteral("none"));
            }
        }
    });
    look.start(20);

    const std::unique_ptr<Form1> window = Main();
    look.stop();

    ASSERT_TRUE(window);
    EXPECT_EQ(game().EndingKind, 1) << "the game ran to its end";
    ASSERT_GE(states.size(), 5) << "the window manager never took the game window";
    EXPECT_EQ(states.count(QStringLiteral("Iconic")), states.size()) << states.join(' ').toStdString();
    ASSERT_FALSE(hints.isEmpty());
    EXPECT_EQ(hints.front().toStdString(), "Iconic") << "how the window asked to be mapped first";
}

// Every window stands in the middle of the screen by its frame, the story
// too, which StoryDemo centres again once it is on the screen.
TEST_F(Desktop, StoryAndStartScreenAreCentredByTheirFrames)
{
    auto centredSoon = [](const QWidget &window) {
        return QTest::qWaitFor([&] { return offCentre(window) <= 1.0; }, 3000);
    };

    Form5 story;
    story.show();
    double storyOff = 1e9;
    QTimer look;
    QElapsedTimer shown;
    shown.start();
    QObject::connect(&look, &QTimer::timeout, [&] {
        storyOff = offCentre(story);
        if (storyOff <= 1.0 || shown.elapsed() > 3000)
            game().DemoSkipRequested = True;
    });
    look.start(50);
    StoryDemo(story);
    look.stop();
    EXPECT_LE(storyOff, 1.0) << "the story window stands " << storyOff << " px from the middle";
    story.Timer1().stop();
    story.close();

    Form6 start;
    start.show();
    EXPECT_TRUE(centredSoon(start)) << "the start screen stands " << offCentre(start) << " px from the middle";
}
