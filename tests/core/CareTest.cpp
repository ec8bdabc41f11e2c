#include "Care.h"

#include "RuleState.h"

#include <gtest/gtest.h>

#include <QStringList>

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
    // `told`: what the message says happened; each game's message tells it
    // of its own heroine.
    struct Row { int item; Attributes before, after; const char16_t *told; };
    const std::vector<Row> rows{
        {0, {4, 0, 0, 0, 0}, {5, 0, 0, 0, 0}, u"愛情が１増えた。"},
        {0, {5, 0, 0, 0, 0}, {5, 0, 0, 0, 0}, nullptr},
        {1, {0, 4, 1, 0, 0}, {0, 5, 0, 0, 0}, u"体力をつけた。魅力が１減った。"},
        {1, {0, -10, 3, 0, 0}, {0, -9, 2, 0, 0}, u"体力をつけた。魅力が１減った。"},
        {1, {0, 2, 0, 0, 0}, {0, 2, 0, 0, 0}, nullptr}, // no charm left to give
        {1, {0, 5, 3, 0, 0}, {0, 5, 3, 0, 0}, nullptr},
        {2, {0, 0, 4, 0, 0}, {0, 0, 5, 0, 0}, u"魅力が１増えた。"},
        {2, {0, 0, 5, 0, 0}, {0, 0, 5, 0, 0}, nullptr},
        {3, {0, 0, 0, -1, 0}, {0, 0, 0, 0, 0}, u"知識が１増えた。"},
        {3, {0, 0, 0, 5, 0}, {0, 0, 0, 5, 0}, nullptr},
        {4, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 1}, u"情報力が１増えた。"},
        {4, {0, 0, 0, 0, 7}, {0, 0, 0, 0, 7}, nullptr},
        {5, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, nullptr},
        {-1, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, nullptr},
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
            const char16_t *text = row.told;
            if (text) {
                EXPECT_TRUE(outcome.message.startsWith(secondGame ? u"ハルーネンは" : u"ことぶは")) << row.item;
                EXPECT_TRUE(outcome.message.endsWith(QString::fromUtf16(text))) << row.item;
            } else {
                EXPECT_TRUE(outcome.message.isEmpty()) << row.item;
            }
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

    // Each item has a name of its own for a screen reader; a number that is
    // no item has none.
    QStringList names;
    for (int item = 0; item < CareItemCount; ++item)
        names << careItemName(item);
    EXPECT_EQ(names.removeDuplicates(), 0);
    EXPECT_FALSE(names.contains(QString()));
    EXPECT_EQ(careItemName(CareItemCount), QString());
}
