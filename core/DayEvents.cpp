#include "DayEvents.h"

#include "Bits.h"
#include "DayClock.h"
#include "Random.h"

#include <QCoreApplication>

namespace kotebu {

namespace {

constexpr int MarriedBit = 1;
constexpr int MotherBit = 2;

// Draws are compared with the thresholds in single precision, as the game
// always has; a draw of exactly 0.2f does not count.
constexpr float EventChance = 0.2f;

// A value that would run past the 16-bit range stops at its end instead of
// turning round to the other sign.
bool married(const GameState &state) { return BitTest(state.EventFlags, MarriedBit) != False; }
bool mother(const GameState &state) { return BitTest(state.EventFlags, MotherBit) != False; }

// Each game's texts, in the source language, Japanese; the translations
// are looked up where they are shown.
struct DayTexts {
    const char *marriage;
    const char *child;
    const char *morning;
    const char *illness;
    const char *illnessMarried;
    const char *night;
    const char *nightMother;
    const char *titleLine; // %1 the age, %2 the experience
    const char *birthday;  // %1 the age
};

constexpr DayTexts FirstGameTexts{
    QT_TRANSLATE_NOOP("DayEvents", "ことぶは素敵な彼氏をみつけ、結婚した。夫は名をパラレルといい、東方の戦士であった。よき伴侶となるであろう。"),
    QT_TRANSLATE_NOOP("DayEvents", "ことぶは、かわいい女の子をもうけた。「ハルーネン」と名付けられたその女の子は２人に守られすくすくと育った。"),
    QT_TRANSLATE_NOOP("DayEvents", "朝になった。ことぶは冒険に出かけた。"),
    QT_TRANSLATE_NOOP("DayEvents", "ことぶは病気で動けない。かわいそうに…"),
    QT_TRANSLATE_NOOP("DayEvents", "しかし、優しい夫に見守られ、奇跡的に回復力を増している。"),
    QT_TRANSLATE_NOOP("DayEvents", "夜になった。ことぶは、ぐーぐー寝ている。"),
    QT_TRANSLATE_NOOP("DayEvents", "ことぶの大きな愛情が娘のハルーネンにそそがれ、ことぶの魅力が増えた。"),
    QT_TRANSLATE_NOOP("DayEvents", "ことぶ　%1才　／　経験値 %2"),
    QT_TRANSLATE_NOOP("DayEvents", "ことぶは%1才になった。"),
};

constexpr DayTexts SecondGameTexts{
    QT_TRANSLATE_NOOP("DayEvents", "ハルーネンは、傷ついたときに通った隣村の医者、ボルテンと恋に落ち、ついに２人は結婚をした。幸せな家庭を築くであろう。"),
    QT_TRANSLATE_NOOP("DayEvents", "ハルーネンは、かわいい娘をもうけた。ハルーネンとボルテンはその子にリックルと名付けた。元気な可愛い子に育つであろう。"),
    QT_TRANSLATE_NOOP("DayEvents", "朝になった。ハルーネンは修行のために森へ出かけた。"),
    QT_TRANSLATE_NOOP("DayEvents", "ハルーネンは病気にかかり、動けない。かわいそうに…"),
    QT_TRANSLATE_NOOP("DayEvents", "しかし、医師である夫の優しい看病によって、奇跡的に回復をしている。"),
    QT_TRANSLATE_NOOP("DayEvents", "夜になった。ハルーネンは静かに、眠りについている。"),
    QT_TRANSLATE_NOOP("DayEvents", "ハルーネンの大きな愛情が娘のリックルにそそがれ、ハルーネンの魅力が増えた。"),
    QT_TRANSLATE_NOOP("DayEvents", "ハルーネン　%1才　／　経験値 %2"),
    QT_TRANSLATE_NOOP("DayEvents", "ハルーネンは%1才になった。"),
};

const DayTexts &textsFor(const GameState &state)
{
    return state.SecondGame ? SecondGameTexts : FirstGameTexts;
}

QString text(const char *source) { return QCoreApplication::translate("DayEvents", source); }

ShownPicture heroine(HeroinePose pose)
{
    ShownPicture picture;
    picture.kind = ShownPicture::Kind::Heroine;
    picture.pose = pose;
    return picture;
}

ShownPicture dayIcon(DayIcon icon)
{
    ShownPicture picture;
    picture.kind = ShownPicture::Kind::DayIcon;
    picture.icon = icon;
    return picture;
}

// An event that fills the whole day: the extra tick skips the day's adventure.
void skipAdventure(GameState &state)
{
    state.PhaseTick = nextPhaseTick(state.PhaseTick);
}

} // namespace

PhaseOutcome Morning(GameState &state, RandomSource &random)
{
    const DayTexts &texts = textsFor(state);
    PhaseOutcome outcome;

    // Both tests draw first and look at the conditions afterwards, so the
    // sequence of draws does not depend on the heroine's state.
    const float marriageDraw = random.next();
    if (marriageDraw < EventChance && !married(state) && state.Year > 36 && state.Charm > 4) {
        outcome.windowIcon = DayIcon::Morning;
        outcome.message = text(texts.marriage);
        outcome.picture = heroine(HeroinePose::Event);
        skipAdventure(state);
        BitSet(state.EventFlags, MarriedBit, 1);
        return outcome;
    }

    const float childDraw = random.next();
    if (childDraw < EventChance && !mother(state) && married(state) && state.Love > 4
        && state.Year > 48) {
        outcome.windowIcon = DayIcon::Morning;
        outcome.picture = heroine(HeroinePose::Event);
        outcome.message = text(texts.child);
        skipAdventure(state);
        BitSet(state.EventFlags, MotherBit, 1);
        return outcome;
    }

    if (state.Stamina > 0) {
        outcome.windowIcon = DayIcon::Morning;
        outcome.picture = heroine(HeroinePose::Ordinary);
        outcome.message = text(texts.morning);
        return outcome;
    }

    outcome.windowIcon = DayIcon::Illness;
    QString message = text(texts.illness);
    outcome.picture = heroine(HeroinePose::Illness);
    if (married(state)) {
        message += state.CrLf + text(texts.illnessMarried);
        state.Stamina = saturated(state.Stamina + 1);
    }
    outcome.message = message;
    skipAdventure(state);
    // A mild illness is over by the next morning; a deep wound (a lost fight
    // leaves -10) heals a point a day until it passes -5.
    state.Stamina = saturated(state.Stamina + 1);
    if (state.Stamina > -5)
        state.Stamina = 5;
    return outcome;
}

PhaseOutcome Night(GameState &state)
{
    const DayTexts &texts = textsFor(state);
    PhaseOutcome outcome;

    outcome.titleLine = text(texts.titleLine).arg(ageOf(state)).arg(state.Experience);

    QString message = text(texts.night);
    outcome.picture = dayIcon(DayIcon::Night);
    outcome.windowIcon = DayIcon::Night;
    if (mother(state) && state.Charm < 5) {
        message += state.CrLf + text(texts.nightMother);
        state.Charm = saturated(state.Charm + 1);
    }
    outcome.message = message;
    outcome.statusLine = StatusLine(state);
    // The age on the title line moves on once in four nights: her birthday,
    // which a sighted player sees there and a blind one is told.
    if (state.Year > 0 && state.Year % 4 == 0)
        outcome.spoken = text(texts.birthday).arg(ageOf(state));
    return outcome;
}

QString StatusLine(const GameState &state)
{
    // A wounded heroine's deep negative stamina is not shown; -1 says "ill".
    const int stamina = state.Stamina < 0 ? -1 : state.Stamina;
    QString line = text(QT_TRANSLATE_NOOP("DayEvents", " 体力：%1    愛情：%2    情報力：%3"))
                       .arg(stamina)
                       .arg(state.Love)
                       .arg(state.Information)
        + state.CrLf + text(QT_TRANSLATE_NOOP("DayEvents", "  知識：%1    魅力：%2")).arg(state.Knowledge).arg(state.Charm);
    if (married(state))
        line += text(QT_TRANSLATE_NOOP("DayEvents", "    既婚"));
    if (mother(state))
        line += text(QT_TRANSLATE_NOOP("DayEvents", "／一児の母"));
    return line;
}

} // namespace kotebu
