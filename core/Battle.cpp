#include "Battle.h"

#include "Random.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace kotebu {

namespace {

constexpr int LastSearchRow = 12; // rows 13 and 14 never come from experience
constexpr float SpecialChance = 0.1f;
constexpr int FirstBossAge = 28;
constexpr int LastForgivingAge = 30;

// Int(draw × n): one of 0 … n-1, whatever the source hands out.
int pick(float draw, int n)
{
    return std::clamp(static_cast<int>(std::floor(static_cast<double>(draw) * n)), 0, n - 1);
}

// Each game's texts, in the source language, Japanese; the translations
// are looked up where they are shown.
struct BattleTexts {
    const char *fought;
    const char *won;  // %1 the experience gained
    const char *lost;
    const char *food;
};

// "Fought" and the win or the loss share a line, with nothing between them.
constexpr BattleTexts FirstGameTexts{
    //: The fight's result follows on the same line with nothing between:
    //: a translation ends with the space its language wants there.
    QT_TRANSLATE_NOOP("Battle", "ことぶは闘った。"),
    QT_TRANSLATE_NOOP("Battle", "ことぶは勝った！経験値%1を得た。"),
    QT_TRANSLATE_NOOP("Battle", "ことぶは負けた！ことぶは傷を負った。"),
    QT_TRANSLATE_NOOP("Battle", "敵はパイとコーヒーを置いていった。体力が１アップした！"),
};

constexpr BattleTexts SecondGameTexts{
    //: The fight's result follows on the same line with nothing between:
    //: a translation ends with the space its language wants there.
    QT_TRANSLATE_NOOP("Battle", "ハルーネンは闘った。"),
    QT_TRANSLATE_NOOP("Battle", "ハルーネンは勝った！経験値%1を得た。"),
    QT_TRANSLATE_NOOP("Battle", "ハルーネンは負けた！ハルーネンは傷を負った。"),
    QT_TRANSLATE_NOOP("Battle", "敵はランチを置いていった。体力が１アップした！"),
};

QString text(const char *source) { return QCoreApplication::translate("Battle", source); }

int baseRow(const std::array<RosterRow, RosterSize> &rows, Int16 experience)
{
    for (int row = 0; row <= LastSearchRow; ++row) {
        if (experience < rows[row].level)
            return row;
    }
    return LastSearchRow;
}

// A won fight raises one attribute, up to 5; the food of the special row
// always helps.
void applyWinAttribute(GameState &state, int attribute, const BattleTexts &texts, QString &message)
{
    auto raise = [&](Int16 &value, const char *line) {
        if (value < 5) {
            value = saturated(value + 1);
            message += state.CrLf + text(line);
        }
    };
    switch (attribute) {
    case 1: raise(state.Charm, QT_TRANSLATE_NOOP("Battle", "魅力が１アップした！")); break;
    case 2: raise(state.Knowledge, QT_TRANSLATE_NOOP("Battle", "知識が１アップした！")); break;
    case 3: raise(state.Information, QT_TRANSLATE_NOOP("Battle", "情報力が１アップした！")); break;
    case 4: raise(state.Love, QT_TRANSLATE_NOOP("Battle", "愛情が１アップした！")); break;
    case 5:
        state.Stamina = saturated(state.Stamina + 1);
        message += state.CrLf + text(texts.food);
        break;
    default: break;
    }
}

// A lost fight may cost one attribute point, never below 0.
void applyLossAttribute(GameState &state, int attribute, QString &message)
{
    auto lower = [&](Int16 &value, const char *line) {
        if (value > 0) {
            value = saturated(value - 1);
            message += state.CrLf + text(line);
        }
    };
    switch (attribute) {
    case 1: lower(state.Charm, QT_TRANSLATE_NOOP("Battle", "魅力が１減った！")); break;
    case 2: lower(state.Knowledge, QT_TRANSLATE_NOOP("Battle", "知識が１減った！")); break;
    case 3: lower(state.Information, QT_TRANSLATE_NOOP("Battle", "情報力が１減った！")); break;
    case 4: lower(state.Love, QT_TRANSLATE_NOOP("Battle", "愛情が１減った！")); break;
    default: break; // 5: she got away with the wound alone
    }
}

} // namespace

PhaseOutcome Battle(GameState &state, RandomSource &random)
{
    const auto &rows = roster(state.SecondGame != False);
    const BattleTexts &texts = state.SecondGame ? SecondGameTexts : FirstGameTexts;
    PhaseOutcome outcome;

    // The monster: around the row her experience has reached, now and then
    // the special row, and only the boss once she is 28.
    const int base = baseRow(rows, state.Experience);
    const int shift = pick(random.next(), 3);
    int row = std::clamp(base + 1 - shift, 0, LastSearchRow);
    if (random.next() < SpecialChance)
        row = SpecialRow;
    if (ageOf(state) >= FirstBossAge)
        row = BossRow;
    state.EnemyIndex = static_cast<Int16>(row);
    const RosterRow &enemy = rows[row];

    ShownPicture picture;
    picture.kind = ShownPicture::Kind::MonsterFile;
    picture.file = state.PictureFolder + pictureFile(enemy);
    picture.name = rosterName(enemy);
    outcome.picture = picture;

    QString message = text(QT_TRANSLATE_NOOP("Battle", "%1が現れた！")).arg(rosterName(enemy)) + state.CrLf
        + text(texts.fought);

    // A monster she has outgrown still stands a little above her, so the
    // difference below is never less than 1.
    const double experience = state.Experience;
    double enemyPower = enemy.level;
    if (enemyPower <= experience)
        enemyPower = experience + enemyPower / 10.0;
    const double fightDraw = random.next();
    const bool won = 1.0 / (enemyPower - experience) > fightDraw / (state.Knowledge + 1.5);

    if (won) {
        Int16 gain = saturated(std::floor((enemyPower + 1.0 - experience) / 2.0));
        int attribute = pick(random.next(), 4) + 1;
        if (row == SpecialRow) {
            // The girl monster teaches a strong heroine a little and feeds a
            // weak one instead.
            if (state.Stamina >= 5)
                gain = 5;
            else
                attribute = 5;
        }
        state.Experience = saturated(state.Experience + gain);
        message += text(texts.won).arg(gain) + state.CrLf;
        applyWinAttribute(state, attribute, texts, message);
        outcome.message = message;
        if (row == BossRow) {
            state.GameRunning = False;
            state.EndingKind = EndingKind::Victory;
            outcome.pauseAfter = true;
        }
        return outcome;
    }

    message += text(texts.lost) + state.CrLf;
    applyLossAttribute(state, pick(random.next(), 5) + 1, message);
    outcome.message = message;
    state.Stamina = saturated(state.Stamina - 1);
    if (state.Stamina < 1)
        state.Stamina = -10;
    if (ageOf(state) > LastForgivingAge) {
        state.GameRunning = False;
        state.EndingKind = EndingKind::Defeat;
    }
    return outcome;
}

} // namespace kotebu
