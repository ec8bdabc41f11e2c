#include "Battle.h"
#include "Fakes.h"
#include "Ini.h"
#include "Pictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSet>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kotebu;
using kotebu::test::Sandbox;
using kotebu::test::shippedGameFiles;

namespace {

// The monster pictures we ship, by folder; kept here on its own so a roster
// change that names a picture nobody drew is caught.
const QStringList FirstGameCodes{
    "Hananeko", "Katonbo", "Nyuru8", "Dokusa", "HeitaiP",
    "Numahige", "Bakmusi", "Tunoflog", "Manepu", "Popota",
};
const QStringList SecondGameCodes{
    "BUNNYDOG", "SUSIYA", "SUPPON7", "INKO", "KUSURIMS", "BOUND-D", "AICHAN", "CHITA",
    "SARIN", "YANPAPA", "ROBOTOMI", "BAKUDAN", "OSANSYO", "HAGA", "POCTAMA",
};

struct Monster {
    QString folder;
    QString code;
};

void PrintTo(const Monster &m, std::ostream *os) { *os << (m.folder + "/" + m.code).toStdString(); }

std::vector<Monster> monsters()
{
    std::vector<Monster> rows;
    for (const QString &code : FirstGameCodes)
        rows.push_back({QStringLiteral("KoTeBu"), code});
    for (const QString &code : SecondGameCodes)
        rows.push_back({QStringLiteral("KoTeBu2"), code});
    return rows;
}

QString shippedFolder(const QString &folder)
{
    return QDir(shippedGameFiles()).filePath(folder) + QLatin1Char('/');
}

class MonsterPictureTest : public ::testing::TestWithParam<Monster> {};

} // namespace

TEST_P(MonsterPictureTest, ShipsUnderItsExactName)
{
    ASSERT_FALSE(shippedGameFiles().isEmpty()) << "KOTEBU_GAME_FILES is not set";
    EXPECT_TRUE(QFileInfo::exists(shippedFolder(GetParam().folder) + GetParam().code + QStringLiteral(".KB2")));
}

TEST_P(MonsterPictureTest, LoadsByContentAtAboutThreeHundredPixels)
{
    const QPixmap pixmap = loadMonsterPicture(shippedFolder(GetParam().folder) + GetParam().code + QStringLiteral(".KB2"));
    ASSERT_FALSE(pixmap.isNull());
    EXPECT_GE(pixmap.width(), 250);
    EXPECT_LE(pixmap.width(), 350);
    EXPECT_GE(pixmap.height(), 250);
    EXPECT_LE(pixmap.height(), 350);
}

// No two monsters may share one drawing: a copied file would show the wrong
// monster in a fight.
TEST(MonsterPictures, EveryMonsterHasItsOwnDrawing)
{
    QSet<QByteArray> contents;
    for (const Monster &m : monsters()) {
        QFile file(shippedFolder(m.folder) + m.code + QStringLiteral(".KB2"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
        const QByteArray bytes = file.readAll();
        EXPECT_FALSE(contents.contains(bytes)) << m.code.toStdString();
        contents.insert(bytes);
    }
}

INSTANTIATE_TEST_SUITE_P(Content, MonsterPictureTest, ::testing::ValuesIn(monsters()),
                         [](const auto &info) {
                             std::string name = (info.param.folder + "_" + info.param.code).toStdString();
                             for (char &c : name)
                                 if (!isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return name;
                         });

TEST(MonsterPictures, RosterNamesExactlyTheShippedPictures)
{
    for (const bool second : {false, true}) {
        QSet<QString> named;
        for (const RosterRow &row : roster(second))
            named.insert(QString::fromLatin1(row.image));
        const QStringList &shipped = second ? SecondGameCodes : FirstGameCodes;
        EXPECT_EQ(named, QSet<QString>(shipped.begin(), shipped.end())) << "second game: " << second;
        EXPECT_EQ(QString::fromLatin1(roster(second)[BossRow].image),
                  second ? QStringLiteral("HAGA") : QStringLiteral("Manepu"));
    }
}

// The start template a new game is prepared from.
class StartTemplate : public ::testing::Test {
protected:
    void SetUp() override
    {
        QFile shipped(QDir(shippedGameFiles()).filePath(QStringLiteral("KTBSPST.INI")));
        ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
        sandbox.writeFile(QStringLiteral("KTBSPST.INI"), shipped.readAll());
    }
    std::optional<QString> read(const char *section, const char *key)
    {
        return ReadIni(QStringLiteral("KTBSPST"), QString::fromLatin1(section), QString::fromLatin1(key));
    }
    Sandbox sandbox;
};

TEST_F(StartTemplate, HoldsEveryKeyOfBothGames)
{
    for (const char *section : {"KoTeBu", "KoTeBu2"}) {
        for (const char *key : {"Gaming", "KotebuYear", "KotebuEx", "Tairyoku", "Chiryoku", "Joho", "Aijo",
                                "Miryoku", "TimeOfDay", "ICONIC", "DemoSkip"})
            EXPECT_TRUE(read(section, key).has_value()) << section << "/" << key;
        // A fresh game that starts out finished would be prepared again at every start.
        EXPECT_NE(read(section, "Gaming").value_or(QStringLiteral("OFF")), QStringLiteral("OFF")) << section;
    }
}

TEST_F(StartTemplate, PictureFoldersAreTheShippedOnesHoldingTheirBoss)
{
    struct Row { const char *key; QString folder; QString boss; };
    const std::vector<Row> rows{
        {"KoTeBuPath", QStringLiteral("KoTeBu/"), QStringLiteral("Manepu.KB2")},
        {"KoTeBu2Path", QStringLiteral("KoTeBu2/"), QStringLiteral("Haga.KB2")},
    };
    for (const Row &row : rows) {
        const QString folder = read("Pack", row.key).value_or(QString());
        EXPECT_EQ(folder, row.folder) << row.key;
        ASSERT_TRUE(folder.endsWith(QLatin1Char('/'))) << row.key;
        // The boss is looked up by this spelling whatever case the file has.
        EXPECT_FALSE(loadMonsterPicture(QDir(shippedGameFiles()).filePath(folder + row.boss)).isNull()) << row.key;
    }
}
