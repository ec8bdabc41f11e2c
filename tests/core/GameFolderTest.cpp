// The player's game folder, as the Windows program makes it (the Linux
// launcher does the same in shell): filled from the shipped files on the
// first start, never overwritten after, so a saved game survives updates.
#include "Fakes.h"
#include "GameFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace kotebu;

TEST(GameFolder, FirstStartFillsItLaterStartsAddOnlyWhatIsNew)
{
    test::Sandbox sandbox;
    ASSERT_TRUE(QDir(sandbox.dir()).mkpath(QStringLiteral("shipped/KoTeBu")));
    sandbox.writeFile(QStringLiteral("shipped/KTBSPST.INI"), "[KoTeBu]\r\nGaming=ON\r\n");
    sandbox.writeFile(QStringLiteral("shipped/KoTeBu/Manepu.KB2"), "boss");
    const QString folder = sandbox.dir() + QStringLiteral("/players/kotebu-special-pack");

    ASSERT_TRUE(seedGameFolder(folder, sandbox.dir() + QStringLiteral("/shipped")));
    EXPECT_EQ(sandbox.readFile(QStringLiteral("players/kotebu-special-pack/KTBSP.INI")), "[KoTeBu]\r\nGaming=ON\r\n");
    EXPECT_EQ(sandbox.readFile(QStringLiteral("players/kotebu-special-pack/KoTeBu/Manepu.KB2")), "boss");

    // The player plays and replaces a picture; an update ships a new file.
    sandbox.writeFile(QStringLiteral("players/kotebu-special-pack/KTBSP.INI"), "[KoTeBu]\r\nGaming=OFF\r\n");
    sandbox.writeFile(QStringLiteral("players/kotebu-special-pack/KoTeBu/Manepu.KB2"), "my own boss");
    sandbox.writeFile(QStringLiteral("shipped/KoTeBu/Hana.KB2"), "cat");
    ASSERT_TRUE(seedGameFolder(folder, sandbox.dir() + QStringLiteral("/shipped")));
    EXPECT_EQ(sandbox.readFile(QStringLiteral("players/kotebu-special-pack/KTBSP.INI")), "[KoTeBu]\r\nGaming=OFF\r\n");
    EXPECT_EQ(sandbox.readFile(QStringLiteral("players/kotebu-special-pack/KoTeBu/Manepu.KB2")), "my own boss");
    EXPECT_EQ(sandbox.readFile(QStringLiteral("players/kotebu-special-pack/KoTeBu/Hana.KB2")), "cat");
    // Every copy is the player's to change.
    EXPECT_TRUE(QFileInfo(folder + QStringLiteral("/KoTeBu/Hana.KB2")).isWritable());
}

TEST(GameFolder, KotebuGameDirChoosesAnotherFolder)
{
    qputenv("KOTEBU_GAME_DIR", "elsewhere");
    EXPECT_EQ(gameFolder(), QStringLiteral("elsewhere"));
    qunsetenv("KOTEBU_GAME_DIR");
    EXPECT_TRUE(gameFolder().endsWith(QStringLiteral("/kotebu-special-pack")));
}
