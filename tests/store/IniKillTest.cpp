// A save killed at any instant leaves the old file or the new one, whole.
// KOTEBU_KILL_ROUNDS sets how many kills each test makes (bench/kill_saves.sh
// asks for 1,000); by default about a second's worth.
#include "Fakes.h"
#include "FolderLock.h"
#include "GameState.h"
#include "GameStore.h"
#include "KillDays.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

QByteArray stateFileWith(const QByteArray &value)
{
    // Enough lines that a save takes a while, so kills land inside one.
    QByteArray file = "[Pack]\r\nKoTeBuPath=/pictures/\r\n[KoTeBu]\r\n";
    file += "KotebuYear=0\r\nKotebuEx=0\r\nTairyoku=0\r\nChiryoku=0\r\n";
    for (int i = 0; i < 4000; ++i)
        file += "Filler" + QByteArray::number(i) + "=some text, \"quoted\" ことぶ\r\n";
    return file + "Joho=" + value + "\r\nAijo=3\r\nMiryoku=0\r\n";
}

struct KillCount {
    int kills = 0;
    int midSave = 0;
};

// Starts the writer, kills it at a random instant, and checks the file is one
// of the whole files it may hold; again and again.
KillCount killWhileSaving(const kotebu::test::Sandbox &sandbox, const char *mode,
                          const std::vector<QByteArray> &wholeFiles)
{
    const int wanted = qEnvironmentVariableIntValue("KOTEBU_KILL_ROUNDS");
    const int rounds = wanted > 0 ? wanted : 25;
    const qint64 timeLimitMs = wanted > 0 ? std::numeric_limits<qint64>::max() : 2000;

    std::mt19937 engine(424242);
    std::uniform_int_distribution<int> delayMs(0, 40);
    QElapsedTimer elapsed;
    elapsed.start();
    KillCount count;
    while (count.kills < rounds && elapsed.elapsed() < timeLimitMs) {
        QProcess child;
        child.start(QStringLiteral(KOTEBU_INI_WRITER_CHILD), {sandbox.dir(), QString::fromLatin1(mode)});
        EXPECT_TRUE(child.waitForStarted(5000));
        EXPECT_TRUE(child.waitForReadyRead(5000)) << "the writer never got going";
        QThread::msleep(static_cast<unsigned long>(delayMs(engine)));
        EXPECT_EQ(child.state(), QProcess::Running) << "the writer stopped by itself";
        child.kill(); // SIGKILL: no clean-up of any kind
        EXPECT_TRUE(child.waitForFinished(5000));
        ++count.kills;
        if (QFile::exists(QStringLiteral("KTBSP.$$$")))
            ++count.midSave;

        const QByteArray now = sandbox.readFile(QStringLiteral("KTBSP.INI"));
        const bool whole = std::find(wholeFiles.begin(), wholeFiles.end(), now) != wholeFiles.end();
        EXPECT_TRUE(whole) << mode << " kill " << count.kills << " left " << now.size() << " bytes";
        const QStringList inis = QDir(sandbox.dir()).entryList({QStringLiteral("*.ini")}, QDir::Files);
        EXPECT_EQ(inis, QStringList{QStringLiteral("KTBSP.INI")});
        if (!whole || ::testing::Test::HasFailure())
            break;
    }
    ::testing::Test::RecordProperty("kills", count.kills);
    ::testing::Test::RecordProperty("killsMidSave", count.midSave);
    return count;
}

} // namespace

TEST(IniKill, WriteKilledAtRandomInstantsLeavesAWholeFile)
{
    kotebu::test::Sandbox sandbox;
    const QByteArray firstFile = stateFileWith("first");
    sandbox.writeFile(QStringLiteral("KTBSP.INI"), firstFile);

    const KillCount count = killWhileSaving(
        sandbox, "write", {firstFile, stateFileWith("short"), stateFileWith(QByteArray(20000, 'L'))});
    EXPECT_GE(count.kills, 10);
}

TEST(IniKill, ExitSaveKilledAtRandomInstantsLeavesAWholeFile)
{
    kotebu::test::Sandbox sandbox;
    const QByteArray firstFile = stateFileWith("first");
    sandbox.writeFile(QStringLiteral("KTBSP.INI"), firstFile);

    // The two days the writer flips between, saved once here to know them whole.
    const auto days = killTestDays();
    std::vector<QByteArray> wholeFiles{firstFile};
    for (const kotebu::GameState &day : days) {
        kotebu::SaveDay(day);
        wholeFiles.push_back(sandbox.readFile(QStringLiteral("KTBSP.INI")));
    }
    ASSERT_NE(wholeFiles[1], wholeFiles[2]);
    sandbox.writeFile(QStringLiteral("KTBSP.INI"), firstFile);

    const KillCount count = killWhileSaving(sandbox, "saveday", wholeFiles);
    EXPECT_GE(count.kills, 10);
}

// Two copies in one game folder would each save over the other's day: the
// second start says so and ends without touching the files; a copy that
// died (SIGKILL, no clean-up) leaves no lock behind; other folders play on.
TEST(FolderLock, SecondCopyInTheFolderEndsAndAKilledCopyLeavesNoLock)
{
    kotebu::test::Sandbox sandbox;
    const QByteArray file = "[KoTeBu]\r\nKotebuYear=5\r\n";
    sandbox.writeFile(QStringLiteral("KTBSP.INI"), file);
    QProcess first;
    first.start(QStringLiteral(KOTEBU_INI_WRITER_CHILD), {sandbox.dir(), QStringLiteral("lock")});
    ASSERT_TRUE(first.waitForStarted(5000));
    ASSERT_TRUE(first.waitForReadyRead(5000)) << "the first copy never took its lock";

    EXPECT_THROW(kotebu::FolderLock second, kotebu::ProgramEnded);
    ASSERT_EQ(sandbox.boxes.asked.size(), 1u);
    EXPECT_EQ(sandbox.boxes.asked[0].icon, kotebu::MessageIcon::Warning);
    EXPECT_EQ(sandbox.boxes.asked[0].buttons, kotebu::MessageButtons::Ok);
    EXPECT_EQ(sandbox.readFile(QStringLiteral("KTBSP.INI")), file);
    EXPECT_EQ(first.state(), QProcess::Running) << "the first copy plays on";
    {
        kotebu::test::Sandbox elsewhere; // another game folder
        EXPECT_NO_THROW(kotebu::FolderLock other);
        EXPECT_TRUE(elsewhere.boxes.asked.empty());
    }
    QDir::setCurrent(sandbox.dir());
    kotebu::setMessageBoxes(&sandbox.boxes);
    kotebu::setProgramExit(&sandbox.exit);

    first.kill();
    ASSERT_TRUE(first.waitForFinished(5000));
    EXPECT_NO_THROW(kotebu::FolderLock again);
    EXPECT_EQ(sandbox.boxes.asked.size(), 1u);
}

// A folder that cannot keep the day is told at start, not at Exit after a
// whole session (here a folder sits where every save makes its file): Yes
// plays on without the save, No ends before anything is played.
TEST(FolderLock, AFolderThatCannotKeepTheDayIsToldAtStart)
{
    kotebu::test::Sandbox sandbox;
    const QByteArray file = "[KoTeBu]\r\nKotebuYear=5\r\n";
    sandbox.writeFile(QStringLiteral("KTBSP.INI"), file);
    { const kotebu::FolderLock keeps; }
    EXPECT_TRUE(sandbox.boxes.asked.empty()) << "a folder that keeps the day says nothing";

    ASSERT_TRUE(QDir(sandbox.dir()).mkdir(QStringLiteral("KTBSP.$$$")));
    sandbox.boxes.answers = {kotebu::MessageResult::Yes};
    EXPECT_NO_THROW(kotebu::FolderLock playOn);
    sandbox.boxes.answers = {kotebu::MessageResult::No};
    EXPECT_THROW(kotebu::FolderLock ended, kotebu::ProgramEnded);

    ASSERT_EQ(sandbox.boxes.asked.size(), 2u);
    const kotebu::MessageRequest &told = sandbox.boxes.asked[0];
    EXPECT_TRUE(told.text.startsWith(QStringLiteral("KTBSP.INI "))) << told.text.toStdString();
    EXPECT_EQ(told.buttons, kotebu::MessageButtons::YesNo);
    EXPECT_EQ(told.defaultButton, kotebu::MessageResult::Yes);
    EXPECT_EQ(sandbox.readFile(QStringLiteral("KTBSP.INI")), file);
}
