// The whole game in English: every text a player meets, shown or spoken, is
// English (not a Japanese or full-width character left), and every shown one
// fits the control the forms size for the Japanese. ctest runs this at scale
// 1 and 2. The messages of the day are drawn from the rules themselves.
#include "Accessible.h"
#include "Battle.h"
#include "Care.h"
#include "DayEvents.h"
#include "Demoform.h"
#include "Ending.h"
#include "Fakes.h"
#include "FakeSound.h"
#include "Form1.h"
#include "Form2.h"
#include "Form3.h"
#include "Form4.h"
#include "Form5.h"
#include "Form6.h"
#include "Form7.h"
#include "Form8.h"
#include "Form9.h"
#include "Forms.h"
#include "GameState.h"
#include "Language.h"
#include "Pictures.h"
#include "Lyrics.h"
#include "Roster.h"
#include "Story.h"

#include <QAbstractButton>
#include <QApplication>
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QStyle>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>

using namespace kotebu;

namespace {

// Kana, kanji, CJK punctuation (the ideographic space among it) and the
// full-width and half-width forms.
bool isJapaneseOrFullWidth(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x3000 && u <= 0x30FF) || (u >= 0x3400 && u <= 0x4DBF) || (u >= 0x4E00 && u <= 0x9FFF)
        || (u >= 0xFF00 && u <= 0xFFEF);
}

void expectEnglish(const QString &where, const QString &text)
{
    const bool english = std::none_of(text.begin(), text.end(), isJapaneseOrFullWidth);
    EXPECT_TRUE(english) << where.toStdString() << ": " << text.toStdString();
}

QString withoutMnemonic(QString text)
{
    return text.replace(QLatin1String("&&"), QLatin1String("\x01")).remove(QLatin1Char('&')).replace(QChar(1), QLatin1Char('&'));
}

// Whether `text` fits `label` as the label lays it out, wrapped or on one
// line: no wider than the label, in no more lines than it holds. (A label
// holds at least the one line its Japanese shows, where the forms make it a
// pixel or two lower than the font's line.)
void expectFits(QLabel *label, const QString &text)
{
    const QRect room = label->contentsRect();
    const QFontMetrics metrics = label->fontMetrics();
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect needed = metrics.boundingRect(room, flags, text);
    const auto lines = [&](int height) { return std::max(1, (height - metrics.height()) / metrics.lineSpacing() + 1); };
    EXPECT_TRUE(needed.width() <= room.width() && lines(needed.height()) <= lines(room.height()))
        << label->window()->objectName().toStdString() << "." << label->objectName().toStdString() << " is "
        << room.width() << "x" << room.height() << ", the text takes " << needed.width() << "x" << needed.height()
        << ": " << text.toStdString();
}

// Every text of a window and its children: shown, and told to screen readers.
void checkWindow(QWidget *window)
{
    window->show();
    const QString name = window->objectName();
    expectEnglish(name + " title", window->windowTitle());
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *widget : widgets) {
        const QString where = name + "." + widget->objectName();
        expectEnglish(where + " name", widget->accessibleName());
        expectEnglish(where + " description", widget->accessibleDescription());
        expectEnglish(where + " tip", widget->toolTip());
        for (QAction *action : widget->actions())
            expectEnglish(where + " action", action->text());
        if (auto *note = qobject_cast<SpokenNote *>(widget))
            expectEnglish(where, note->lastSaid());
        if (!widget->isVisibleTo(window))
            continue;
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            expectEnglish(where, label->text());
            if (!label->text().isEmpty())
                expectFits(label, label->text());
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            expectEnglish(where, button->text());
            // The text inside the button's frame, or for a check box beside
            // its box.
            const QStyle *style = button->style();
            const int chrome = qobject_cast<QCheckBox *>(button)
                ? style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button)
                    + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, button)
                : 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
            EXPECT_LE(button->fontMetrics().horizontalAdvance(withoutMnemonic(button->text())) + chrome, button->width())
                << where.toStdString() << ": " << button->text().toStdString();
        } else if (auto *box = qobject_cast<QGroupBox *>(widget)) {
            expectEnglish(where, box->title());
            EXPECT_LE(box->fontMetrics().horizontalAdvance(box->title()), box->width() - 16) << where.toStdString();
        }
    }
}

struct English : ::testing::Test {
    static void SetUpTestSuite() { ASSERT_EQ(installTranslations({"en-GB", "en"}), "en"); }

    void SetUp() override
    {
        game() = GameState{};
        game().CrLf = gameLineBreak();
        // The settings the windows read, as a new game has them.
        QFile shipped(test::shippedGameFiles() + QStringLiteral("/KTBSPST.INI"));
        ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
        sandbox.writeFile(QStringLiteral("KTBSP.INI"), shipped.readAll());
    }
    void TearDown() override { game() = GameState{}; }

    test::Sandbox sandbox;
    test::FakeSound sound;
};

} // namespace

// Every message of translations/kotebu_en.ts has its English, with the
// placeholders of the Japanese and no Japanese left in it.
TEST(EnglishTranslation, EveryMessageIsTranslated)
{
    QFile file(QStringLiteral(KOTEBU_ENGLISH_TS));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader ts(&file);
    QString context, source;
    int messages = 0;
    while (!ts.atEnd()) {
        if (ts.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (ts.name() == QLatin1String("name")) {
            context = ts.readElementText();
        } else if (ts.name() == QLatin1String("source")) {
            source = ts.readElementText();
        } else if (ts.name() == QLatin1String("translation")) {
            const bool unfinished = ts.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            const QString english = ts.readElementText();
            const QString where = context + ": " + source;
            ++messages;
            EXPECT_FALSE(unfinished || english.isEmpty()) << where.toStdString();
            expectEnglish(where, english);
            for (const QString placeholder : {"%1", "%2", "%3"})
                EXPECT_EQ(source.contains(placeholder), english.contains(placeholder)) << where.toStdString();
        }
    }
    EXPECT_FALSE(ts.hasError()) << ts.errorString().toStdString();
    EXPECT_GT(messages, 200);
}

TEST_F(English, TheWindowsAroundThePlay)
{
    Demoform logo;
    checkWindow(&logo);
    Form7 selector;
    checkWindow(&selector);
    for (const LyricCue &cue : LyricSchedule) {
        selector.KPrint(lyricText(cue));
        checkWindow(&selector);
    }
    selector.KPrint(QString());
    Form8 firstStart;
    checkWindow(&firstStart);
    Form6 secondStart;
    checkWindow(&secondStart);
    Form5 story;
    checkWindow(&story);
    for (int page = 1; page <= StoryPageCount; ++page)
        expectFits(story.Label1(), storyPageText(page));
    Form9 folders;
    checkWindow(&folders);
    for (const bool second : {false, true}) {
        game().SecondGame = second ? True : False;
        Form2 settings;
        checkWindow(&settings);
    }
}

// What the rules put on the game window's lines, for every kind of day and
// fight of both games, and what they say to a screen reader.
TEST_F(English, EveryLineOfTheDayFits)
{
    Form1 form;
    form.show();
    auto *title = form.findChild<QLabel *>("Label1");
    auto *message = form.findChild<QLabel *>("Label2");
    auto *status = form.findChild<QLabel *>("Label3");
    auto expectShown = [&](const PhaseOutcome &outcome) {
        if (outcome.titleLine)
            expectFits(title, *outcome.titleLine);
        if (outcome.message)
            expectFits(message, displayText(*outcome.message));
        if (outcome.statusLine)
            expectFits(status, displayText(*outcome.statusLine));
        if (outcome.spoken)
            expectEnglish("spoken", *outcome.spoken);
    };
    for (const bool second : {false, true}) {
        GameState state;
        state.SecondGame = second ? True : False;
        state.CrLf = gameLineBreak();
        // The oldest she grows, the largest experience a game reaches, full
        // attributes, married and a mother: the longest lines.
        state.Year = 92;
        state.Experience = 9999;
        state.Stamina = state.Love = state.Information = state.Knowledge = state.Charm = 4;
        state.EventFlags = 2 | 4;
        expectShown(Night(state));
        // The mornings: a marriage, a daughter, an ordinary one, an illness
        // with her husband's care.
        struct MorningCase { Int16 flags, stamina; float first, second; };
        for (const MorningCase &c : {MorningCase{0, 3, 0.0f, 0.5f}, MorningCase{2, 3, 0.5f, 0.0f},
                                     MorningCase{0, 3, 0.5f, 0.5f}, MorningCase{2, -1, 0.5f, 0.5f}}) {
            GameState morning = state;
            morning.EventFlags = c.flags;
            morning.Stamina = c.stamina;
            morning.Charm = morning.Love = 5;
            test::ScriptedRandom draws{c.first, c.second};
            expectShown(Morning(morning, draws));
        }
        for (int item = 0; item < CareItemCount; ++item) {
            GameState night = state;
            night.LastPhase = Phase::Night;
            const CareOutcome given = CareAction(night, item);
            expectFits(message, given.message);
            night.Love = night.Stamina = night.Charm = night.Knowledge = night.Information = 5;
            expectEnglish("refusal", CareAction(night, item).refusal);
        }
        // Each monster met, each way a fight ends: won with each attribute
        // or the food, lost with each.
        const auto &rows = roster(second);
        for (int row = 0; row <= SpecialRow; ++row) {
            for (int outcome = 0; outcome < 10; ++outcome) {
                GameState fight = state;
                fight.Stamina = fight.Love = fight.Information = fight.Knowledge = fight.Charm = 2;
                fight.Year = row == BossRow ? 80 : 40;
                // The row her experience reaches, far enough below it that
                // a fight can go either way.
                fight.Experience = row > 0 && row < BossRow ? rows[row - 1].level : 0;
                const bool wins = outcome < 5;
                test::ScriptedRandom draws{0.5f, row == SpecialRow ? 0.0f : 0.5f, wins ? 0.0f : 0.999f,
                                           (outcome % 5) / 5.0f + 0.01f};
                if (row == SpecialRow && outcome == 4)
                    fight.Stamina = 5; // the girl teaches a strong heroine instead of feeding her
                const PhaseOutcome fought = Battle(fight, draws);
                EXPECT_EQ(fight.EnemyIndex, row);
                expectShown(fought);
                expectEnglish("monster", fought.picture->name);
            }
        }
    }
}

TEST_F(English, TheGameWindowItsMenusAndItsQuestions)
{
    Form1 form;
    form.apply(Night(game()));
    checkWindow(&form);
    auto *menu = form.findChild<QMenu *>("PoPM");
    for (QAction *action : form.findChildren<QAction *>())
        expectEnglish("action " + action->objectName(), action->text());
    for (QMenu *submenu : form.findChildren<QMenu *>())
        expectEnglish("menu " + submenu->objectName(), submenu->title());
    ASSERT_TRUE(menu);
    // The About box and the question to end the day.
    sandbox.boxes.answers = {MessageResult::Ok, MessageResult::No};
    form.findChild<QAction *>("About")->trigger();
    form.findChild<QAction *>("EndGame")->trigger();
    ASSERT_EQ(sandbox.boxes.asked.size(), 2u);
    for (const MessageRequest &box : sandbox.boxes.asked) {
        expectEnglish("box title", box.title);
        expectEnglish("box", box.text);
    }
}

TEST_F(English, TheViewerOfEveryMonsterAndEveryEnding)
{
    for (const bool second : {false, true}) {
        game().SecondGame = second ? True : False;
        for (int row = 0; row < RosterSize; ++row) {
            Form3 viewer(QPixmap(), second, row);
            viewer.setObjectName(QStringLiteral("Form3 row %1").arg(row));
            checkWindow(&viewer);
        }
        for (const Int16 kind : {EndingKind::Victory, EndingKind::Defeat}) {
            game().EndingKind = kind;
            // The longest score: every attribute full and the food's stamina past it.
            game().Charm = game().Information = game().Love = game().Knowledge = 5;
            game().Stamina = 99;
            Form4 ending;
            checkWindow(&ending);
        }
    }
}

// The one window picture with words in it, the first game's title, comes in
// English too, at both sizes, drawn from the same source.
TEST_F(English, TheFirstGamesTitleIsInEnglish)
{
    const QImage shown = pictures::firstGameTitle().toImage();
    const QString english = qApp->devicePixelRatio() > 1 ? QStringLiteral("title_kotobu@2x.png") : QStringLiteral("title_kotobu.png");
    EXPECT_EQ(shown.convertToFormat(QImage::Format_ARGB32),
              QImage(QStringLiteral(KOTEBU_ENGLISH_PICTURES "/") + english).convertToFormat(QImage::Format_ARGB32));
}
