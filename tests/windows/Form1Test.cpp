#include "Accessible.h"
#include "Fakes.h"
#include "Form1.h"
#include "GameState.h"
#include "Ini.h"
#include "Platform.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QSpontaneKeyEvent>
#include <QStyle>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>
#include <utility>
#include <vector>

using namespace kotebu;

namespace {

struct Form1Fixture : ::testing::Test {
    test::Sandbox sandbox;
    Form1 form;

    template <typename T = QLabel>
    T *control(const char *name) const
    {
        T *found = form.findChild<T *>(QString::fromLatin1(name));
        if (!found)
            ADD_FAILURE() << "no control " << name;
        return found;
    }
    QAction *action(const char *name) const { return control<QAction>(name); }
    // One tick of the day clock, through its own connection.
    void tickDayClock() { test::fireTimeout(form.dayClock()); }
};

} // namespace

TEST_F(Form1Fixture, DayClockKeepsRunningWhenReArmedAtTheSameInterval)
{
    QTimer *timer = form.dayClock();
    form.startDayClock(1000);
    ASSERT_TRUE(timer->isActive());
    QTest::qWait(300);
    const int leftBefore = timer->remainingTime();
    form.startDayClock(1000);
    EXPECT_LE(timer->remainingTime(), leftBefore) << "re-arming restarted the interval";
    form.startDayClock(2000);
    EXPECT_EQ(timer->interval(), 2000);
    EXPECT_GT(timer->remainingTime(), 1000);
}

TEST_F(Form1Fixture, DayClockTimerAdvancesThePhaseByItself)
{
    form.startDayClock(20);
    EXPECT_TRUE(QTest::qWaitFor([] { return game().NextPhase != 0; }, 2000));
    EXPECT_EQ(game().NextPhase, 2);
}

struct PopupCase {
    const char *name;
    Int16 lastPhase;
    Int16 information;
    bool enabled;
};

class PopupMenuTest : public Form1Fixture, public ::testing::WithParamInterface<PopupCase> {};

TEST_P(PopupMenuTest, CharacterStatusIsEnabledOnlyAfterAFightWithFullInformation)
{
    const PopupCase &row = GetParam();
    form.show();
    QLabel *image1 = control("Image1");
    QMenu *popup = control<QMenu>("PoPM");

    // A left release opens nothing.
    QTest::mouseRelease(image1, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_FALSE(popup->isVisible());

    // The state changes between two openings: the entry follows the latest.
    game().LastPhase = row.lastPhase == 3 ? 1 : 3;
    game().Information = row.information == 5 ? 4 : 5;
    QTest::mouseRelease(image1, Qt::RightButton, {}, QPoint(20, 20));
    ASSERT_TRUE(popup->isVisible());
    popup->hide();

    game().LastPhase = row.lastPhase;
    game().Information = row.information;
    QTest::mouseRelease(image1, Qt::RightButton, {}, QPoint(20, 20));
    ASSERT_TRUE(popup->isVisible());
    EXPECT_EQ(action("ChrSt")->isEnabled(), row.enabled);
    EXPECT_EQ(popup->defaultAction(), action("ChrSt"));
    // Opened with its corner at the pointer (the screen is large enough here
    // for Qt to leave it there).
    EXPECT_EQ(popup->pos(), image1->mapToGlobal(QPoint(20, 20)));
    popup->hide();

    // From the keyboard, on the focused picture: the Menu key or Shift+F10
    // opens it over the picture, its default entry ready when it can be chosen.
    image1->setFocus();
    for (const auto &[key, modifiers] : {std::pair{Qt::Key_Menu, Qt::NoModifier}, {Qt::Key_F10, Qt::ShiftModifier}}) {
        QTest::keyClick(image1, key, modifiers);
        ASSERT_TRUE(popup->isVisible()) << key;
        EXPECT_EQ(popup->pos(), image1->mapToGlobal(image1->rect().center()));
        // Current even when it cannot be chosen, so a screen reader names it
        // greyed rather than the menu skipping it.
        EXPECT_EQ(popup->activeAction(), action("ChrSt"));
        popup->hide();
    }
    // Opened by the mouse again, the menu skips what cannot be chosen, as ever.
    QTest::mouseRelease(image1, Qt::RightButton, {}, QPoint(20, 20));
    EXPECT_FALSE(popup->style()->styleHint(QStyle::SH_Menu_AllowActiveAndDisabled, nullptr, popup));
    popup->hide();
}

INSTANTIATE_TEST_SUITE_P(Conditions, PopupMenuTest,
    ::testing::Values(PopupCase{"AfterFightInformation5", 3, 5, true},
                      PopupCase{"AfterFightInformation4", 3, 4, false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(Form1Fixture, PauseIconHoldsTheClockWhileAButtonOrKeyIsDown)
{
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QLabel *image3 = control("Image3");
    std::vector<QString> spoken;
    QObject::connect(control<SpokenNote>("SpokenNote"), &SpokenNote::said,
                     [&](const QString &text) { spoken.push_back(text); });
    QTest::mousePress(image3, Qt::LeftButton);
    EXPECT_EQ(game().Paused, True);
    EXPECT_EQ(image3->frameShape(), QFrame::Box);
    tickDayClock();
    EXPECT_EQ(game().NextPhase, 0);

    QTest::mouseRelease(image3, Qt::LeftButton);
    EXPECT_EQ(game().Paused, False);
    EXPECT_EQ(image3->frameShape(), QFrame::NoFrame);
    // What the frame shows is heard: held, then let go.
    ASSERT_EQ(spoken.size(), 2u);
    EXPECT_NE(spoken[0], spoken[1]);
    tickDayClock();
    EXPECT_EQ(game().NextPhase, 2);

    QTest::mousePress(image3, Qt::RightButton);
    EXPECT_EQ(game().Paused, True);
    QTest::mouseRelease(image3, Qt::RightButton);
    EXPECT_EQ(game().Paused, False);

    // Space held down: the keyboard's repeats come as releases and presses of
    // their own, and none of them lets the clock go.
    image3->setFocus();
    QTest::keyPress(image3, Qt::Key_Space);
    EXPECT_EQ(game().Paused, True);
    EXPECT_EQ(image3->frameShape(), QFrame::Box);
    for (QEvent::Type type : {QEvent::KeyRelease, QEvent::KeyPress, QEvent::KeyRelease, QEvent::KeyPress}) {
        QKeyEvent repeat(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
        QApplication::sendEvent(image3, &repeat);
        EXPECT_EQ(game().Paused, True) << "a repeat let the clock go";
    }
    tickDayClock();
    EXPECT_EQ(game().NextPhase, 2) << "a tick counted while Space was held";
    QTest::keyRelease(image3, Qt::Key_Space);
    EXPECT_EQ(game().Paused, False);
    EXPECT_EQ(image3->frameShape(), QFrame::NoFrame);

    // Return held while the focus goes elsewhere: its release never comes
    // here, so the clock runs again at once.
    QTest::keyPress(image3, Qt::Key_Return);
    EXPECT_EQ(game().Paused, True);
    control("Image1")->setFocus();
    EXPECT_EQ(game().Paused, False);
}

TEST_F(Form1Fixture, SettingsHoldTheClockOnlyWhileOpen)
{
    Int16 pausedInside = False;
    form.openSettings = [&] {
        pausedInside = game().Paused;
        tickDayClock();
    };
    action("ConfigForm")->trigger();
    EXPECT_EQ(pausedInside, True);
    EXPECT_EQ(game().Paused, False);
    EXPECT_EQ(game().PhaseTick, 0) << "a tick during the dialog counted";

    pausedInside = False;
    action("PConfigForm")->trigger();
    EXPECT_EQ(pausedInside, True);
    EXPECT_EQ(game().Paused, False);
}

TEST_F(Form1Fixture, AboutBoxNamesBothGamesOnFourLines)
{
    action("About")->trigger();
    ASSERT_EQ(sandbox.boxes.asked.size(), 1u);
    const MessageRequest &about = sandbox.boxes.asked.front();
    EXPECT_EQ(about.title, "About KoTeBu Special Pack");
    EXPECT_EQ(about.icon, MessageIcon::Information);
    EXPECT_EQ(about.buttons, MessageButtons::Ok);
    const QStringList lines = about.text.split(QStringLiteral("\n\r"));
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], "ＫｏＴｅＢｕ　Ｓｐｅｃｉａｌ　Ｐａｃｋ");
    EXPECT_EQ(lines[1], "・ＫｏＴｅＢｕ～ことぶ～");
    EXPECT_EQ(lines[2], "・ＫｏＴｅＢｕ２～ﾊﾙｰﾈﾝ物語～");
    EXPECT_FALSE(lines[3].isEmpty());
}

TEST_F(Form1Fixture, ExitAnsweredNoKeepsPlayingAndAsksAgain)
{
    game().SecondGame = True;
    game().Love = 3;
    sandbox.boxes.answers = {MessageResult::No, MessageResult::No};
    action("EndGame")->trigger();
    action("PEndGame")->trigger();

    ASSERT_EQ(sandbox.boxes.asked.size(), 2u);
    const MessageRequest &question = sandbox.boxes.asked.front();
    EXPECT_EQ(question.title, "終了確認");
    EXPECT_EQ(question.text, "ハルーネンの今日の冒険を終わります。");
    EXPECT_EQ(question.icon, MessageIcon::Question);
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_EQ(question.defaultButton, MessageResult::Yes);
    EXPECT_TRUE(sandbox.exit.codes.empty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(game().Love, 3);
}

TEST_F(Form1Fixture, ExitAnsweredYesSavesTheSevenValuesAndEnds)
{
    sandbox.writeFile("KTBSP.INI", "[Pack]\r\nTimeOfDay=3000\r\n"
                                   "[KoTeBu]\r\nGaming=ON\r\nKotebuYear=0\r\nKotebuEx=0\r\nTairyoku=0\r\n"
                                   "Chiryoku=0\r\nJoho=0\r\nAijo=0\r\nMiryoku=0\r\nEventFlags=0\r\n"
                                   "[KoTeBu2]\r\nKotebuYear=99\r\n");
    GameState &state = game();
    state.Year = 41;
    state.Experience = -7;
    state.Stamina = 1;
    state.Knowledge = 2;
    state.Information = 3;
    state.Love = 4;
    state.Charm = 5;
    state.EventFlags = 6;

    EXPECT_EXIT(
        {
            sandbox.exitForReal([] {
                const QCursor *cursor = QApplication::overrideCursor();
                std::fprintf(stderr, "wait cursor: %d\n", cursor && cursor->shape() == Qt::WaitCursor);
            });
            action("EndGame")->trigger();
        },
        ::testing::ExitedWithCode(0), "asked: ことぶの今日の冒険を終わります。\n.*wait cursor: 1\n");

    auto read = [](const char *section, const char *key) {
        return ReadIni("KTBSP", section, key).value_or("<missing>");
    };
    const std::pair<const char *, QString> saved[] = {
        {"KotebuYear", "41"}, {"KotebuEx", "-7"}, {"Tairyoku", "1"}, {"Chiryoku", "2"},
        {"Joho", "3"},        {"Aijo", "4"},      {"Miryoku", "5"},
    };
    for (const auto &[key, value] : saved)
        EXPECT_EQ(read("KoTeBu", key), value) << key;
    EXPECT_EQ(read("KoTeBu", "Gaming"), "ON");
    EXPECT_EQ(read("KoTeBu", "EventFlags"), "0") << "only the seven heroine values are saved";
    EXPECT_EQ(read("KoTeBu2", "KotebuYear"), "99") << "the other game was touched";
}

// A save that fails (a full disk, a read-only folder) keeps the day: the
// player may go back to the game, try again once the disk is mended, or end
// without the save, and then the exit status says it was not saved.
TEST_F(Form1Fixture, ExitThatCannotSaveOffersRetryBackAndEndUnsaved)
{
    const QByteArray file = "[KoTeBu]\r\nKotebuYear=0\r\n";
    sandbox.writeFile("KTBSP.INI", file);
    ASSERT_TRUE(QDir(sandbox.dir()).mkdir("KTBSP.$$$")); // the save cannot be made
    game().Year = 7;

    sandbox.boxes.answers = {MessageResult::Yes, MessageResult::Retry, MessageResult::Back};
    action("EndGame")->trigger();
    ASSERT_EQ(sandbox.boxes.asked.size(), 3u);
    const MessageRequest &failed = sandbox.boxes.asked[1];
    EXPECT_TRUE(failed.text.startsWith(QStringLiteral("KTBSP.INI を保存できませんでした")));
    EXPECT_EQ(failed.buttons, MessageButtons::RetryBackEnd);
    EXPECT_EQ(failed.defaultButton, MessageResult::Retry);
    EXPECT_TRUE(sandbox.exit.codes.empty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(sandbox.readFile("KTBSP.INI"), file);

    sandbox.boxes.answers = {MessageResult::Yes, MessageResult::End};
    EXPECT_EXIT(
        {
            sandbox.exitForReal();
            action("EndGame")->trigger();
        },
        ::testing::ExitedWithCode(1), "asked: KTBSP.INI を保存できませんでした");
    EXPECT_EQ(sandbox.readFile("KTBSP.INI"), file);

    // Space freed while the question waits: the retry saves and ends well.
    sandbox.boxes.answers = {MessageResult::Yes, MessageResult::Retry};
    sandbox.boxes.onAsk = [&](const MessageRequest &request) {
        if (request.buttons == MessageButtons::RetryBackEnd)
            QDir(sandbox.dir()).rmdir("KTBSP.$$$");
    };
    EXPECT_EXIT(
        {
            sandbox.exitForReal();
            action("EndGame")->trigger();
        },
        ::testing::ExitedWithCode(0), "asked: KTBSP.INI を保存できませんでした");
    EXPECT_EQ(ReadIni("KTBSP", "KoTeBu", "KotebuYear").value_or(""), "7");
}

TEST_F(Form1Fixture, CloseFromTheProgramIsRefusedSilently)
{
    form.show();
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(sandbox.boxes.asked.empty());
}

TEST_F(Form1Fixture, CloseByThePlayerAsksAndNoKeepsTheWindow)
{
    form.show();
    sandbox.boxes.answers = {MessageResult::No};
    // What the window system delivers when the frame's close button is pressed.
    QCloseEvent request;
    QSpontaneKeyEvent::setSpontaneous(&request);
    QApplication::instance()->notify(&form, &request);

    ASSERT_EQ(sandbox.boxes.asked.size(), 1u);
    EXPECT_EQ(sandbox.boxes.asked.front().text, "ことぶの今日の冒険を終わります。");
    EXPECT_FALSE(request.isAccepted());
    EXPECT_TRUE(form.isVisible());
}

TEST_F(Form1Fixture, ApplyShowsOnlyWhatTheOutcomeSets)
{
    // The message line is what a screen reader speaks as the day goes on,
    // through the window's voice, a notification.
    auto *message = control<AnnouncedLabel>("Label2");
    ASSERT_TRUE(message);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(control<SpokenNote>("SpokenNote"))->role(),
              QAccessible::Notification);
    std::vector<QString> announced;
    QObject::connect(message, &AnnouncedLabel::announced, [&](const QString &text) { announced.push_back(text); });

    PhaseOutcome first;
    first.picture = ShownPicture{ShownPicture::Kind::Heroine, HeroinePose::Event, DayIcon::Night, {}, {}};
    first.windowIcon = DayIcon::Illness;
    first.titleLine = QStringLiteral("ことぶ 12才");
    first.message = QStringLiteral("一行目\n\r二行目");
    first.statusLine = QStringLiteral("体力 1");
    first.spoken = QStringLiteral("ことぶは12才になった。");
    std::vector<QString> spoken;
    QObject::connect(control<SpokenNote>("SpokenNote"), &SpokenNote::said,
                     [&](const QString &text) { spoken.push_back(text); });
    form.apply(first);
    EXPECT_EQ(spoken, (std::vector<QString>{"一行目\n二行目", "ことぶは12才になった。"}));
    // The status lines are heard with the heroine's picture, first.
    EXPECT_TRUE(control("Image1")->accessibleDescription().startsWith("ことぶ 12才 体力 1"));
    EXPECT_FALSE(control("Image1")->pixmap().isNull());
    EXPECT_EQ(control("Image1")->accessibleName(), "よろこぶことぶ");
    EXPECT_FALSE(form.windowIcon().isNull());
    EXPECT_EQ(control("Label1")->text(), "ことぶ 12才");
    EXPECT_EQ(control("Label2")->text(), "一行目\n二行目");
    EXPECT_EQ(control("Label3")->text(), "体力 1");

    PhaseOutcome second;
    second.message = QString();
    form.apply(second);
    EXPECT_EQ(control("Label1")->text(), "ことぶ 12才");
    EXPECT_TRUE(control("Label2")->text().isEmpty());
    EXPECT_EQ(control("Label3")->text(), "体力 1");

    // A monster file that cannot be read leaves an empty frame, not the old picture.
    PhaseOutcome fight;
    fight.picture = ShownPicture{ShownPicture::Kind::MonsterFile, {}, {}, QStringLiteral("nowhere/Nothing.KB2"),
                                 QStringLiteral("沼ヒゲ")};
    form.apply(fight);
    EXPECT_TRUE(control("Image1")->pixmap().isNull());
    EXPECT_EQ(control("Image1")->accessibleName(), "沼ヒゲ") << "a screen reader still hears who came";

    // Each message is spoken as it comes, the emptied line not at all.
    EXPECT_EQ(announced, std::vector<QString>{"一行目\n二行目"});
}
