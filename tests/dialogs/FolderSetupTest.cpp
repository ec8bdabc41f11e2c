#include "Accessible.h"
#include "FileNames.h"
#include "Fakes.h"
#include "Form9.h"
#include "IniFiles.h"
#include "Ini.h"

#include <QAccessible>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

using namespace kotebu;
using test::iniLines;

namespace {

const QString sep = folderSeparator();

struct FolderSetup : ::testing::Test {
    test::Sandbox sandbox;

    // Both files with a "Pack" section naming the two folders as given.
    void writeSettings(const QString &first, const QString &second, bool templateHasPack = true)
    {
        sandbox.writeFile(QStringLiteral("KTBSP.INI"),
                          iniLines({"[KoTeBu]", "Gaming=ON", "[Pack]", "KoTeBuPath=" + first, "KoTeBu2Path=" + second}));
        sandbox.writeFile(QStringLiteral("KTBSPST.INI"),
                          iniLines({"[KoTeBu]", "Gaming=NEW", templateHasPack ? "[Pack]" : "[Other]",
                                    "KoTeBuPath=", "KoTeBu2Path="}));
    }

    // A folder in the sandbox holding the named empty files; returns its path
    // without the trailing separator.
    QString folder(const QString &name, const QStringList &files = {}) const
    {
        const QString path = sandbox.dir() + sep + name;
        QDir().mkpath(path);
        for (const QString &file : files)
            sandbox.writeFile(name + sep + file, {});
        return path;
    }

    static QLineEdit *text(Form9 &form, const char *name) { return form.findChild<QLineEdit *>(name); }
    static QPushButton *button(Form9 &form, const char *name) { return form.findChild<QPushButton *>(name); }
    // "Start!" may be pressed: it stays in reach of the keys either way.
    static bool startAvailable(Form9 &form) { return form.findChild<ReachableButton *>("Command2")->isAvailable(); }
};

struct MarkerCase {
    const char *name;
    QStringList firstFiles;
    QStringList secondFiles;
    bool startEnabled;
};

struct FolderMarkers : FolderSetup, ::testing::WithParamInterface<MarkerCase> {};

TEST_P(FolderMarkers, StartFollowsTheBossPictures)
{
    const MarkerCase &c = GetParam();
    // Stored without the separator: the window shows them completed.
    const QString first = folder(QStringLiteral("one"), c.firstFiles);
    const QString second = folder(QStringLiteral("two"), c.secondFiles);
    writeSettings(first, second);

    Form9 form;
    EXPECT_EQ(text(form, "Text1")->text(), first + sep);
    EXPECT_EQ(text(form, "Text2")->text(), second + sep);
    EXPECT_EQ(startAvailable(form), c.startEnabled);

    form.show();
    QPushButton *start = button(form, "Command2");
    if (!c.startEnabled) {
        // Tab reaches "Start!" all the same, and a screen reader hears it
        // greyed; a click, Space or Return on it does nothing.
        button(form, "Command1")->setFocus();
        QTest::keyClick(&form, Qt::Key_Tab);
        EXPECT_EQ(form.focusWidget(), start);
        EXPECT_TRUE(QAccessible::queryAccessibleInterface(start)->state().disabled);
        QTest::mouseClick(start, Qt::LeftButton);
        QTest::keyClick(start, Qt::Key_Space);
        QTest::keyClick(start, Qt::Key_Return);
        EXPECT_TRUE(form.isVisible());
    }
    // Return in a folder box presses "Start!" when it may be pressed.
    QTest::keyClick(text(form, "Text2"), Qt::Key_Return);
    EXPECT_EQ(form.isVisible(), !c.startEnabled);
    EXPECT_EQ(form.result(), c.startEnabled ? QDialog::Accepted : QDialog::Rejected);
}

INSTANTIATE_TEST_SUITE_P(, FolderMarkers,
    ::testing::Values(
        MarkerCase{"BothBosses", {"Manepu.KB2"}, {"Haga.KB2"}, true},
        MarkerCase{"FirstInOtherCase", {"MANEPU.kb2"}, {"Haga.KB2"}, true},
        MarkerCase{"SecondInOtherCase", {"Manepu.KB2"}, {"haga.kb2"}, true},
        MarkerCase{"NoBosses", {"Other.KB2"}, {}, false},
        MarkerCase{"OnlyTheFirst", {"Manepu.KB2"}, {}, false},
        MarkerCase{"BossesSwapped", {"Haga.KB2"}, {"Manepu.KB2"}, false},
        MarkerCase{"NameOnlyBegins", {"Manepu.KB2.bak"}, {"Haga.KB2"}, false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(FolderSetup, EveryChangeIsCompletedWithTheSeparator)
{
    writeSettings(QString(), QString());
    Form9 form;
    QLineEdit *box = text(form, "Text1");
    const struct {
        QString typed, shown;
    } rows[] = {
        {"abc", "abc" + sep},
        {"abc" + sep, "abc" + sep},
        {"a" + sep + "b", "a" + sep + "b" + sep},
        {sep + sep, sep + sep},
        {"x", "x" + sep},
        {"", sep}, // an emptied box becomes the root folder
    };
    for (const auto &row : rows) {
        box->setText(row.typed);
        EXPECT_EQ(box->text(), row.shown) << row.typed.toStdString();
    }
}

TEST_F(FolderSetup, TypingKeepsTheCursorBeforeTheAddedSeparator)
{
    const QString first = folder(QStringLiteral("pics"), {"manepu.KB2"});
    writeSettings(QString(), folder(QStringLiteral("two"), {"Haga.KB2"}) + sep);
    Form9 form;
    form.show();
    QLineEdit *box = text(form, "Text1");
    box->setFocus();
    ASSERT_EQ(box->text(), sep) << "the empty stored folder was completed as the window loaded";
    box->setCursorPosition(0);
    // Every character typed lands in front of the separator added after the
    // first keystroke, so the folder name comes out as typed.
    QTest::keyClicks(box, first);
    EXPECT_EQ(box->text(), first + sep);
    EXPECT_EQ(box->cursorPosition(), first.size());
    EXPECT_TRUE(startAvailable(form));
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_FALSE(startAvailable(form));
}

TEST_F(FolderSetup, MissingKeysLoadAsEmptyTexts)
{
    sandbox.writeFile(QStringLiteral("KTBSP.INI"), iniLines({"[Pack]", "Other=1"}));
    Form9 form;
    EXPECT_EQ(text(form, "Text1")->text(), QString());
    EXPECT_EQ(text(form, "Text2")->text(), QString());
    EXPECT_FALSE(startAvailable(form));
}

TEST_F(FolderSetup, StartWritesBothFoldersIntoBothFiles)
{
    const QString first = folder(QStringLiteral("one"), {"Manepu.KB2"});
    const QString second = folder(QStringLiteral("two"), {"Haga.KB2"});
    writeSettings(first, second);
    Form9 form;
    form.show();
    QTest::mouseClick(button(form, "Command2"), Qt::LeftButton);

    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_FALSE(form.isVisible());
    for (const char *base : {"KTBSP", "KTBSPST"}) {
        EXPECT_EQ(ReadIni(base, "Pack", "KoTeBuPath"), first + sep) << base;
        EXPECT_EQ(ReadIni(base, "Pack", "KoTeBu2Path"), second + sep) << base;
    }
    EXPECT_EQ(ReadIni("KTBSPST", "KoTeBu", "Gaming"), QStringLiteral("NEW")) << "the rest of the template stays";
    EXPECT_TRUE(sandbox.exit.codes.empty());
}

TEST_F(FolderSetup, TemplateWithoutPackEndsAfterTheStateFileWasWritten)
{
    const QString first = folder(QStringLiteral("one"), {"Manepu.KB2"});
    const QString second = folder(QStringLiteral("two"), {"Haga.KB2"});
    writeSettings(first, second, false);
    const QByteArray templateBefore = sandbox.readFile(QStringLiteral("KTBSPST.INI"));
    Form9 form;
    form.show();

    // The child's files are this sandbox's: only the one box is asked.
    EXPECT_EXIT(
        {
            sandbox.exitForReal();
            QTest::mouseClick(button(form, "Command2"), Qt::LeftButton);
        },
        ::testing::ExitedWithCode(0), "^asked: セクション名Packエラー\n$");
    EXPECT_EQ(ReadIni("KTBSP", "Pack", "KoTeBuPath"), first + sep);
    EXPECT_EQ(ReadIni("KTBSP", "Pack", "KoTeBu2Path"), second + sep);
    EXPECT_EQ(sandbox.readFile(QStringLiteral("KTBSPST.INI")), templateBefore);
}

TEST_F(FolderSetup, CancelEndsTheProgramWritingNothing)
{
    writeSettings(folder(QStringLiteral("one"), {"Manepu.KB2"}), folder(QStringLiteral("two")));
    const QByteArray before = sandbox.readFile(QStringLiteral("KTBSP.INI"));
    const QByteArray templateBefore = sandbox.readFile(QStringLiteral("KTBSPST.INI"));
    Form9 form;
    text(form, "Text2")->setText(folder(QStringLiteral("three"), {"Haga.KB2"}));
    form.show();

    EXPECT_EXIT(
        {
            sandbox.exitForReal();
            QTest::mouseClick(button(form, "Command1"), Qt::LeftButton);
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(sandbox.readFile(QStringLiteral("KTBSP.INI")), before);
    EXPECT_EQ(sandbox.readFile(QStringLiteral("KTBSPST.INI")), templateBefore);
}

TEST_F(FolderSetup, CloseBoxReturnsWithoutWriting)
{
    writeSettings(folder(QStringLiteral("one"), {"Manepu.KB2"}), folder(QStringLiteral("two"), {"Haga.KB2"}));
    const QByteArray before = sandbox.readFile(QStringLiteral("KTBSP.INI"));
    Form9 form;
    text(form, "Text1")->setText(folder(QStringLiteral("elsewhere")));
    form.show();
    form.close();

    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_TRUE(sandbox.exit.codes.empty());
    EXPECT_EQ(sandbox.readFile(QStringLiteral("KTBSP.INI")), before);
}

TEST_F(FolderSetup, StateFileWithoutPackEndsAsTheWindowLoads)
{
    sandbox.writeFile(QStringLiteral("KTBSP.INI"), iniLines({"[KoTeBu]", "Gaming=ON"}));
    EXPECT_THROW(Form9 form, ProgramEnded);
    ASSERT_EQ(sandbox.boxes.asked.size(), 1u);
    EXPECT_EQ(sandbox.boxes.asked.front().text, QStringLiteral("セクション名Packエラー"));
}

TEST_F(FolderSetup, AwkwardFolderNamesSurviveTheRoundTrip)
{
    const QString awkward = QStringLiteral("My Pictures, \"KoTeBu\" 画像　フォルダ");
    const QString first = folder(awkward, {"Manepu.KB2"});
    const QString second = folder(QStringLiteral(" two, \"quoted\"=x "), {"Haga.KB2"});
    writeSettings(QString(), QString());
    {
        Form9 form;
        text(form, "Text1")->setText(first);
        text(form, "Text2")->setText(second);
        ASSERT_TRUE(startAvailable(form));
        button(form, "Command2")->click();
    }
    for (const char *base : {"KTBSP", "KTBSPST"}) {
        EXPECT_EQ(ReadIni(base, "Pack", "KoTeBuPath"), first + sep) << base;
        EXPECT_EQ(ReadIni(base, "Pack", "KoTeBu2Path"), second + sep) << base;
    }
    // The next start finds the same folders and lets the player go on.
    Form9 again;
    EXPECT_EQ(text(again, "Text1")->text(), first + sep);
    EXPECT_EQ(text(again, "Text2")->text(), second + sep);
    EXPECT_TRUE(startAvailable(again));
}

// Texts no folder can be named by must be checked quickly and turned down.
TEST_F(FolderSetup, HopelessFolderTextsNeitherHangNorPass)
{
    writeSettings(QString(), folder(QStringLiteral("two"), {"Haga.KB2"}));
    Form9 form;
    QLineEdit *box = text(form, "Text1");
    const QString hopeless[] = {
        QString(10000, QLatin1Char('a')),
        QString(10000, QLatin1Char('/')),
        QStringLiteral("/dev/null"),
        QStringLiteral("/dev/"),
        QStringLiteral("/proc/self/"),
        QStringLiteral("/nonexistent/\u0001\u007f/"),
    };
    for (const QString &typed : hopeless) {
        box->setText(typed);
        EXPECT_TRUE(box->text().endsWith(sep));
        EXPECT_TRUE(box->text().startsWith(typed.left(100)));
        EXPECT_FALSE(startAvailable(form)) << typed.left(20).toStdString();
    }
}

TEST_F(FolderSetup, CrowdedFolderIsCheckedPerKeystroke)
{
    const QString crowded = folder(QStringLiteral("crowded"));
    for (int i = 0; i < 10000; ++i)
        sandbox.writeFile(QStringLiteral("crowded/m%1.KB2").arg(i), {});
    sandbox.writeFile(QStringLiteral("crowded/hAgA.kB2"), {});
    writeSettings(QString(), crowded + sep);
    Form9 form;
    // No first boss: the whole folder is walked (bench/folder_check times it).
    text(form, "Text1")->setText(crowded);
    EXPECT_FALSE(startAvailable(form));
    sandbox.writeFile(QStringLiteral("crowded/manepu.KB2"), {});
    form.CkFd();
    EXPECT_TRUE(startAvailable(form));
}

// The window remembers the last answer for a folder left alone for a while;
// a boss picture put there afterwards must still be seen.
TEST_F(FolderSetup, PictureAddedToASettledFolderIsSeen)
{
    const QString first = folder(QStringLiteral("one"));
    writeSettings(first + sep, folder(QStringLiteral("two"), {"Haga.KB2"}) + sep);
    const auto settle = [](const QString &path) {
        std::filesystem::last_write_time(path.toStdString(),
                                         std::filesystem::file_time_type::clock::now() - std::chrono::minutes(5));
    };
    settle(first);
    Form9 form;
    EXPECT_FALSE(startAvailable(form));
    form.CkFd();
    EXPECT_FALSE(startAvailable(form));

    sandbox.writeFile(QStringLiteral("one/MANEPU.KB2"), {});
    form.CkFd();
    EXPECT_TRUE(startAvailable(form));
}

} // namespace
