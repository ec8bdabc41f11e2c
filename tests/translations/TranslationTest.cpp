// The whole game in every language it is translated into: every text a
// player meets, shown or spoken, is in that language (nothing of the Japanese,
// of another script, or of English in a CJK language left), is drawn in a face
// of the language's own region that has every one of its characters (no
// boxes), and fits the control the forms size for the Japanese. ctest runs
// this at scale 1 and 2. The messages of the day are drawn from the rules
// themselves.
#include "Accessible.h"
#include "Battle.h"
#include "Care.h"
#include "DayEvents.h"
#include "Demoform.h"
#include "Ending.h"
#include "Fakes.h"
#include "FakeSound.h"
#include "Fonts.h"
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
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRawFont>
#include <QRegularExpression>
#include <QStyle>
#include <QTextLayout>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>

using namespace kotebu;

namespace {

// The languages the build translates into: one .ts file each.
std::vector<std::string> translatedLanguages()
{
    std::vector<std::string> languages;
    const QStringList files = QDir(QStringLiteral(KOTEBU_TRANSLATIONS_DIR)).entryList({QStringLiteral("kotebu_*.ts")});
    for (const QString &file : files)
        languages.push_back(file.mid(7).chopped(3).toStdString());
    return languages;
}

QString language;

bool inRange(char32_t c, char32_t from, char32_t to) { return c >= from && c <= to; }
bool isKana(char32_t c) { return inRange(c, 0x3040, 0x30FF) || inRange(c, 0x31F0, 0x31FF) || inRange(c, 0xFF66, 0xFF9F); }
bool isHan(char32_t c) { return inRange(c, 0x3400, 0x4DBF) || inRange(c, 0x4E00, 0x9FFF) || inRange(c, 0xF900, 0xFAFF); }
bool isHangul(char32_t c) { return inRange(c, 0x1100, 0x11FF) || inRange(c, 0x3130, 0x318F) || inRange(c, 0xAC00, 0xD7AF); }
// CJK punctuation (the ideographic space among it) and the full-width and
// half-width forms.
bool isWideForm(char32_t c) { return inRange(c, 0x3000, 0x303F) || inRange(c, 0xFF00, 0xFFEF); }

// What in `text` belongs to no text of the current language: for English
// any CJK character or wide form; for Chinese kana, Hangul and Latin words;
// for Korean kana, Han characters and Latin words. The Latin a CJK language
// keeps: the games' name, a monster's "SP", the names of keys and "(C)".
QString foreignIn(const QString &text)
{
    QString foreign;
    const bool chinese = language.startsWith(QLatin1String("zh"));
    const bool korean = language == QLatin1String("ko");
    for (const char32_t c : text.toUcs4()) {
        const bool wrong = chinese ? isKana(c) || isHangul(c)
            : korean               ? isKana(c) || isHan(c)
                                   : isKana(c) || isHan(c) || isHangul(c) || isWideForm(c);
        if (wrong)
            foreign += QString::fromUcs4(&c, 1);
    }
    if (chinese || korean) {
        static const QStringList Kept = {"KoTeBu", "KoTeBu2", "SP", "Enter", "Shift", "F10", "C"};
        // The mnemonic a CJK caption adds in parentheses, "游戏(&G)".
        const QString words = text.normalized(QString::NormalizationForm_KC).remove(QRegularExpression(QStringLiteral("\\(&[A-Z]\\)")));
        QRegularExpressionMatchIterator latin = QRegularExpression(QStringLiteral("[A-Za-z]+[0-9]*")).globalMatch(words);
        while (latin.hasNext()) {
            const QString word = latin.next().captured();
            if (!Kept.contains(word))
                foreign += QLatin1Char(' ') + word;
        }
    }
    return foreign;
}

void expectOwnLanguage(const QString &where, const QString &text)
{
    const QString foreign = foreignIn(text);
    EXPECT_TRUE(foreign.isEmpty()) << where.toStdString() << ": " << text.toStdString() << " (" << foreign.toStdString() << ")";
}

// The face a text is drawn in is one of the language's region, as Debian
// ships it, and has every character of the text: nothing falls back to
// another region's shapes or to boxes.
void expectRegionalGlyphs(const QString &where, const QFont &font, const QString &text)
{
    static const QHash<QString, QStringList> Faces = {
        {"zh_CN", {"WenQuanYi Micro Hei", "AR PL UMing CN"}},
        {"zh_TW", {"AR PL UMing TW"}},
        {"ko", {"NanumGothic", "NanumMyeongjo"}},
    };
    const QString family = QFontInfo(font).family();
    const QStringList region = Faces.value(language, {"IPAGothic", "IPAPGothic", "IPAMincho", "IPAPMincho"});
    const QStringList names = familyNames(font);
    EXPECT_TRUE(std::any_of(names.begin(), names.end(), [&](const QString &name) { return region.contains(name); }))
        << where.toStdString() << " is drawn in " << family.toStdString();
    const QRawFont face = QRawFont::fromFont(font);
    for (const char32_t c : text.toUcs4()) {
        if (c >= 0x20 && !QChar::isSpace(c)) {
            EXPECT_TRUE(face.supportsCharacter(c))
                << where.toStdString() << ": " << family.toStdString() << " has no U+" << std::hex << unsigned(c);
        }
    }
}

QString withoutMnemonic(QString text)
{
    return text.replace(QLatin1String("&&"), QLatin1String("\x01")).remove(QLatin1Char('&')).replace(QChar(1), QLatin1Char('&'));
}

// Whether `text` fits `label` as the label lays it out, wrapped or on one
// line: no wider than the label, and every line's ink inside it. (The lines'
// boxes may reach past a label the forms make a pixel or two lower than the
// font's line: what shows is the ink. A CJK face whose line is far taller
// than its characters, placed at the top of a low label, loses their feet.)
void expectFits(QLabel *label, const QString &text)
{
    const QRect room = label->contentsRect();
    const QFontMetrics metrics = label->fontMetrics();
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect needed = metrics.boundingRect(room, flags, text);
    // The first and the last line as the label breaks the text.
    QTextLayout layout(QString(text).replace(QLatin1Char('\n'), QChar::LineSeparator), label->font());
    QTextOption option(label->alignment());
    option.setWrapMode(label->wordWrap() ? QTextOption::WordWrap : QTextOption::ManualWrap);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(room.width());
        lines << layout.text().mid(line.textStart(), line.textLength());
    }
    layout.endLayout();
    const int inkTop = needed.top() + metrics.ascent() + metrics.tightBoundingRect(lines.constFirst()).top();
    const int inkBottom = needed.top() + needed.height() - metrics.descent() + metrics.tightBoundingRect(lines.constLast()).bottom();
    // A pixel's grace: the glyphs' boxes are rounded outwards.
    EXPECT_TRUE(needed.width() <= room.width() && inkTop >= room.top() - 1 && inkBottom <= room.bottom() + 1)
        << label->window()->objectName().toStdString() << "." << label->objectName().toStdString() << " is "
        << room.width() << "x" << room.height() << ", the text takes " << needed.width() << "x" << needed.height()
        << " with its ink from " << inkTop << " to " << inkBottom << ": " << text.toStdString();
    expectRegionalGlyphs(label->window()->objectName() + "." + label->objectName(), label->font(), text);
}

// Every text of a window and its children: shown, and told to screen readers.
void checkWindow(QWidget *window)
{
    window->show();
    const QString name = window->objectName();
    expectOwnLanguage(name + " title", window->windowTitle());
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *widget : widgets) {
        const QString where = name + "." + widget->objectName();
        expectOwnLanguage(where + " name", widget->accessibleName());
        expectOwnLanguage(where + " description", widget->accessibleDescription());
        expectOwnLanguage(where + " tip", widget->toolTip());
        for (QAction *action : widget->actions())
            expectOwnLanguage(where + " action", action->text());
        if (auto *note = qobject_cast<SpokenNote *>(widget))
            expectOwnLanguage(where, note->lastSaid());
        if (!widget->isVisibleTo(window))
            continue;
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            expectOwnLanguage(where, label->text());
            if (!label->text().isEmpty())
                expectFits(label, label->text());
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            expectOwnLanguage(where, button->text());
            // The text inside the button's frame, or for a check box beside
            // its box.
            const QStyle *style = button->style();
            const int chrome = qobject_cast<QCheckBox *>(button)
                ? style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button)
                    + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, button)
                : 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
            EXPECT_LE(button->fontMetrics().horizontalAdvance(withoutMnemonic(button->text())) + chrome, button->width())
                << where.toStdString() << ": " << button->text().toStdString();
            expectRegionalGlyphs(where, button->font(), withoutMnemonic(button->text()));
        } else if (auto *box = qobject_cast<QGroupBox *>(widget)) {
            expectOwnLanguage(where, box->title());
            EXPECT_LE(box->fontMetrics().horizontalAdvance(box->title()), box->width() - 16) << where.toStdString();
            expectRegionalGlyphs(where, box->font(), box->title());
        }
    }
}

// Each test plays in one language, chosen as main() chooses it.
struct Translated : ::testing::TestWithParam<std::string> {
    void SetUp() override
    {
        language = QString::fromStdString(GetParam());
        ASSERT_EQ(installTranslations({language}), language);
        installFonts(language);
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

using Messages = Translated;
using Windows = Translated;

std::string languageName(const ::testing::TestParamInfo<std::string> &info)
{
    return info.param;
}

} // namespace

INSTANTIATE_TEST_SUITE_P(Languages, Messages, ::testing::ValuesIn(translatedLanguages()), languageName);
INSTANTIATE_TEST_SUITE_P(Languages, Windows, ::testing::ValuesIn(translatedLanguages()), languageName);

// Every .ts file is built into the program, and the program holds no other.
TEST(Translations, TheProgramHoldsEveryLanguageTranslated)
{
    QStringList files;
    for (const std::string &name : translatedLanguages())
        files << QString::fromStdString(name);
    EXPECT_GE(files.size(), 4);
    QStringList built = availableTranslations();
    built.sort();
    EXPECT_EQ(built, files);
}

// Where the README and the manual page quote the English game's buttons and
// menus (**Skip**, **Game ▸ Config**, .B Game \(-> Exit), they quote what
// the English game shows, not the source text it was translated from.
TEST(Translations, TheReadmeAndTheManualQuoteTheEnglishGame)
{
    QFile ts(QStringLiteral(KOTEBU_TRANSLATIONS_DIR "/kotebu_en.ts"));
    ASSERT_TRUE(ts.open(QIODevice::ReadOnly));
    QHash<QString, QString> english;
    QXmlStreamReader reader(&ts);
    QString source;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (reader.name() == QLatin1String("source"))
            source = withoutMnemonic(reader.readElementText());
        else if (reader.name() == QLatin1String("translation"))
            english.insert(source, withoutMnemonic(reader.readElementText()));
    }
    const struct {
        const char *file;
        const char *quote; // the quoted name is its first captured group
        const char *step;  // between a menu and its entry
    } documents[] = {
        {"README.md", "\\*\\*?([^*\n]+)\\*\\*?", "▸"},
        {"app/kotebu-special-pack.6.in", "^\\.BR? (.+)$", "\\(->"},
    };
    int quoted = 0;
    for (const auto &document : documents) {
        QFile file(QStringLiteral(KOTEBU_SOURCE_DIR "/") + QLatin1String(document.file));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << document.file;
        const QString text = QString::fromUtf8(file.readAll());
        QRegularExpressionMatchIterator quotes =
            QRegularExpression(QString::fromUtf8(document.quote), QRegularExpression::MultilineOption).globalMatch(text);
        while (quotes.hasNext()) {
            for (QString name : quotes.next().captured(1).split(QString::fromUtf8(document.step))) {
                name = name.trimmed();
                if (!english.contains(name))
                    continue;
                ++quoted;
                EXPECT_EQ(name, english.value(name)) << document.file << " quotes the source text, not the English game";
            }
        }
    }
    EXPECT_GT(quoted, 4) << "the quotes were not found";
}

// Every message of the language's .ts file is translated, with the
// placeholders of the Japanese and nothing of another language in it.
TEST_P(Messages, EveryMessageIsTranslated)
{
    QFile file(QStringLiteral(KOTEBU_TRANSLATIONS_DIR "/kotebu_%1.ts").arg(language));
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
            const QString translation = ts.readElementText();
            const QString where = context + ": " + source;
            ++messages;
            EXPECT_FALSE(unfinished || translation.isEmpty()) << where.toStdString();
            expectOwnLanguage(where, translation);
            for (const QString placeholder : {"%1", "%2", "%3"})
                EXPECT_EQ(source.contains(placeholder), translation.contains(placeholder)) << where.toStdString();
        }
    }
    EXPECT_FALSE(ts.hasError()) << ts.errorString().toStdString();
    EXPECT_GT(messages, 200);
}

TEST_P(Windows, TheWindowsAroundThePlay)
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
TEST_P(Windows, EveryLineOfTheDayFits)
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
            expectOwnLanguage("spoken", *outcome.spoken);
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
            expectOwnLanguage("refusal", CareAction(night, item).refusal);
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
                expectOwnLanguage("monster", fought.picture->name);
            }
        }
    }
}

TEST_P(Windows, TheGameWindowItsMenusAndItsQuestions)
{
    Form1 form;
    form.apply(Night(game()));
    checkWindow(&form);
    auto *menu = form.findChild<QMenu *>("PoPM");
    for (QAction *action : form.findChildren<QAction *>())
        expectOwnLanguage("action " + action->objectName(), action->text());
    for (QMenu *submenu : form.findChildren<QMenu *>())
        expectOwnLanguage("menu " + submenu->objectName(), submenu->title());
    ASSERT_TRUE(menu);
    // The About box and the question to end the day.
    sandbox.boxes.answers = {MessageResult::Ok, MessageResult::No};
    form.findChild<QAction *>("About")->trigger();
    form.findChild<QAction *>("EndGame")->trigger();
    ASSERT_EQ(sandbox.boxes.asked.size(), 2u);
    for (const MessageRequest &box : sandbox.boxes.asked) {
        expectOwnLanguage("box title", box.title);
        expectOwnLanguage("box", box.text);
    }
}

TEST_P(Windows, TheViewerOfEveryMonsterAndEveryEnding)
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
// every language at both sizes: her name in kana reads as nothing to a
// player who reads no Japanese.
TEST_P(Windows, TheFirstGamesTitleIsInTheLanguage)
{
    const QImage shown = pictures::firstGameTitle().toImage();
    const QString file = qApp->devicePixelRatio() > 1 ? QStringLiteral("title_kotobu@2x.png") : QStringLiteral("title_kotobu.png");
    const QImage twin(QStringLiteral(KOTEBU_PICTURES_DIR "/%1/%2").arg(language, file));
    ASSERT_FALSE(twin.isNull()) << "no title for " << language.toStdString();
    EXPECT_EQ(shown.convertToFormat(QImage::Format_ARGB32), twin.convertToFormat(QImage::Format_ARGB32));
}
