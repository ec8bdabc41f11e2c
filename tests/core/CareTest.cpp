#include "Care.h"

#include "RuleState.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

using namespace kotebu;
using kotebu::test::loadedState;

namespace {
// Love, stamina, charm, knowledge, information.
using Attributes = std::array<Int16, 5>;
constexpr std::array<Int16 GameState::*, 5> Fields{&GameState::Love, &GameState::Stamina, &GameState::Charm,
                                                   &GameState::Knowledge, &GameState::Information};
} // namespace

TEST(Care, EachItemRaisesItsAttributeWithinTheLimits)
{
    struct Row { int item; Attributes before, after; const char16_t *first, *second; };
    const std::vector<Row> rows{
        {0, {4, 0, 0, 0, 0}, {5, 0, 0, 0, 0}, u"ことぶは花に水をやった。愛情が１増えた。", u"ハルーネンは飼犬に餌をやった。愛情が１増えた。"},
        {0, {5, 0, 0, 0, 0}, {5, 0, 0, 0, 0}, nullptr, nullptr},
        {1, {0, 4, 1, 0, 0}, {0, 5, 0, 0, 0}, u"ことぶは体力をつけた。魅力が１減った。", u"ハルーネンは体力をつけた。魅力が１減った。"},
        {1, {0, -10, 3, 0, 0}, {0, -9, 2, 0, 0}, u"ことぶは体力をつけた。魅力が１減った。", u"ハルーネンは体力をつけた。魅力が１減った。"},
        {1, {0, 2, 0, 0, 0}, {0, 2, 0, 0, 0}, nullptr, nullptr}, // no charm left to give
        {1, {0, 5, 3, 0, 0}, {0, 5, 3, 0, 0}, nullptr, nullptr},
        {2, {0, 0, 4, 0, 0}, {0, 0, 5, 0, 0}, u"ことぶは化粧をした。魅力が１増えた。", u"ハルーネンは化粧をした。魅力が１増えた。"},
        {2, {0, 0, 5, 0, 0}, {0, 0, 5, 0, 0}, nullptr, nullptr},
        {3, {0, 0, 0, -1, 0}, {0, 0, 0, 0, 0}, u"ことぶは武術の勉強をした。知識が１増えた。", u"ハルーネンは武術の勉強をした。知識が１増えた。"},
        {3, {0, 0, 0, 5, 0}, {0, 0, 0, 5, 0}, nullptr, nullptr},
        {4, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 1}, u"ことぶは新聞を見た。情報力が１増えた。", u"ハルーネンは新聞を見た。情報力が１増えた。"},
        {4, {0, 0, 0, 0, 7}, {0, 0, 0, 0, 7}, nullptr, nullptr},
        {5, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, nullptr, nullptr},
        {-1, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, nullptr, nullptr},
    };
    // Care is for the night only: any other phase refuses the heart.
    for (Int16 phase : {Int16(0), Int16(2), Int16(3)}) {
        GameState state = loadedState();
        state.LastPhase = phase;
        const CareOutcome outcome = CareAction(state, 0);
        EXPECT_TRUE(outcome.message.isEmpty());
        EXPECT_FALSE(outcome.refusal.isEmpty()) << "a refusal is told, if only to a screen reader";
        EXPECT_EQ(state.Love, 0);
    }
    for (const Row &row : rows) {
        for (bool secondGame : {false, true}) {
            GameState state = loadedState(secondGame);
            for (size_t i = 0; i < Fields.size(); ++i)
                state.*Fields[i] = row.before[i];
            const CareOutcome outcome = CareAction(state, row.item);
            for (size_t i = 0; i < Fields.size(); ++i)
                EXPECT_EQ(state.*Fields[i], row.after[i]) << "item " << row.item << " attribute " << i;
            const char16_t *text = secondGame ? row.second : row.first;
            EXPECT_EQ(outcome.message, text ? QString::fromUtf16(text) : QString());
            EXPECT_EQ(outcome.hideItems, text != nullptr); // a refused item leaves the tray out
            // A refused item has its reason, spoken though not shown.
            const bool known = row.item >= 0 && row.item < CareItemCount;
            EXPECT_EQ(outcome.refusal.isEmpty(), text != nullptr || !known) << "item " << row.item;
        }
    }
    // The arm's two refusals say which of its conditions failed.
    GameState noCharm = loadedState(), fullStamina = loadedState();
    noCharm.Stamina = 2;
    fullStamina.Stamina = 5;
    fullStamina.Charm = 3;
    EXPECT_NE(CareAction(noCharm, CareItem::Arm).refusal, CareAction(fullStamina, CareItem::Arm).refusal);
}
