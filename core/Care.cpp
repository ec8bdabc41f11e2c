#include "Care.h"

namespace kotebu {

namespace {

constexpr int AttributeCap = 5;

struct CareTexts {
    const char16_t *first;
    const char16_t *second;
};

// In the order of the items' numbers.
constexpr CareTexts Texts[CareItemCount]{
    {u"ことぶは花に水をやった。愛情が１増えた。", u"ハルーネンは飼犬に餌をやった。愛情が１増えた。"},
    {u"ことぶは体力をつけた。魅力が１減った。", u"ハルーネンは体力をつけた。魅力が１減った。"},
    {u"ことぶは化粧をした。魅力が１増えた。", u"ハルーネンは化粧をした。魅力が１増えた。"},
    {u"ことぶは武術の勉強をした。知識が１増えた。", u"ハルーネンは武術の勉強をした。知識が１増えた。"},
    {u"ことぶは新聞を見た。情報力が１増えた。", u"ハルーネンは新聞を見た。情報力が１増えた。"},
};

// Applies the item's effect when its condition holds.
bool apply(GameState &state, int item)
{
    auto raise = [](Int16 &value) {
        if (value >= AttributeCap)
            return false;
        value = saturated(value + 1);
        return true;
    };
    switch (item) {
    case CareItem::Heart: return raise(state.Love);
    case CareItem::Arm:
        // Training costs her a point of charm, so it needs one to give.
        if (state.Stamina >= AttributeCap || state.Charm <= 0)
            return false;
        state.Stamina = saturated(state.Stamina + 1);
        state.Charm = saturated(state.Charm - 1);
        return true;
    case CareItem::Ribbon: return raise(state.Charm);
    case CareItem::Book: return raise(state.Knowledge);
    case CareItem::Television: return raise(state.Information);
    default: return false;
    }
}

} // namespace

CareOutcome CareAction(GameState &state, int item)
{
    CareOutcome outcome;
    // Care is for the night only (or the night the game was loaded into).
    if (state.LastPhase != Phase::Night || item < 0 || item >= CareItemCount)
        return outcome;
    if (!apply(state, item))
        return outcome;
    outcome.message = QString::fromUtf16(state.SecondGame ? Texts[item].second : Texts[item].first);
    outcome.hideItems = true;
    return outcome;
}

} // namespace kotebu
