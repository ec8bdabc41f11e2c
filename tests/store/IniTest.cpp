#include "Fakes.h"
#include "Ini.h"
#include "IniFixture.h"
#include "Platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>


using namespace kotebu;

namespace {

// ---- reading --------------------------------------------------------------

struct ReadCase {
    const char *name;
    QByteArray file;
    const char *section;
    const char *key;
    std::optional<QString> expected;
};

struct IniRead : IniFixture, ::testing::WithParamInterface<ReadCase> {};

TEST_P(IniRead, FindsTheValue)
{
    const ReadCase &c = GetParam();
    sandbox.writeFile(QStringLiteral("KTBSP.INI"), c.file);
    const std::optional<QString> value = ReadIni(QStringLiteral("KTBSP"), QString::fromUtf8(c.section), QString::fromUtf8(c.key));
    EXPECT_EQ(value, c.expected);
    EXPECT_TRUE(sandbox.boxes.asked.empty());
}

std::optional<QString> text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

const ReadCase readCases[] = {
    {"HeaderInOtherCase", "[kotebu]\r\nJoho=3\r\n", "KoTeBu", "Joho", text("3")},
    {"HeaderWithBlanksInFront", " \t [KoTeBu]\r\nJoho=3\r\n", "KoTeBu", "Joho", text("3")},
    {"KeyInOtherCase", "[KoTeBu]\r\nJOHO=4\r\n", "KoTeBu", "joho", text("4")},
    {"KeyLineWithBlanksInFront", "[KoTeBu]\r\n\t  Joho=5\r\n", "KoTeBu", "Joho", text("5")},
    {"BlankBeforeEqualsIsAnotherKey", "[KoTeBu]\r\nJoho =5\r\n", "KoTeBu", "Joho", std::nullopt},
    {"BlankAfterEqualsBelongsToTheValue", "[KoTeBu]\r\nJoho= 5 \r\n", "KoTeBu", "Joho", text(" 5 ")},
    {"ValueHoldingEquals", "[Pack]\r\nKoTeBuPath=a=b=c\r\n", "Pack", "KoTeBuPath", text("a=b=c")},
    {"EmptyValueIsNotMissing", "[KoTeBu]\r\nJoho=\r\n", "KoTeBu", "Joho", text("")},
    {"MissingKey", "[KoTeBu]\r\nAijo=1\r\n", "KoTeBu", "Joho", std::nullopt},
    {"KeyBeforeTheHeaderIsNotSeen", "Joho=1\r\n[KoTeBu]\r\nAijo=2\r\n", "KoTeBu", "Joho", std::nullopt},
    {"KeyOfAnEarlierSectionIsNotSeen", "[KoTeBu]\r\nJoho=1\r\n[KoTeBu2]\r\nJoho=2\r\n", "KoTeBu2", "Joho", text("2")},
    {"SearchRunsOnIntoLaterSections", "[KoTeBu]\r\nAijo=1\r\n[KoTeBu2]\r\nJoho=7\r\n", "KoTeBu", "Joho", text("7")},
    {"FirstOfTwoKeysWins", "[KoTeBu]\r\nJoho=1\r\nJoho=2\r\n", "KoTeBu", "Joho", text("1")},
    {"CommasAndQuotesComeBackWhole", "[Pack]\r\nKoTeBuPath=C:\\My,Pictures \"x\"\\\r\n", "Pack", "KoTeBuPath",
     text("C:\\My,Pictures \"x\"\\")},
    {"LineStartingWithQuoteIsWhole", "[KoTeBu]\r\n\"Joho\"=1\r\nJoho=2\r\n", "KoTeBu", "Joho", text("2")},
    {"LinesEndingInLf", "[KoTeBu]\nAijo=1\nJoho=2\n", "KoTeBu", "Joho", text("2")},
    {"LinesEndingInCr", "[KoTeBu]\rAijo=1\rJoho=2\r", "KoTeBu", "Joho", text("2")},
    {"LastLineWithoutEnding", "[KoTeBu]\r\nJoho=9", "KoTeBu", "Joho", text("9")},
    {"ByteOrderMarkBeforeTheFirstHeader", "\xEF\xBB\xBF[Pack]\r\nKoTeBuPath=p\r\n", "Pack", "KoTeBuPath", text("p")},
    {"JapaneseValue", "[KoTeBu]\r\nName=ことぶ\r\n", "KoTeBu", "Name", text("ことぶ")},
    {"InvalidBytesElsewhereDoNoHarm", "[KoTeBu]\r\n\xFF\xFE=\x80\r\nJoho=3\r\n", "KoTeBu", "Joho", text("3")},
    // Only the file's own mark, before its first line, is no text.
    {"ByteOrderMarkInAValueIsKept", "[KoTeBu]\r\nName=\xEF\xBB\xBFx\r\n", "KoTeBu", "Name", QStringLiteral("\uFEFFx")},
    {"InvalidBytesInTheValueReadAsReplacement", "[KoTeBu]\r\nJoho=a\xFF" "b\r\n", "KoTeBu", "Joho",
     text("a\xEF\xBF\xBD" "b")},
    // The original on Japanese Windows wrote its folders in code page 932:
    // "C:\ゲーム\KoTeBu\", beside a line this game wrote in UTF-8.
    {"FolderWrittenByTheOriginalOnJapaneseWindows",
     "[Pack]\r\nKoTeBu2Path=D:\\\xE3\x81\x93\\\r\nKoTeBuPath=C:\\\x83\x51\x81\x5B\x83\x80\\KoTeBu\\\r\n", "Pack",
     "KoTeBuPath", text("C:\\ゲーム\\KoTeBu\\")},
};

INSTANTIATE_TEST_SUITE_P(Cases, IniRead, ::testing::ValuesIn(readCases),
                         [](const auto &info) { return std::string(info.param.name); });

// ---- missing sections: both operations end the program ----------------------

struct SectionCase {
    const char *name;
    QByteArray file;
};

struct IniMissingSection : IniFixture, ::testing::WithParamInterface<SectionCase> {};

TEST_P(IniMissingSection, ReadEndsTheProgram)
{
    sandbox.writeFile(QStringLiteral("KTBSP.INI"), GetParam().file);
    EXPECT_THROW(ReadIni(QStringLiteral("KTBSP"), QStringLiteral("KoTeBu"), QStringLiteral("Joho")), ProgramEnded);
    expectOneBox(QStringLiteral("セクション名KoTeBuエラー"), MessageIcon::Critical);
}

TEST_P(IniMissingSection, WriteEndsTheProgramAndLeavesTheFile)
{
    sandbox.writeFile(QStringLiteral("KTBSP.INI"), GetParam().file);
    EXPECT_THROW(WriteIni(QStringLiteral("KTBSP"), QStringLiteral("KoTeBu"), QStringLiteral("Joho"), 5), ProgramEnded);
    expectOneBox(QStringLiteral("セクション名KoTeBuエラー"), MessageIcon::Critical);
    EXPECT_EQ(sandbox.readFile(QStringLiteral("KTBSP.INI")), GetParam().file);
    EXPECT_EQ(filesHere(), QStringList{QStringLiteral("KTBSP.INI")}) << "no temporary file stays behind";
}

const SectionCase sectionCases[] = {
    {"EmptyFile", ""},
    {"HeaderOnTheLastLine", "[Pack]\r\nA=1\r\n[KoTeBu]\r\n"},
    {"HeaderOnTheLastLineWithoutEnding", "[Pack]\r\nA=1\r\n[KoTeBu]"},
    {"OtherSectionsOnly", "[KoTeBu2]\r\nJoho=1\r\n"},
    {"BlankAfterTheBracket", "[KoTeBu] \r\nJoho=1\r\n"},
    {"BlankInsideTheBrackets", "[ KoTeBu]\r\nJoho=1\r\n"},
    {"NameWithoutBrackets", "KoTeBu\r\nJoho=1\r\n"},
};

INSTANTIATE_TEST_SUITE_P(Cases, IniMissingSection, ::testing::ValuesIn(sectionCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(IniFixture, MissingFileEndsReadAndWriteWithTheWarning)
{
    EXPECT_THROW(ReadIni(QStringLiteral("KTBSP"), QStringLiteral("KoTeBu"), QStringLiteral("Joho")), ProgramEnded);
    expectOneBox(QStringLiteral("KTBSP.INI がみつかりません"), MessageIcon::Warning);

    sandbox.boxes.asked.clear();
    sandbox.exit.codes.clear();
    EXPECT_THROW(WriteIni(QStringLiteral("KTBSPST"), QStringLiteral("Pack"), QStringLiteral("A"), 1), ProgramEnded);
    expectOneBox(QStringLiteral("KTBSPST.INI がみつかりません"), MessageIcon::Warning);
    EXPECT_TRUE(filesHere().isEmpty()) << "a write never creates the file";
}

// ---- writing --------------------------------------------------------------

struct WriteCase {
    const char *name;
    QByteArray file;
    const char *section;
    const char *key;
    QString value;
    QByteArray expected;
};

struct IniWrite : IniFixture, ::testing::WithParamInterface<WriteCase> {};

TEST_P(IniWrite, RewritesTheFile)
{
    const WriteCase &c = GetParam();
    sandbox.writeFile(QStringLiteral("KTBSP.INI"), c.file);
    WriteIni(QStringLiteral("KTBSP"), QString::fromUtf8(c.section), QString::fromUtf8(c.key), c.value);
    EXPECT_EQ(sandbox.readFile(QStringLiteral("KTBSP.INI")), c.expected);
    EXPECT_EQ(filesHere(), QStringList{QStringLiteral("KTBSP.INI")});
    EXPECT_TRUE(sandbox.boxes.asked.empty());
}

const WriteCase writeCases[] = {
    {"ReplacesTheValueInPlace", "[Pack]\r\nA=1\r\n[KoTeBu]\r\nJoho=1\r\nAijo=2\r\n", "KoTeBu", "Joho", "5",
     "[Pack]\r\nA=1\r\n[KoTeBu]\r\nJoho=5\r\nAijo=2\r\n"},
    {"KeyAsTheCallerSpellsIt", "[kotebu]\r\n  jOHO=1\r\n", "KoTeBu", "Joho", "5", "[kotebu]\r\nJoho=5\r\n"},
    {"OnlyTheFirstOfTwoKeys", "[KoTeBu]\r\nJoho=1\r\nJoho=2\r\n[KoTeBu2]\r\nJoho=3\r\n", "KoTeBu", "Joho", "9",
     "[KoTeBu]\r\nJoho=9\r\nJoho=2\r\n[KoTeBu2]\r\nJoho=3\r\n"},
    {"KeyOfALaterSectionIsWrittenThere", "[KoTeBu]\r\nAijo=1\r\n[KoTeBu2]\r\nJoho=3\r\n", "KoTeBu", "Joho", "8",
     "[KoTeBu]\r\nAijo=1\r\n[KoTeBu2]\r\nJoho=8\r\n"},
    {"KeyOfAnEarlierSectionIsLeft", "[KoTeBu]\r\nJoho=1\r\n[KoTeBu2]\r\nJoho=3\r\n", "KoTeBu2", "Joho", "8",
     "[KoTeBu]\r\nJoho=1\r\n[KoTeBu2]\r\nJoho=8\r\n"},
    {"BlankBeforeEqualsIsNotReplaced", "[KoTeBu]\r\nJoho =1\r\nJoho=2\r\n", "KoTeBu", "Joho", "7",
     "[KoTeBu]\r\nJoho =1\r\nJoho=7\r\n"},
    {"OtherLinesKeepTheirBytes",
     "  [KoTeBu]\r\n\tnote, \"quoted\"\r\n\xFF\xFE broken \x80\r\n\r\nJoho=1\r\n  Aijo=2\r\n", "KoTeBu", "Joho", "3",
     "  [KoTeBu]\r\n\tnote, \"quoted\"\r\n\xFF\xFE broken \x80\r\n\r\nJoho=3\r\n  Aijo=2\r\n"},
    {"EveryLineEndsInCrLf", "[KoTeBu]\nA=1\rJoho=1\n\nB=2", "KoTeBu", "Joho", "4", "[KoTeBu]\r\nA=1\r\nJoho=4\r\n\r\nB=2\r\n"},
    {"ByteOrderMarkKept", "\xEF\xBB\xBF[KoTeBu]\r\nJoho=1\r\n", "KoTeBu", "Joho", "2", "\xEF\xBB\xBF[KoTeBu]\r\nJoho=2\r\n"},
    // A folder is stored as it is, the very line CommasAndQuotesComeBackWhole
    // reads back whole; the other game's folder beside it stays empty.
    {"FolderWithCommaQuotesAndBackslashes", "[Pack]\r\nKoTeBuPath=\r\nKoTeBu2Path=\r\n", "Pack", "KoTeBuPath",
     R"(C:\My,Pictures "x"\)", "[Pack]\r\nKoTeBuPath=C:\\My,Pictures \"x\"\\\r\nKoTeBu2Path=\r\n"},
    {"LineBreaksInTheValueAreDropped", "[Pack]\r\nKoTeBuPath=x\r\nB=1\r\n", "Pack", "KoTeBuPath", "a\r\n[Pack]\rB=2\n",
     "[Pack]\r\nKoTeBuPath=a[Pack]B=2\r\nB=1\r\n"},
    {"EmptyValue", "[KoTeBu]\r\nJoho=1\r\n", "KoTeBu", "Joho", "", "[KoTeBu]\r\nJoho=\r\n"},
    {"JapaneseValue", "[KoTeBu]\r\nName=x\r\n", "KoTeBu", "Name", "ハルーネン", "[KoTeBu]\r\nName=ハルーネン\r\n"},
    // Nothing to replace: not even the line endings change.
    {"MissingKeyIsNotAdded", "[KoTeBu]\nAijo=1\n", "KoTeBu", "Joho", "1", "[KoTeBu]\nAijo=1\n"},
    // UTF-8 cannot carry a lone surrogate; stored as "?" it would read back
    // as another value. The old one stays.
    {"LoneSurrogateKeepsTheOldValue", "[Pack]\r\nKoTeBuPath=/old/\r\n", "Pack", "KoTeBuPath",
     QString::fromUtf16(u"/new\xD800" u"/"), "[Pack]\r\nKoTeBuPath=/old/\r\n"},
};

INSTANTIATE_TEST_SUITE_P(Cases, IniWrite, ::testing::ValuesIn(writeCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(IniFixture, SeveralKeysAtOnceEndAsSeparateWritesWould)
{
    // Duplicates, a key only in a later section, a missing key, a blank
    // before "=", a key written twice and LF endings: each write must see the
    // file as the one before it left it.
    const QByteArray file = "[Pack]\nA=0\n[KoTeBu]\nB =1\nA=1\nA=2\n[KoTeBu2]\nC=3\nB=4\n";
    const std::vector<std::pair<QString, QString>> values{
        {"a", "x"}, {"B", "y\r\n"}, {"Missing", "z"}, {"C", "w,\"v\""}, {"A", "again"}};

    sandbox.writeFile(QStringLiteral("ktbsp.ini"), file);
    for (const auto &[key, value] : values)
        WriteIni(QStringLiteral("KTBSP"), QStringLiteral("KoTeBu"), key, value);
    const QByteArray oneByOne = sandbox.readFile(QStringLiteral("ktbsp.ini"));

    sandbox.writeFile(QStringLiteral("ktbsp.ini"), file);
    WriteIniKeys(QStringLiteral("KTBSP"), QStringLiteral("KoTeBu"), values);
    EXPECT_EQ(sandbox.readFile(QStringLiteral("ktbsp.ini")), oneByOne);
    EXPECT_EQ(oneByOne, "[Pack]\r\nA=0\r\n[KoTeBu]\r\nB =1\r\nA=again\r\nA=2\r\n[KoTeBu2]\r\nC=w,\"v\"\r\nB=y\r\n");
    EXPECT_EQ(filesHere(), QStringList{QStringLiteral("ktbsp.ini")});
}

TEST_F(IniFixture, SeveralKeysAtOnceWithoutTheSectionEndTheProgram)
{
    const QByteArray file = "[KoTeBu]\r\nA=1\r\n";
    sandbox.writeFile(QStringLiteral("KTBSP.INI"), file);
    EXPECT_THROW(WriteIniKeys(QStringLiteral("KTBSP"), QStringLiteral("KoTeBu2"), {{"A", "2"}}), ProgramEnded);
    expectOneBox(QStringLiteral("セクション名KoTeBu2エラー"), MessageIcon::Critical);
    EXPECT_EQ(sandbox.readFile(QStringLiteral("KTBSP.INI")), file);
}

// ---- the file's letter case -------------------------------------------------

struct IniSpelling : IniFixture, ::testing::WithParamInterface<const char *> {};

TEST_P(IniSpelling, ReadAndWriteActOnTheFileThatExists)
{
    const QString name = QString::fromLatin1(GetParam());
    sandbox.writeFile(name, "[KoTeBu]\r\nJoho=1\r\n");
    EXPECT_EQ(ReadIni(QStringLiteral("KTBSP"), QStringLiteral("KoTeBu"), QStringLiteral("Joho")), QString("1"));
    WriteIni(QStringLiteral("KTBSP"), QStringLiteral("KoTeBu"), QStringLiteral("Joho"), 2);
    EXPECT_EQ(filesHere(), QStringList{name}) << "no second spelling, no temporary file";
    EXPECT_EQ(sandbox.readFile(name), "[KoTeBu]\r\nJoho=2\r\n");
}

INSTANTIATE_TEST_SUITE_P(Names, IniSpelling, ::testing::Values("KTBSP.INI", "ktbsp.ini", "KTBSP.Ini", "Ktbsp.iNi"));

// ---- failures while saving ---------------------------------------------------

TEST_F(IniFixture, TemporaryFileThatCannotBeMadeIsReportedAndTheFileKept)
{
    const QByteArray original = "[KoTeBu]\r\nJoho=1\r\n";
    sandbox.writeFile(QStringLiteral("KTBSP.INI"), original);
    // A folder in the temporary file's place: it cannot be created.
    ASSERT_TRUE(QDir(sandbox.dir()).mkdir(QStringLiteral("KTBSP.$$$")));

    EXPECT_THROW(WriteIni(QStringLiteral("KTBSP"), QStringLiteral("KoTeBu"), QStringLiteral("Joho"), 2), ProgramEnded);
    expectOneBox(QStringLiteral("KTBSP.INI を保存できませんでした"), MessageIcon::Critical);
    EXPECT_EQ(sandbox.readFile(QStringLiteral("KTBSP.INI")), original);
}

// What else may hold the temporary name (a link to a file outside the game
// folder, a dangling link, a FIFO), for a plain save and a linked one, is a
// seed of the save fuzz target, replayed by every test run.
TEST_F(IniFixture, LeftOverTemporaryFileIsReplacedAndGone)
{
    sandbox.writeFile(QStringLiteral("KTBSP.INI"), "[KoTeBu]\r\nJoho=1\r\n");
    sandbox.writeFile(QStringLiteral("KTBSP.$$$"), "half a file from a crash");
    ASSERT_TRUE(QFile::setPermissions(QStringLiteral("KTBSP.$$$"), QFileDevice::ReadOwner));

    WriteIni(QStringLiteral("KTBSP"), QStringLiteral("KoTeBu"), QStringLiteral("Joho"), 2);
    EXPECT_EQ(sandbox.readFile(QStringLiteral("KTBSP.INI")), "[KoTeBu]\r\nJoho=2\r\n");
    EXPECT_EQ(filesHere(), QStringList{QStringLiteral("KTBSP.INI")});
}

// The Exit save reports a failure to its caller, which offers a retry.
TEST_F(IniFixture, SeveralKeysThatCannotBeSavedSayFalseAndKeepTheFile)
{
    const QByteArray original = "[KoTeBu]\r\nJoho=1\r\n";
    sandbox.writeFile(QStringLiteral("KTBSP.INI"), original);
    ASSERT_TRUE(QDir(sandbox.dir()).mkdir(QStringLiteral("KTBSP.$$$")));
    EXPECT_FALSE(WriteIniKeys(QStringLiteral("KTBSP"), QStringLiteral("KoTeBu"), {{"Joho", "2"}}));
    EXPECT_TRUE(sandbox.boxes.asked.empty());
    EXPECT_TRUE(sandbox.exit.codes.empty());
    EXPECT_EQ(sandbox.readFile(QStringLiteral("KTBSP.INI")), original);
    ASSERT_TRUE(QDir(sandbox.dir()).rmdir(QStringLiteral("KTBSP.$$$")));
    EXPECT_TRUE(WriteIniKeys(QStringLiteral("KTBSP"), QStringLiteral("KoTeBu"), {{"Joho", "2"}}));
    EXPECT_EQ(sandbox.readFile(QStringLiteral("KTBSP.INI")), "[KoTeBu]\r\nJoho=2\r\n");
}

} // namespace
