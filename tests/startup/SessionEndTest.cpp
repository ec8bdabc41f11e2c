// The desktop ending the session (SIGTERM, SIGHUP) must not lose the day, and
// must write nothing before play has begun. Real processes, real signals.
#include "Fakes.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <csignal>

namespace {

TEST(SessionEnd, SignalDuringPlaySavesTheDayAndBeforePlayWritesNothing)
{
    const QByteArray file = "[Pack]\r\nTimeOfDay=1000\r\n[KoTeBu]\r\nGaming=ON\r\nKotebuYear=40\r\nKotebuEx=3\r\n"
                            "Tairyoku=1\r\nChiryoku=2\r\nJoho=3\r\nAijo=4\r\nMiryoku=5\r\n";
    const QByteArray saved = "[Pack]\r\nTimeOfDay=1000\r\n[KoTeBu]\r\nGaming=ON\r\nKotebuYear=41\r\nKotebuEx=3\r\n"
                             "Tairyoku=1\r\nChiryoku=2\r\nJoho=3\r\nAijo=4\r\nMiryoku=5\r\n";
    const struct {
        const char *mode;
        int signal;
        QByteArray expected;
    } rows[] = {
        {"play", SIGTERM, saved},
        {"play", SIGHUP, saved},
        {"before", SIGTERM, file},
    };
    for (const auto &row : rows) {
        kotebu::test::Sandbox sandbox;
        sandbox.writeFile(QStringLiteral("KTBSP.INI"), file);
        sandbox.writeFile(QStringLiteral("KTBSPST.INI"), file);
        QProcess child;
        child.start(QStringLiteral(KOTEBU_SESSION_END_CHILD), {sandbox.dir(), QString::fromLatin1(row.mode)});
        ASSERT_TRUE(child.waitForStarted(5000));
        ASSERT_TRUE(child.waitForReadyRead(10000)) << row.mode << ": the child never got going";
        ::kill(static_cast<pid_t>(child.processId()), row.signal);
        ASSERT_TRUE(child.waitForFinished(10000)) << row.mode << " " << row.signal;
        EXPECT_EQ(child.exitStatus(), QProcess::NormalExit) << row.mode << " " << row.signal;
        EXPECT_EQ(child.exitCode(), 0) << row.mode << " " << row.signal;
        EXPECT_EQ(sandbox.readFile(QStringLiteral("KTBSP.INI")), row.expected) << row.mode << " " << row.signal;
        EXPECT_EQ(sandbox.readFile(QStringLiteral("KTBSPST.INI")), file);
    }
}

} // namespace
