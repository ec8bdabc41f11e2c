// The game finds its files without regard to letter case. What it finds must
// be a file it can read at once: a FIFO or a device would block the first
// read for good, before any window shows.
#include "Fakes.h"
#include "FileNames.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace kotebu;

TEST(FileNames, OnlyRegularFilesAreFoundInAnyCase)
{
    test::Sandbox sandbox;
    QDir here(sandbox.dir());
    ASSERT_TRUE(here.mkpath(QStringLiteral("pics/folder.kb2")));
    sandbox.writeFile(QStringLiteral("pics/Haga.KB2"), "picture");
    ASSERT_EQ(::mkfifo("pics/fifo.kb2", 0600), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("fifo.kb2"), QStringLiteral("pics/tofifo.kb2")));
    ASSERT_TRUE(QFile::link(QStringLiteral("nowhere.kb2"), QStringLiteral("pics/dangling.kb2")));
    ASSERT_TRUE(QFile::link(QStringLiteral("Haga.KB2"), QStringLiteral("pics/linked.kb2")));

    const struct {
        QString asked;
        QString found;
    } rows[] = {
        {QStringLiteral("pics/HAGA.kb2"), QStringLiteral("pics/Haga.KB2")},
        {QStringLiteral("pics/Linked.KB2"), QStringLiteral("pics/linked.kb2")},
        {QStringLiteral("pics/Fifo.KB2"), {}},
        {QStringLiteral("pics/fifo.kb2"), {}},
        {QStringLiteral("pics/ToFifo.KB2"), {}},
        {QStringLiteral("pics/Dangling.KB2"), {}},
        {QStringLiteral("pics/Folder.KB2"), {}},
        // The system reads a name only up to a NUL, so this would search
        // "pics" itself.
        {QStringLiteral("pics") + QChar(0) + QStringLiteral("x/Haga.KB2"), {}},
        // A lone surrogate reaches the disk as the replacement character:
        // it would name another file.
        {QStringLiteral("pics/Haga") + QChar(0xD800) + QStringLiteral(".KB2"), {}},
    };
    sandbox.writeFile(QStringLiteral("pics/Haga\uFFFD.KB2"), "another picture");
    for (const auto &row : rows)
        EXPECT_EQ(findFileNoCase(row.asked), row.found) << row.asked.toStdString();
}
