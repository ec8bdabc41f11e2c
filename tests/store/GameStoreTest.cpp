#include "Fakes.h"
#include "GameState.h"
#include "GameStore.h"
#include "Platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <string>

using namespace kotebu;

namespace {

// Both games' sections, with every value distinct so a key read into the
// wrong place shows.
constexpr char StateFile[] = R"([Pack]
KoTeBuPath=/pictures/one/
[KoTeBu]
Gaming=ON
KotebuYear=37
KotebuEx=120
Tairyoku=-3
Chiryoku=4
Joho=5
Aijo=6
Miryoku=7
TimeOfDay=3000
[KoTeBu2]
Gaming=ON
KotebuYear=1
KotebuEx=2
Tairyoku=3
Chiryoku=40
Joho=50
Aijo=60
Miryoku=70
)";

struct GameStoreFixture : ::testing::Test {
    test::Sandbox sandbox;
    GameState state;

    QStringList filesHere() const { return QDir(sandbox.dir()).entryList(QDir::Files | QDir::NoDotAndDotDot); }
};

using Heroine = std::array<Int16, 7>;

Heroine heroineOf(const GameState &s)
{
    return {s.Year, s.Experience, s.Stamina, s.Knowledge, s.Information, s.Love, s.Charm};
}

// ---- LoadGameState -------------------------------------------------------------

TEST_F(GameStoreFixture, LoadReadsTheSelectedGamesValuesIntoTheirPlaces)
{
    sandbox.writeFile(QStringLiteral("KTBSP.INI"), QByteArray(StateFile).replace("\n", "\r\n"));
    LoadGameState(state);
    EXPECT_EQ(heroineOf(state), (Heroine{37, 120, -3, 4, 5, 6, 7}));
    EXPECT_EQ(ageOf(state), 17);

    state.SecondGame = True;
    LoadGameState(state);
    EXPECT_EQ(heroineOf(state), (Heroine{1, 2, 3, 40, 50, 60, 70}));
    EXPECT_TRUE(sandbox.boxes.asked.empty());
}

TEST_F(GameStoreFixture, LoadStartsTheDayCycleAfreshAndCallsTheHookOnLoadedValues)
{
    sandbox.writeFile(QStringLiteral("KTBSP.INI"), StateFile);
    state.NextPhase = 2;
    state.Paused = True;
    state.EndingKind = 1;
    state.EventFlags = 6; // married, and a mother: forgotten on every load
    state.LastPhase = 3;
    state.GameRunning = False;
    state.PhaseTick = 99;
    state.Charm = -100;

    int hookCalls = 0;
    Int16 charmSeenByHook = 0;
    LoadGameState(state, [&] {
        ++hookCalls;
        charmSeenByHook = state.Charm;
    });

    EXPECT_EQ(hookCalls, 1);
    EXPECT_EQ(charmSeenByHook, 7);
    EXPECT_EQ(state.NextPhase, 0);
    EXPECT_EQ(state.Paused, 0);
    EXPECT_EQ(state.EndingKind, 0);
    EXPECT_EQ(state.EventFlags, 0);
    EXPECT_EQ(state.LastPhase, 1);
    EXPECT_EQ(state.GameRunning, True);
    EXPECT_EQ(state.PhaseTick, 0);
    EXPECT_EQ(state.CrLf, QStringLiteral("\n\r"));
}

TEST_F(GameStoreFixture, LoadWithoutTheSectionEndsTheProgram)
{
    sandbox.writeFile(QStringLiteral("KTBSP.INI"), "[KoTeBu]\r\nJoho=5\r\n");
    state.SecondGame = True;
    bool hookCalled = false;
    EXPECT_THROW(LoadGameState(state, [&] { hookCalled = true; }), ProgramEnded);
    ASSERT_EQ(sandbox.boxes.asked.size(), 1u);
    EXPECT_EQ(sandbox.boxes.asked[0].text, QStringLiteral("セクション名KoTeBu2エラー"));
    EXPECT_FALSE(hookCalled);
}

struct NumberCase {
    const char *text;
    Int16 expected;
};

struct StoredNumber : ::testing::TestWithParam<NumberCase> {};

// Out of range either way with or without an exponent that says so: a value
// of "." and 323 zeros then "1" is tiny, one of "1" and 310 zeros then "e-1"
// huge.
const std::string tinyWithoutExponent = "." + std::string(323, '0') + "1";
const std::string hugeWithSmallExponent = "1" + std::string(310, '0') + "e-1";
const std::string tinyBelowZero = "-" + tinyWithoutExponent;

TEST_P(StoredNumber, IsRoundedDownAndHeldTo16Bits)
{
    EXPECT_EQ(storedHeroineValue(QString::fromUtf8(GetParam().text)), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, StoredNumber,
                         ::testing::Values(NumberCase{"0", 0}, NumberCase{"37", 37}, NumberCase{"-3", -3},
                                           NumberCase{"3.7", 3}, NumberCase{"-1.5", -2}, NumberCase{"-0.5", -1},
                                           NumberCase{"+4", 4}, NumberCase{".5", 0}, NumberCase{"7.", 7},
                                           NumberCase{"  12", 12}, NumberCase{"\t-8", -8}, NumberCase{"12abc", 12},
                                           NumberCase{"1e3", 1000}, NumberCase{"2E+1x", 20}, NumberCase{"5e", 5},
                                           NumberCase{"abc", 0}, NumberCase{"", 0}, NumberCase{"-", 0},
                                           NumberCase{".", 0}, NumberCase{"--1", 0}, NumberCase{"１２", 0},
                                           NumberCase{"32767", 32767}, NumberCase{"32767.9", 32767},
                                           NumberCase{"32768", 32767}, NumberCase{"99999", 32767},
                                           NumberCase{"-32768", -32768}, NumberCase{"-32767.5", -32768},
                                           NumberCase{"-99999", -32768}, NumberCase{"1e400", 32767},
                                           NumberCase{"-1e400", -32768}, NumberCase{"1e-400", 0},
                                           NumberCase{"-1e-400", -1}, NumberCase{"123456789012345678901234567890", 32767},
                                           NumberCase{tinyWithoutExponent.c_str(), 0},
                                           NumberCase{tinyBelowZero.c_str(), -1},
                                           NumberCase{hugeWithSmallExponent.c_str(), 32767}));

TEST_F(GameStoreFixture, LoadTakesStrangeAndMissingValuesSafely)
{
    // Chiryoku is missing; Miryoku comes from a later section, since a key is
    // searched on past the next header.
    sandbox.writeFile(QStringLiteral("KTBSP.INI"),
                      "[KoTeBu]\r\nKotebuYear=3.7\r\nKotebuEx=-1.5\r\nTairyoku=abc\r\n"
                      "Joho=-99999\r\nAijo=\r\n[Other]\r\nMiryoku= 12abc\r\n");
    state.Knowledge = 30;
    LoadGameState(state);
    EXPECT_EQ(heroineOf(state), (Heroine{3, -2, 0, 0, -32768, 0, 12}));
}

// ---- SaveDay --------------------------------------------------------------------

TEST_F(GameStoreFixture, SaveDayWritesTheSevenValuesOfTheSelectedGameOnly)
{
    sandbox.writeFile(QStringLiteral("KTBSP.INI"), QByteArray(StateFile).replace("\n", "\r\n"));
    state.SecondGame = True;
    state.Year = 41;
    state.Experience = -32768;
    state.Stamina = -1;
    state.Knowledge = 32767;
    state.Information = 0;
    state.Love = 8;
    state.Charm = 9;
    SaveDay(state);

    QByteArray expected = StateFile;
    expected.replace("KotebuYear=1\n", "KotebuYear=41\n")
        .replace("KotebuEx=2\n", "KotebuEx=-32768\n")
        .replace("Tairyoku=3\n", "Tairyoku=-1\n")
        .replace("Chiryoku=40\n", "Chiryoku=32767\n")
        .replace("Joho=50\n", "Joho=0\n")
        .replace("Aijo=60\n", "Aijo=8\n")
        .replace("Miryoku=70\n", "Miryoku=9\n")
        .replace("\n", "\r\n");
    EXPECT_EQ(sandbox.readFile(QStringLiteral("KTBSP.INI")), expected);
    EXPECT_EQ(filesHere(), QStringList{QStringLiteral("KTBSP.INI")});
}

TEST_F(GameStoreFixture, SaveDayWithoutTheFileShowsTheMessageAndWritesNothing)
{
    state.Year = 5;
    EXPECT_THROW(SaveDay(state), ProgramEnded);
    ASSERT_EQ(sandbox.boxes.asked.size(), 1u);
    EXPECT_EQ(sandbox.boxes.asked[0].text, QStringLiteral("KTBSP.INI がみつかりません"));
    EXPECT_TRUE(filesHere().isEmpty());
}

// ---- PrepareNewGame -------------------------------------------------------------

struct NewGameCase {
    Int16 secondGame;
    const char *title;
};

struct PrepareNewGameTitles : GameStoreFixture, ::testing::WithParamInterface<NewGameCase> {};

TEST_P(PrepareNewGameTitles, TellsThePlayerFirst)
{
    sandbox.writeFile(QStringLiteral("KTBSPST.INI"), "[KoTeBu]\r\nGaming=ON\r\n");
    state.SecondGame = GetParam().secondGame;
    PrepareNewGame(state);
    ASSERT_EQ(sandbox.boxes.asked.size(), 1u);
    const MessageRequest &box = sandbox.boxes.asked[0];
    EXPECT_EQ(box.title, QString::fromUtf8(GetParam().title));
    EXPECT_EQ(box.text, QStringLiteral("新しくゲームを始める為の準備をします。"));
    EXPECT_EQ(box.buttons, MessageButtons::Ok);
    EXPECT_EQ(box.icon, MessageIcon::None);
}

INSTANTIATE_TEST_SUITE_P(Games, PrepareNewGameTitles,
                         ::testing::Values(NewGameCase{False, "ＫｏＴｅＢｕ～ことぶ～"}, NewGameCase{True, "KoTeBu2 ﾊﾙｰﾈﾝ物語"}));

TEST_F(GameStoreFixture, PrepareNewGameCopiesTheTemplateLineByLine)
{
    sandbox.writeFile(QStringLiteral("KTBSP.INI"), "[KoTeBu]\r\nGaming=OFF\r\nKotebuYear=90\r\n");
    const QByteArray templateBytes = "  [Pack]\n\tKoTeBuPath=C:\\My,Pictures \"x\"\\\n\n[KoTeBu]\rGaming=ON\r\n"
                                     "   KotebuYear=0\r\nName=ことぶ \xFF\nLast=1";
    sandbox.writeFile(QStringLiteral("KTBSPST.INI"), templateBytes);
    PrepareNewGame(state);
    EXPECT_EQ(sandbox.readFile(QStringLiteral("KTBSP.INI")),
              "[Pack]\r\nKoTeBuPath=C:\\My,Pictures \"x\"\\\r\n\r\n[KoTeBu]\r\nGaming=ON\r\nKotebuYear=0\r\n"
              "Name=ことぶ \xFF\r\nLast=1\r\n");
    EXPECT_EQ(sandbox.readFile(QStringLiteral("KTBSPST.INI")), templateBytes) << "the template is only read";
    EXPECT_EQ(filesHere(), (QStringList{QStringLiteral("KTBSP.INI"), QStringLiteral("KTBSPST.INI")}));
}

TEST_F(GameStoreFixture, PrepareNewGameFindsBothFilesInAnyLetterCase)
{
    sandbox.writeFile(QStringLiteral("ktbsp.ini"), "[KoTeBu]\r\nGaming=OFF\r\n");
    sandbox.writeFile(QStringLiteral("KtbspSt.Ini"), "[KoTeBu]\r\nGaming=ON\r\n");
    PrepareNewGame(state);
    EXPECT_EQ(filesHere(), (QStringList{QStringLiteral("ktbsp.ini"), QStringLiteral("KtbspSt.Ini")}));
    EXPECT_EQ(sandbox.readFile(QStringLiteral("ktbsp.ini")), "[KoTeBu]\r\nGaming=ON\r\n");
}

TEST_F(GameStoreFixture, PrepareNewGameMakesTheStateFileWhenThereIsNone)
{
    sandbox.writeFile(QStringLiteral("KTBSPST.INI"), "[KoTeBu]\r\nGaming=ON\r\n");
    PrepareNewGame(state);
    EXPECT_EQ(sandbox.readFile(QStringLiteral("KTBSP.INI")), "[KoTeBu]\r\nGaming=ON\r\n");
}

// A save linked into a synced folder whose copy is gone: the new game is made
// where the link points, and the link stays a link. (Windows makes a
// shortcut file of QFile::link, not a link a save goes through.)
#ifndef Q_OS_WIN
TEST_F(GameStoreFixture, PrepareNewGameThroughADanglingLinkKeepsTheLink)
{
    sandbox.writeFile(QStringLiteral("KTBSPST.INI"), "[KoTeBu]\r\nGaming=ON\r\n");
    ASSERT_TRUE(QDir(sandbox.dir()).mkdir(QStringLiteral("synced")));
    ASSERT_TRUE(QFile::link(QStringLiteral("synced/KTBSP.INI"), QStringLiteral("KTBSP.INI")));
    PrepareNewGame(state);
    EXPECT_TRUE(QFileInfo(QStringLiteral("KTBSP.INI")).isSymLink());
    EXPECT_EQ(sandbox.readFile(QStringLiteral("synced/KTBSP.INI")), "[KoTeBu]\r\nGaming=ON\r\n");
    EXPECT_EQ(QDir(QStringLiteral("synced")).entryList(QDir::Files), QStringList{QStringLiteral("KTBSP.INI")});
}
#endif

TEST_F(GameStoreFixture, PrepareNewGameWithoutTheTemplateKeepsTheStateFileAndEnds)
{
    const QByteArray saved = "[KoTeBu]\r\nGaming=OFF\r\nKotebuYear=90\r\n";
    sandbox.writeFile(QStringLiteral("KTBSP.INI"), saved);
    EXPECT_THROW(PrepareNewGame(state), ProgramEnded);
    ASSERT_EQ(sandbox.boxes.asked.size(), 2u);
    const MessageRequest &box = sandbox.boxes.asked[1];
    EXPECT_EQ(box.text, QStringLiteral("KTBSPST.INI がみつかりません。新しいゲームを準備できません。"));
    EXPECT_EQ(box.icon, MessageIcon::Critical);
    EXPECT_EQ(sandbox.exit.codes.size(), 1u);
    EXPECT_EQ(sandbox.readFile(QStringLiteral("KTBSP.INI")), saved);
    EXPECT_EQ(filesHere(), QStringList{QStringLiteral("KTBSP.INI")});
}

TEST_F(GameStoreFixture, PrepareNewGameThatCannotSaveKeepsTheStateFileAndEnds)
{
    const QByteArray saved = "[KoTeBu]\r\nGaming=OFF\r\n";
    sandbox.writeFile(QStringLiteral("KTBSP.INI"), saved);
    sandbox.writeFile(QStringLiteral("KTBSPST.INI"), "[KoTeBu]\r\nGaming=ON\r\n");
    ASSERT_TRUE(QDir(sandbox.dir()).mkdir(QStringLiteral("KTBSP.$$$")));
    EXPECT_THROW(PrepareNewGame(state), ProgramEnded);
    ASSERT_EQ(sandbox.boxes.asked.size(), 2u);
    EXPECT_EQ(sandbox.boxes.asked[1].text, QStringLiteral("KTBSP.INI を保存できませんでした"));
    EXPECT_EQ(sandbox.boxes.asked[1].icon, MessageIcon::Critical);
    EXPECT_EQ(sandbox.readFile(QStringLiteral("KTBSP.INI")), saved);
}

} // namespace
