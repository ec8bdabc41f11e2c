#include "Accessible.h"
#include "Ending.h"
#include "Fakes.h"
#include "Form4.h"
#include "Forms.h"
#include "GameState.h"
#include "IniFiles.h"
#include "Ini.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace kotebu;
using test::iniLines;

namespace {

struct EndingWindow : ::testing::Test {
    test::Sandbox sandbox;

    void SetUp() override
    {
        sandbox.writeFile(QStringLiteral("KTBSP.INI"),
                          iniLines({"[KoTeBu]", "Gaming=ON", "Tairyoku=9", "[KoTeBu2]", "Gaming=ON", "Tairyoku=9"}));
        game().CrLf = gameLineBreak();
    }

    static QString label(Form4 &form) { return form.findChild<QLabel *>("Label1")->text(); }
};

struct EndCase {
    const char *name;
    bool secondGame;
    int endingKind;
    const char *caption;
};

struct Endings : EndingWindow, ::testing::WithParamInterface<EndCase> {};

TEST_P(Endings, MarkOnlyThisGameFinishedAsTheWindowLoads)
{
    const EndCase &c = GetParam();
    game().SecondGame = c.secondGame ? True : False;
    game().EndingKind = static_cast<Int16>(c.endingKind);
    game().Stamina = 30;
    Form4 form;

    // Before any button: a program killed now still starts a new game.
    const QString mine = c.secondGame ? "KoTeBu2" : "KoTeBu";
    const QString other = c.secondGame ? "KoTeBu" : "KoTeBu2";
    EXPECT_EQ(ReadIni("KTBSP", mine, "Gaming"), QStringLiteral("OFF"));
    EXPECT_EQ(ReadIni("KTBSP", mine, "Tairyoku"), QStringLiteral("9")) << "the heroine is not saved";
    EXPECT_EQ(ReadIni("KTBSP", other, "Gaming"), QStringLiteral("ON"));

    EXPECT_EQ(form.windowTitle(), QString::fromUtf8(c.caption));
    EXPECT_EQ(label(form), displayText(Ending(game()).text));
    EXPECT_FALSE(label(form).contains(QLatin1Char('\r')));
    EXPECT_EQ(label(form).contains(QStringLiteral("得点は120点でした。")), c.endingKind == 1);
    EXPECT_EQ(label(form).endsWith(QStringLiteral("\n残念でした。もう一度挑戦してください！")), c.endingKind != 1);
    EXPECT_TRUE(sandbox.exit.codes.empty());

    // Heard whole as it opens, the score included, without a key; Tab
    // reaches the text to hear it again before "完" ends the program.
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    auto *spoken = form.findChild<SpokenNote *>("SpokenNote");
    for (int look = 0; look < 250 && spoken->lastSaid().isEmpty(); ++look)
        QTest::qWait(20);
    EXPECT_EQ(spoken->lastSaid(), label(form).simplified());
    ASSERT_EQ(form.focusWidget(), form.findChild<QPushButton *>("Command1")) << "it opens on 完";
    QTest::keyClick(form.focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(form.focusWidget(), form.findChild<QLabel *>("Label1"));
}

INSTANTIATE_TEST_SUITE_P(, Endings,
    ::testing::Values(
        EndCase{"FirstGameVictory", false, 1, "ＫｏＴｅＢｕ　おわり"},
        EndCase{"FirstGameDefeat", false, 2, "ＫｏＴｅＢｕ　おわり"},
        EndCase{"SecondGameVictory", true, 1, "KoTeBu2 ハルーネン物語 おわり"},
        EndCase{"SecondGameDefeat", true, 2, "KoTeBu2 ハルーネン物語 おわり"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(EndingWindow, FinishButtonEndsTheProgramClickedOrByReturn)
{
    game().EndingKind = 1;
    Form4 form;
    form.show();
    // Escape would close it as the frame does, leaving a game window with no
    // game behind it: there is no Cancel here for it to stand for.
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EXIT(
        {
            sandbox.exitForReal();
            QTest::mouseClick(form.findChild<QPushButton *>("Command1"), Qt::LeftButton);
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EXIT(
        {
            sandbox.exitForReal();
            QTest::keyClick(&form, Qt::Key_Return);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(EndingWindow, ClosingByTheFrameReturnsFromExec)
{
    game().EndingKind = 2;
    Form4 form;
    QTimer::singleShot(50, &form, [&] { form.close(); });
    QTimer failsafe;
    failsafe.setSingleShot(true);
    QObject::connect(&failsafe, &QTimer::timeout, &form, [&] { form.done(99); });
    failsafe.start(5000);
    EXPECT_EQ(form.exec(), QDialog::Rejected);
    EXPECT_TRUE(sandbox.exit.codes.empty());
}

} // namespace
