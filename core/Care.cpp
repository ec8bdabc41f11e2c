#include "Care.h"

#include <QCoreApplication>

namespace kotebu {

namespace {

constexpr int AttributeCap = 5;

// Everything about one care item: what it does, why it may be refused, and
// the texts, in the source language, Japanese.
struct CareRow {
    const char *name;         // the object and what it raises, as a screen reader says it
    Int16 GameState::*raises; // the attribute it raises by one, up to the cap
    const char *full;         // why it is refused when that attribute is at the cap
    Int16 GameState::*costs;  // an attribute it takes a point of, or none
    const char *cannotPay;    // why it is refused when that one has no point to give
    const char *first;        // what the first game's heroine did with it
    const char *second;       // the second game's
};

// In the order of the items' numbers.
constexpr CareRow Rows[CareItemCount]{
    {QT_TRANSLATE_NOOP("Care", "ハート：愛情を上げる"),
     &GameState::Love, QT_TRANSLATE_NOOP("Care", "愛情はもう上がらない。"), nullptr, nullptr,
     QT_TRANSLATE_NOOP("Care", "ことぶは花に水をやった。愛情が１増えた。"),
     QT_TRANSLATE_NOOP("Care", "ハルーネンは飼犬に餌をやった。愛情が１増えた。")},
    // Training costs her a point of charm, so it needs one to give.
    {QT_TRANSLATE_NOOP("Care", "力こぶ：体力を上げる（魅力は下がる）"),
     &GameState::Stamina, QT_TRANSLATE_NOOP("Care", "体力はもう上がらない。"),
     &GameState::Charm, QT_TRANSLATE_NOOP("Care", "魅力が足りないので、体力をつけられない。"),
     QT_TRANSLATE_NOOP("Care", "ことぶは体力をつけた。魅力が１減った。"),
     QT_TRANSLATE_NOOP("Care", "ハルーネンは体力をつけた。魅力が１減った。")},
    {QT_TRANSLATE_NOOP("Care", "リボン：魅力を上げる"),
     &GameState::Charm, QT_TRANSLATE_NOOP("Care", "魅力はもう上がらない。"), nullptr, nullptr,
     QT_TRANSLATE_NOOP("Care", "ことぶは化粧をした。魅力が１増えた。"),
     QT_TRANSLATE_NOOP("Care", "ハルーネンは化粧をした。魅力が１増えた。")},
    {QT_TRANSLATE_NOOP("Care", "本：知識を上げる"),
     &GameState::Knowledge, QT_TRANSLATE_NOOP("Care", "知識はもう上がらない。"), nullptr, nullptr,
     QT_TRANSLATE_NOOP("Care", "ことぶは武術の勉強をした。知識が１増えた。"),
     QT_TRANSLATE_NOOP("Care", "ハルーネンは武術の勉強をした。知識が１増えた。")},
    {QT_TRANSLATE_NOOP("Care", "テレビ：情報力を上げる"),
     &GameState::Information, QT_TRANSLATE_NOOP("Care", "情報力はもう上がらない。"), nullptr, nullptr,
     QT_TRANSLATE_NOOP("Care", "ことぶは新聞を見た。情報力が１増えた。"),
     QT_TRANSLATE_NOOP("Care", "ハルーネンは新聞を見た。情報力が１増えた。")},
};

QString text(const char *source) { return QCoreApplication::translate("Care", source); }

} // namespace

QString careItemName(int item)
{
    if (item < 0 || item >= CareItemCount)
        return QString();
    return text(Rows[item].name);
}

CareOutcome CareAction(GameState &state, int item)
{
    CareOutcome outcome;
    if (item < 0 || item >= CareItemCount)
        return outcome;
    // Care is for the night only (or the night the game was loaded into).
    if (state.LastPhase != Phase::Night) {
        outcome.refusal = text(QT_TRANSLATE_NOOP("Care", "道具は夜にしか使えない。"));
        return outcome;
    }
    const CareRow &row = Rows[item];
    if (state.*row.raises >= AttributeCap) {
        outcome.refusal = text(row.full);
        return outcome;
    }
    if (row.costs && state.*row.costs <= 0) {
        outcome.refusal = text(row.cannotPay);
        return outcome;
    }
    state.*row.raises = saturated(state.*row.raises + 1);
    if (row.costs)
        state.*row.costs = saturated(state.*row.costs - 1);
    outcome.message = text(state.SecondGame ? row.second : row.first);
    outcome.hideItems = true;
    return outcome;
}

} // namespace kotebu
