// A save killed at any instant leaves the old file or the new one, whole.
#include "Fakes.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <random>

namespace {

QByteArray stateFileWith(const QByteArray &value)
{
    // Enough lines that a save takes a while, so kills land inside one.
    QByteArray file = "[Pack]\r\nKoTeBuPath=/pictures/\r\n[KoTeBu]\r\n";
    for (int i = 0; i < 4000; ++i)
        file += "Filler" + QByteArray::number(i) + "=some text, \"quoted\" ことぶ\r\n";
    return file + "Joho=" + value + "\r\nAijo=3\r\n";
}

TEST(IniKill, SaveKilledAtRandomInstantsLeavesAWholeFile)
{
    kotebu::test::Sandbox sandbox;
    const QByteArray shortFile = stateFileWith("short");
    const QByteArray longFile = stateFileWith(QByteArray(20000, 'L'));
    const QByteArray firstFile = stateFileWith("first");
    sandbox.writeFile(QStringLiteral("KTBSP.INI"), firstFile);

    std::mt19937 engine(424242);
    std::uniform_int_distribution<int> delayMs(0, 40);
    QElapsedTimer elapsed;
    elapsed.start();
    int kills = 0;
    int killsMidSave = 0;
    while (kills < 60 && elapsed.elapsed() < 4000) {
        QProcess child;
        child.start(QStringLiteral(KOTEBU_INI_WRITER_CHILD), {sandbox.dir()});
        ASSERT_TRUE(child.waitForStarted(5000));
        ASSERT_TRUE(child.waitForReadyRead(5000)) << "the writer never got going";
        QThread::msleep(static_cast<unsigned long>(delayMs(engine)));
        ASSERT_EQ(child.state(), QProcess::Running) << "the writer stopped by itself";
        child.kill(); // SIGKILL: no clean-up of any kind
        ASSERT_TRUE(child.waitForFinished(5000));
        ++kills;
        if (QFile::exists(QStringLiteral("KTBSP.$$$")))
            ++killsMidSave;

        const QByteArray now = sandbox.readFile(QStringLiteral("KTBSP.INI"));
        ASSERT_TRUE(now == shortFile || now == longFile || now == firstFile)
            << "kill " << kills << " left " << now.size() << " bytes";
        const QStringList inis = QDir(sandbox.dir()).entryList({QStringLiteral("*.ini")}, QDir::Files);
        ASSERT_EQ(inis, QStringList{QStringLiteral("KTBSP.INI")});
    }
    EXPECT_GE(kills, 10);
    RecordProperty("kills", kills);
    RecordProperty("killsMidSave", killsMidSave);
}

} // namespace
