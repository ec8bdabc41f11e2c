#include "Care.h"

#include <QCoreApplication>

namespace kotebu {

namespace {

constexpr int AttributeCap = 5;

struct CareTexts {
    const char *name;   // the object and what it raises, as a screen reader says it
    const char *first;  // what the first game's heroine did with it
    const char *second; // the second game's
};

// In the order of the items' numbers; in the source language, Japanese.
constexpr CareTexts Texts[CareItemCount]{
    {QT_TRANSLATE_NOOP("Care", "ハート：愛情を上げる"),
     QT_TRANSLATE_NOOP("Care", "ことぶは花に水をやった。愛情が１増えた。"),
     QT_TRANSLATE_NOOP("Care", "ハルーネンは飼犬に餌をやった。愛情が１増えた。")},
    {QT_TRANSLATE_NOOP("Care", "力こぶ：体力を上げる（魅力は下がる）"),
     QT_TRANSLATE_NOOP("Care", "ことぶは体力をつけた。魅力が１減った。"),
     QT_TRANSLATE_NOOP("Care", "ハルーネンは体力をつけた。魅力が１減った。")},
    {QT_TRANSLATE_NOOP("Care", "リボン：魅力を上げる"),
     QT_TRANSLATE_NOOP("Care", "ことぶは化粧をした。魅力が１増えた。"),
     QT_TRANSLATE_NOOP("Care", "ハルーネンは化粧をした。魅力が１増えた。")},
    {QT_TRANSLATE_NOOP("Care", "本：知識を上げる"),
     QT_TRANSLATE_NOOP("Care", "ことぶは武術の勉強をした。知識が１増えた。"),
     QT_TRANSLATE_NOOP("Care", "ハルーネンは武術の勉強をした。知識が１増えた。")},
    {QT_TRANSLATE_NOOP("Care", "テレビ：情報力を上げる"),
     QT_TRANSLATE_NOOP("Care", "ことぶは新聞を見た。情報力が１増えた。"),
     QT_TRANSLATE_NOOP("Care", "ハルーネンは新聞を見た。情報力が１増えた。")},
};

// Why an item cannot be given now, in the game's words; none when it can.
// A full attribute is the usual reason; training needs a point of charm to
// give.
const char *refusalOf(const GameState &state, int item)
{
    switch (item) {
    case CareItem::Heart:
        return state.Love >= AttributeCap ? QT_TRANSLATE_NOOP("Care", "愛情はもう上がらない。") : nullptr;
    case CareItem::Arm:
        if (state.Stamina >= AttributeCap)
            return QT_TRANSLATE_NOOP("Care", "体力はもう上がらない。");
        return state.Charm <= 0 ? QT_TRANSLATE_NOOP("Care", "魅力が足りないので、体力をつけられない。") : nullptr;
    case CareItem::Ribbon:
        return state.Charm >= AttributeCap ? QT_TRANSLATE_NOOP("Care", "魅力はもう上がらない。") : nullptr;
    case CareItem::Book:
        return state.Knowledge >= AttributeCap ? QT_TRANSLATE_NOOP("Care", "知識はもう上がらない。") : nullptr;
    case CareItem::Television:
        return state.Information >= AttributeCap ? QT_TRANSLATE_NOOP("Care", "情報力はもう上がらない。") : nullptr;
    default:
        return nullptr;
    }
}

void apply(GameState &state, int item)
{
    auto raise = [](Int16 &value) { value = saturated(value + 1); };
    switch (item) {
    case CareItem::Heart: raise(state.Love); break;
    case CareItem::Arm:
        raise(state.Stamina);
        state.Charm = saturated(state.Charm - 1);
        break;
    case CareItem::Ribbon: raise(state.Charm); break;
    case CareItem::Book: raise(state.Knowledge); break;
    case CareItem::Television: raise(state.Information); break;
    default: break;
    }
}

} // namespace

QString careItemName(int item)
{
    if (item < 0 || item >= CareItemCount)
        return QString();
    return QCoreApplication::translate("Care", Texts[item].name);
}

CareOutcome CareAction(GameState &state, int item)
{
    CareOutcome outcome;
    if (item < 0 || item >= CareItemCount)
        return outcome;
    // Care is for the night only (or the night the game was loaded into).
    if (state.LastPhase != Phase::Night) {
        outcome.refusal = QCoreApplication::translate("Care", "道具は夜にしか使えない。");
        return outcome;
    }
    if (const char *refusal = refusalOf(state, item)) {
        outcome.refusal = QCoreApplication::translate("Care", refusal);
        return outcome;
    }
    apply(state, item);
    outcome.message = QCoreApplication::translate("Care", state.SecondGame ? Texts[item].second : Texts[item].first);
    outcome.hideItems = true;
    return outcome;
}

} // namespace kotebu
