// Whole games through the real start-up sequence and day loop: the logo, the
// selector, the start screen, the main window's clock and the ending window,
// with a fast day and a random source that decides every draw.
#include "Demoform.h"
#include "Fakes.h"
#include "Form1.h"
#include "Form4.h"
#include "Form6.h"
#include "Form7.h"
#include "Form8.h"
#include "GameState.h"
#include "Ini.h"
#include "Main.h"
#include "Random.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>

using namespace kotebu;

namespace {

// Every draw gives the same number: 0 wins every fight, 0.99 loses the boss's.
class ConstantRandom final : public RandomSource {
public:
    explicit ConstantRandom(float value) : m_value(value) {}
    float next() override { return m_value; }

private:
    float m_value;
};

// Plays the player's part: picks a game, presses Start, reads the ending.
class Player {
public:
    explicit Player(bool secondGame) : m_secondGame(secondGame)
    {
        QObject::connect(&m_poll, &QTimer::timeout, [this] { look(); });
        m_poll.start(20);
    }

    bool sawLogo = false;
    bool sawMainWindow = false;
    QString endingText;
    QString endingCaption;
    // Pictures seen on screen with nothing for a screen reader to call them.
    QSet<QString> unnamedPictures;
    // On Wayland: how much of the main window the compositor shows behind
    // the ending, in pixels of its green; -1 when no screenshot was taken.
    qsizetype mainWindowPixels = -1;

private:
    void look()
    {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (!w->isVisible())
                continue;
            for (const QLabel *picture : w->findChildren<QLabel *>())
                if (picture->isVisible() && !picture->pixmap().isNull() && picture->accessibleName().isEmpty())
                    unnamedPictures.insert(w->objectName() + '.' + picture->objectName());
            if (qobject_cast<Demoform *>(w)) {
                sawLogo = true;
            } else if (qobject_cast<Form7 *>(w)) {
                // The left picture is the first game, the right one the second.
                auto *picture = w->findChild<QLabel *>(m_secondGame ? "Image1_0" : "Image1_1");
                QTest::mouseClick(picture, Qt::LeftButton);
            } else if (qobject_cast<Form8 *>(w) || qobject_cast<Form6 *>(w)) {
                QTest::mouseClick(w->findChild<QPushButton *>("Command1"), Qt::LeftButton);
            } else if (qobject_cast<Form1 *>(w)) {
                sawMainWindow = true;
            } else if (auto *ending = qobject_cast<Form4 *>(w)) {
                endingCaption = ending->windowTitle();
                endingText = ending->findChild<QLabel *>("Label1")->text();
                if (QGuiApplication::platformName() == QLatin1String("wayland"))
                    mainWindowPixels = mainWindowOnScreen();
                ending->reject(); // closed by its frame: Main returns
            }
        }
    }

    // What the compositor shows, as its screenshot tool (Weston's, which
    // on-weston.sh allows) writes it into the working folder.
    static qsizetype mainWindowOnScreen()
    {
        if (QProcess::execute(QStringLiteral("weston-screenshooter"), {}) != 0)
            return -1;
        const QStringList shots = QDir().entryList({QStringLiteral("wayland-screenshot-*.png")}, QDir::Files, QDir::Time);
        const QImage shot = shots.isEmpty() ? QImage() : QImage(shots.front()).convertToFormat(QImage::Format_RGB32);
        if (shot.isNull())
            return -1;
        // The main window's ground, (128, 255, 128), as Weston draws it (a
        // little darker behind a dialog).
        auto near = [](int value, int wanted) { return std::abs(value - wanted) <= 12; };
        qsizetype seen = 0;
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = 0; x < shot.width(); ++x) {
                const QRgb pixel = shot.pixel(x, y);
                seen += near(qRed(pixel), 128) && near(qGreen(pixel), 255) && near(qBlue(pixel), 128);
            }
        }
        return seen;
    }

    bool m_secondGame;
    QTimer m_poll;
};

QByteArray stateFile(int year, int experience, const QString &gameFiles, bool minimised = false)
{
    QByteArray ini;
    for (const char *section : {"KoTeBu", "KoTeBu2"}) {
        ini += QByteArray("[") + section + "]\r\n";
        ini += "Gaming=ON\r\n";
        ini += "KotebuYear=" + QByteArray::number(year) + "\r\n";
        ini += "KotebuEx=" + QByteArray::number(experience) + "\r\n";
        ini += "Tairyoku=5\r\nChiryoku=1\r\nJoho=1\r\nAijo=1\r\nMiryoku=1\r\n";
        ini += "TimeOfDay=100\r\nDemoSkip=ON\r\n";
        ini += QByteArray("ICONIC=") + (minimised ? "ON" : "OFF") + "\r\n";
    }
    ini += "[Pack]\r\n";
    ini += "KoTeBuPath=" + gameFiles.toUtf8() + "/KoTeBu/\r\n";
    ini += "KoTeBu2Path=" + gameFiles.toUtf8() + "/KoTeBu2/\r\n";
    return ini;
}

struct WholeGame : ::testing::Test {
    test::Sandbox sandbox;
    void SetUp() override
    {
        // The real clock, with the logo, the days and the boss's pause twenty
        // times faster: they still take their turns on the event queue.
        setClock(nullptr);
        setTimeScale(0.05);
        ASSERT_FALSE(test::shippedGameFiles().isEmpty());
    }
    void TearDown() override { setTimeScale(1.0); }
};

} // namespace

TEST_F(WholeGame, FirstGameWonAgainstTheBossShowsTheScoreAndMarksTheGameFinished)
{
    // Year 79: age 27, one day before the boss comes every day.
    sandbox.writeFile("KTBSP.INI", stateFile(79, 0, test::shippedGameFiles()));
    ConstantRandom wins(0.0f);
    setRandomSource(&wins);
    Player player(false);

    const std::unique_ptr<Form1> window = Main();

    ASSERT_TRUE(window);
    EXPECT_TRUE(player.sawLogo);
    EXPECT_TRUE(player.sawMainWindow);
    EXPECT_TRUE(player.unnamedPictures.isEmpty()) << player.unnamedPictures.values().join(' ').toStdString();
    EXPECT_TRUE(window->isVisible()) << "the main window stays behind the ending";
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        EXPECT_GT(player.mainWindowPixels, 0) << "the compositor shows the main window";
    }
    EXPECT_EQ(game().SecondGame, 0);
    EXPECT_EQ(game().GameRunning, 0);
    EXPECT_EQ(game().EndingKind, 1);
    EXPECT_GE(game().Year, 80);
    EXPECT_EQ(player.endingCaption, QStringLiteral("ＫｏＴｅＢｕ　おわり"));
    EXPECT_TRUE(player.endingText.contains(QStringLiteral("得点は"))) << player.endingText.toStdString();
    EXPECT_EQ(ReadIni("KTBSP", "KoTeBu", "Gaming"), QStringLiteral("OFF"));
    EXPECT_EQ(ReadIni("KTBSP", "KoTeBu2", "Gaming"), QStringLiteral("ON"));
}

TEST_F(WholeGame, SecondGameLostAfterThirtyEndsWithTheConsolation)
{
    // Year 92: age 31, so the first lost fight ends the game. The main window
    // starts minimised; the day goes on and the ending still shows.
    sandbox.writeFile("KTBSP.INI", stateFile(92, 0, test::shippedGameFiles(), true));
    ConstantRandom loses(0.99f);
    setRandomSource(&loses);
    Player player(true);

    const std::unique_ptr<Form1> window = Main();

    ASSERT_TRUE(window);
    EXPECT_EQ(game().SecondGame, True);
    EXPECT_EQ(game().DemoSkipRequested, True) << "DemoSkip=ON skips the story";
    // A Wayland window cannot start minimised; it is minimised as soon as
    // the compositor shows it, and stays so.
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        EXPECT_EQ(player.mainWindowPixels, 0) << "the compositor shows the main window";
    }
    EXPECT_EQ(game().EndingKind, 2);
    EXPECT_EQ(player.endingCaption, QStringLiteral("KoTeBu2 ハルーネン物語 おわり"));
    EXPECT_TRUE(player.unnamedPictures.isEmpty()) << player.unnamedPictures.values().join(' ').toStdString();
    EXPECT_TRUE(player.endingText.contains(QStringLiteral("残念でした。もう一度挑戦してください！")));
    EXPECT_FALSE(player.endingText.contains(QStringLiteral("得点は")));
    EXPECT_EQ(ReadIni("KTBSP", "KoTeBu2", "Gaming"), QStringLiteral("OFF"));
    EXPECT_EQ(ReadIni("KTBSP", "KoTeBu", "Gaming"), QStringLiteral("ON"));
}

TEST_F(WholeGame, FinishedGameStartsAgainFromTheTemplate)
{
    // "Gaming" is OFF: the new-game message, then the template's values.
    QByteArray finished = stateFile(92, 250, test::shippedGameFiles());
    finished.replace("Gaming=ON", "Gaming=OFF");
    sandbox.writeFile("KTBSP.INI", finished);
    QByteArray fresh = stateFile(92, 0, test::shippedGameFiles());
    sandbox.writeFile("KTBSPST.INI", fresh);
    ConstantRandom loses(0.99f);
    setRandomSource(&loses);
    Player player(false);

    Main();

    ASSERT_FALSE(sandbox.boxes.asked.empty());
    EXPECT_EQ(sandbox.boxes.asked.front().text, QStringLiteral("新しくゲームを始める為の準備をします。"));
    EXPECT_EQ(game().Experience, 0) << "the template's experience, not the finished game's 250";
    EXPECT_EQ(ReadIni("KTBSP", "KoTeBu", "Gaming"), QStringLiteral("OFF"));
}
