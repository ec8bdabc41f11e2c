#include "Fakes.h"
#include "Form2.h"
#include "GameState.h"
#include "IniFiles.h"
#include "Ini.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

using namespace kotebu;
using test::iniLines;

namespace {

struct Stored {
    QString timeOfDay = QStringLiteral("5000");
    QString iconic = QStringLiteral("OFF");
    QString demoSkip = QStringLiteral("OFF");
};

struct SettingsDialog : ::testing::Test {
    test::Sandbox sandbox;

    // The selected game's section holds `stored`; the other game's section
    // holds values no test expects, so a write to the wrong section shows.
    void store(const Stored &stored, bool secondGame = false)
    {
        game().SecondGame = secondGame ? True : False;
        const QStringList mine{"TimeOfDay=" + stored.timeOfDay, "ICONIC=" + stored.iconic, "DemoSkip=" + stored.demoSkip};
        const QStringList other{"TimeOfDay=7000", "ICONIC=other", "DemoSkip=other"};
        sandbox.writeFile(QStringLiteral("KTBSP.INI"),
                          iniLines(QStringList{"[KoTeBu]", "Gaming=ON"} + (secondGame ? other : mine)
                                   + QStringList{"[KoTeBu2]", "Gaming=ON"} + (secondGame ? mine : other)));
    }

    std::optional<QString> saved(const char *key) const { return ReadIni("KTBSP", game().SecondGame ? "KoTeBu2" : "KoTeBu", key); }

    static QLineEdit *text(Form2 &form) { return form.findChild<QLineEdit *>("Text1"); }
    static QScrollBar *bar(Form2 &form) { return form.findChild<QScrollBar *>("HScroll1"); }
    static QCheckBox *check(Form2 &form, const char *name) { return form.findChild<QCheckBox *>(name); }
    static void clickOk(Form2 &form) { form.findChild<QPushButton *>("Command1")->click(); }
};

struct LoadCase {
    const char *name;
    const char *timeOfDay;
    int bar;
};

struct DayLengthLoads : SettingsDialog, ::testing::WithParamInterface<LoadCase> {};

TEST_P(DayLengthLoads, AsWholeSecondsTheBarCanShow)
{
    store({.timeOfDay = GetParam().timeOfDay});
    Form2 form;
    EXPECT_EQ(bar(form)->value(), GetParam().bar);
    EXPECT_EQ(text(form)->text(), QString::number(GetParam().bar)) << "text and bar agree";
}

INSTANTIATE_TEST_SUITE_P(, DayLengthLoads,
    ::testing::Values(
        LoadCase{"FiveSeconds", "5000", 5},
        LoadCase{"FractionCutDown", "2500", 2},
        LoadCase{"JustUnderThree", "2999", 2},
        LoadCase{"Longest", "60000", 60},
        LoadCase{"Shortest", "1000", 1},
        // "1.5" is cut to 1 while the bar already shows 1, so the text stays
        // and the bar then takes it rounded to the nearest, halves to even.
        LoadCase{"HalfRoundsToEven", "1500", 2},
        LoadCase{"FractionalMillis", "4000.9", 4},
        // Values the bar cannot show are held inside its range.
        LoadCase{"Missing", "", 1},
        LoadCase{"UnderASecond", "500", 1},
        LoadCase{"TooLong", "75000", 60},
        LoadCase{"Negative", "-3000", 1},
        LoadCase{"NotANumber", "abc", 1},
        LoadCase{"Huge", "99999999999999999999", 60}),
    [](const auto &info) { return std::string(info.param.name); });

struct TypeCase {
    const char *name;
    int barBefore;
    const char *typed;
    int barAfter;
    const char *textAfter;
};

struct DayLengthTyped : SettingsDialog, ::testing::WithParamInterface<TypeCase> {};

TEST_P(DayLengthTyped, MovesTheBarOrIsIgnored)
{
    const TypeCase &c = GetParam();
    store({.timeOfDay = QString::number(c.barBefore * 1000)});
    Form2 form;
    ASSERT_EQ(bar(form)->value(), c.barBefore);
    text(form)->setText(QString::fromUtf8(c.typed));
    EXPECT_EQ(bar(form)->value(), c.barAfter);
    EXPECT_EQ(text(form)->text(), QString::fromUtf8(c.textAfter));
}

INSTANTIATE_TEST_SUITE_P(, DayLengthTyped,
    ::testing::Values(
        TypeCase{"Number", 10, "25", 25, "25"},
        TypeCase{"FractionCutDown", 10, "7.9", 7, "7"},
        TypeCase{"LeadingNumberOnly", 10, " 12 s", 12, "12"},
        TypeCase{"Sixty", 10, "60", 60, "60"},
        TypeCase{"ZeroMeansOne", 10, "0", 1, "1"},
        TypeCase{"NoNumberMeansOne", 10, "abc", 1, "1"},
        TypeCase{"EmptiedMeansOne", 10, "", 1, "1"},
        TypeCase{"ZeroWhileAtOneStaysAsTyped", 1, "0", 1, "0"},
        TypeCase{"EmptiedWhileAtOneStaysEmpty", 1, "", 1, ""},
        TypeCase{"AboveSixtyIgnored", 10, "61", 10, "61"},
        TypeCase{"NegativeIgnored", 10, "-3", 10, "-3"},
        TypeCase{"SmallNegativeIgnored", 10, "-0.5", 10, "-0.5"},
        TypeCase{"TooLargeIgnored", 10, "99999", 10, "99999"},
        TypeCase{"ExponentCounts", 10, "3e1", 30, "30"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(SettingsDialog, OkSavesTheBarNotAnIgnoredText)
{
    store({.timeOfDay = "12000"});
    Form2 form;
    text(form)->setText("61");
    clickOk(form);
    EXPECT_EQ(saved("TimeOfDay"), QStringLiteral("12000"));
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

TEST_F(SettingsDialog, EveryBarValueSavesItsMilliseconds)
{
    store({});
    for (int seconds = 1; seconds <= 60; ++seconds) {
        Form2 form;
        bar(form)->setValue(seconds);
        EXPECT_EQ(text(form)->text(), QString::number(seconds));
        clickOk(form);
        EXPECT_EQ(saved("TimeOfDay"), QString::number(seconds * 1000)) << seconds;
    }
}

struct SwitchCase {
    const char *name;
    bool secondGame;
    const char *iconic;
    const char *demoSkip;
    bool check1;
    bool check2;
};

struct Switches : SettingsDialog, ::testing::WithParamInterface<SwitchCase> {};

TEST_P(Switches, LoadExactlyOnAndSaveBack)
{
    const SwitchCase &c = GetParam();
    store({.iconic = c.iconic, .demoSkip = c.demoSkip}, c.secondGame);
    Form2 form;
    EXPECT_EQ(check(form, "Check1")->isChecked(), c.check1);
    EXPECT_EQ(check(form, "Check2")->isChecked(), c.check2);
    EXPECT_EQ(check(form, "Check2")->isEnabled(), c.secondGame) << "only the second game has a story";

    clickOk(form);
    EXPECT_EQ(saved("ICONIC"), QString(c.check1 ? "ON" : "OFF"));
    EXPECT_EQ(saved("DemoSkip"), QString(c.check2 ? "ON" : "OFF"));
    EXPECT_EQ(saved("TimeOfDay"), QStringLiteral("5000"));
    // The other game's settings are left alone.
    game().SecondGame = c.secondGame ? False : True;
    EXPECT_EQ(saved("ICONIC"), QStringLiteral("other"));
    EXPECT_EQ(saved("TimeOfDay"), QStringLiteral("7000"));
}

INSTANTIATE_TEST_SUITE_P(, Switches,
    ::testing::Values(
        SwitchCase{"BothOn", true, "ON", "ON", true, true},
        SwitchCase{"BothOff", true, "OFF", "OFF", false, false},
        SwitchCase{"LowerCaseIsNotOn", true, "on", "On", false, false},
        SwitchCase{"EmptyIsNotOn", true, "", "", false, false},
        SwitchCase{"BlankAfterIsNotOn", true, "ON ", "OFF", false, false},
        SwitchCase{"FirstGameKeepsDemoSkip", false, "OFF", "ON", false, true},
        SwitchCase{"FirstGameIconic", false, "ON", "OFF", true, false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(SettingsDialog, CancelWritesNothingAfterChanges)
{
    // ｷｬﾝｾﾙ clicked, Escape anywhere, or Return on ｷｬﾝｾﾙ once Tab has reached it.
    const std::function<void(Form2 &)> cancels[] = {
        [](Form2 &form) { QTest::mouseClick(form.findChild<QPushButton *>("Command2"), Qt::LeftButton); },
        [](Form2 &form) { QTest::keyClick(text(form), Qt::Key_Escape); },
        [](Form2 &form) {
            auto *cancel = form.findChild<QPushButton *>("Command2");
            cancel->setFocus(Qt::TabFocusReason);
            QTest::keyClick(cancel, Qt::Key_Return);
        },
    };
    store({}, true);
    const QByteArray before = sandbox.readFile(QStringLiteral("KTBSP.INI"));
    for (const auto &cancel : cancels) {
        Form2 form;
        form.show();
        bar(form)->setValue(42);
        QTest::mouseClick(check(form, "Check1"), Qt::LeftButton);
        ASSERT_TRUE(check(form, "Check1")->isChecked());
        cancel(form);
        EXPECT_EQ(form.result(), QDialog::Rejected);
        EXPECT_FALSE(form.isVisible());
        EXPECT_EQ(sandbox.readFile(QStringLiteral("KTBSP.INI")), before);
    }
}

TEST_F(SettingsDialog, TypingIntoTheRealBoxAndPressingReturn)
{
    store({.timeOfDay = "8000"}, true);
    Form2 form;
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QLineEdit *box = text(form);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, "45");
    EXPECT_EQ(bar(form)->value(), 45);
    bar(form)->setFocus(); // keys go to the focused control
    QTest::keyClick(bar(form), Qt::Key_Right); // one arrow step
    EXPECT_EQ(box->text(), QStringLiteral("46"));
    QTest::keyClick(bar(form), Qt::Key_Return); // ＯＫ is the dialog's default
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(saved("TimeOfDay"), QStringLiteral("46000"));
}

} // namespace
