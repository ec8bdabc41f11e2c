// What only a POSIX file system has in an INI file's place: a FIFO, the
// owner's and group's permission bits, a symbolic link.
#include "Ini.h"
#include "IniFixture.h"

#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace kotebu;

namespace {

// A FIFO in the file's place would block the first read before any window
// shows: it is a missing file, as a folder or a dangling link is.
TEST_F(IniFixture, FifoInTheFilesPlaceIsAMissingFile)
{
    ASSERT_EQ(::mkfifo("ktbsp.ini", 0600), 0);
    // Should the read open the FIFO after all, a writer coming and going
    // lets it go on, so the mistake shows as the wrong message, not a hang.
    std::atomic<bool> over{false};
    std::thread writer([&over] {
        for (int wait = 0; wait < 300 && !over; ++wait) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            const int handle = wait < 50 ? -1 : ::open("ktbsp.ini", O_WRONLY | O_NONBLOCK);
            if (handle >= 0) {
                ::close(handle);
                return;
            }
        }
    });
    EXPECT_THROW(ReadIni(QStringLiteral("KTBSP"), QStringLiteral("KoTeBu"), QStringLiteral("Joho")), ProgramEnded);
    over = true;
    writer.join();
    expectOneBox(QStringLiteral("KTBSP.INI がみつかりません"), MessageIcon::Warning);
}

TEST_F(IniFixture, PermissionsOfTheFileSurviveTheRewrite)
{
    sandbox.writeFile(QStringLiteral("KTBSP.INI"), "[KoTeBu]\r\nJoho=1\r\n");
    const auto rights = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(QStringLiteral("KTBSP.INI"), rights));
    WriteIni(QStringLiteral("KTBSP"), QStringLiteral("KoTeBu"), QStringLiteral("Joho"), 2);
    // Owner, group and others; the "user" bits depend on who runs the test.
    const QFileDevice::Permissions mask = QFileDevice::Permissions::fromInt(0x7077);
    EXPECT_EQ(QFile::permissions(QStringLiteral("KTBSP.INI")) & mask, rights);
}

// Players link their save into a synced folder: the save goes through the
// link to the file it points at, keeps that file's read-only mode, and leaves
// no temporary file in either folder.
TEST_F(IniFixture, LinkedSaveIsWrittenThroughTheLinkAndKeepsItsMode)
{
    ASSERT_TRUE(QDir(sandbox.dir()).mkdir(QStringLiteral("synced")));
    sandbox.writeFile(QStringLiteral("synced/KTBSP.INI"), "[KoTeBu]\r\nJoho=1\r\n");
    const auto readOnly = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    ASSERT_TRUE(QFile::setPermissions(QStringLiteral("synced/KTBSP.INI"), readOnly));
    ASSERT_TRUE(QFile::link(QStringLiteral("synced/KTBSP.INI"), QStringLiteral("KTBSP.INI")));

    WriteIni(QStringLiteral("KTBSP"), QStringLiteral("KoTeBu"), QStringLiteral("Joho"), 2);
    EXPECT_TRUE(QFileInfo(QStringLiteral("KTBSP.INI")).isSymLink());
    EXPECT_EQ(sandbox.readFile(QStringLiteral("synced/KTBSP.INI")), "[KoTeBu]\r\nJoho=2\r\n");
    const QFileDevice::Permissions mask = QFileDevice::Permissions::fromInt(0x7077);
    EXPECT_EQ(QFile::permissions(QStringLiteral("synced/KTBSP.INI")) & mask, readOnly);
    EXPECT_EQ(filesHere(), (QStringList{QStringLiteral("KTBSP.INI"), QStringLiteral("synced")}));
    EXPECT_EQ(QDir(QStringLiteral("synced")).entryList(QDir::Files), QStringList{QStringLiteral("KTBSP.INI")});
}

} // namespace
