#include "Care.h"

#include "RuleState.h"

#include <gtest/gtest.h>

#include <vector>

using namespace kotebu;
using kotebu::test::loadedState;

namespace {
struct Attributes {
    Int16 love, stamina, charm, knowledge, information;
    bool operator==(const Attributes &) const = default;
};

Attributes of(const GameState &s) { return {s.Love, s.Stamina, s.Charm, s.Knowledge, s.Information}; }

void set(GameState &s, const Attributes &a)
{
    s.Love = a.love;
    s.Stamina = a.stamina;
    s.Charm = a.charm;
    s.Knowledge = a.knowledge;
    s.Information = a.information;
}

void PrintTo(const Attributes &a, std::ostream *os)
{
    *os << a.love << "/" << a.stamina << "/" << a.charm << "/" << a.knowledge << "/" << a.information;
}
} // namespace

TEST(Care, EachItemRaisesItsAttributeWithinTheLimits)
{
    struct Row { int item; Attributes before, after; const char16_t *first; };
    const std::vector<Row> rows{
        {0, {4, 0, 0, 0, 0}, {5, 0, 0, 0, 0}, u"ことぶは花に水をやった。愛情が１増えた。"},
        {0, {5, 0, 0, 0, 0}, {5, 0, 0, 0, 0}, nullptr},
        {1, {0, 4, 1, 0, 0}, {0, 5, 0, 0, 0}, u"ことぶは体力をつけた。魅力が１減った。"},
        {1, {0, -10, 3, 0, 0}, {0, -9, 2, 0, 0}, u"ことぶは体力をつけた。魅力が１減った。"},
        {1, {0, 2, 0, 0, 0}, {0, 2, 0, 0, 0}, nullptr},  // no charm left to give
        {1, {0, 5, 3, 0, 0}, {0, 5, 3, 0, 0}, nullptr},
        {2, {0, 0, 4, 0, 0}, {0, 0, 5, 0, 0}, u"ことぶは化粧をした。魅力が１増えた。"},
        {2, {0, 0, 5, 0, 0}, {0, 0, 5, 0, 0}, nullptr},
        {3, {0, 0, 0, -1, 0}, {0, 0, 0, 0, 0}, u"ことぶは武術の勉強をした。知識が１増えた。"},
        {3, {0, 0, 0, 5, 0}, {0, 0, 0, 5, 0}, nullptr},
        {4, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 1}, u"ことぶは新聞を見た。情報力が１増えた。"},
        {4, {0, 0, 0, 0, 7}, {0, 0, 0, 0, 7}, nullptr},
        {5, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, nullptr},
        {-1, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, nullptr},
    };
    for (const Row &row : rows) {
        GameState state = loadedState();
        set(state, row.before);
        const CareOutcome outcome = CareAction(state, row.item);
        EXPECT_EQ(of(state), row.after) << "item " << row.item;
        EXPECT_EQ(outcome.message, row.first ? QString::fromUtf16(row.first) : QString());
        // A refused item leaves the tray out for another try.
        EXPECT_EQ(outcome.hideItems, row.first != nullptr);
    }
}

TEST(Care, OnlyAtNight)
{
    for (Int16 phase : {Int16(0), Int16(2), Int16(3)}) {
        GameState state = loadedState();
        state.LastPhase = phase;
        const CareOutcome outcome = CareAction(state, 0);
        EXPECT_EQ(state.Love, 0);
        EXPECT_TRUE(outcome.message.isEmpty());
        EXPECT_FALSE(outcome.hideItems);
    }
}

TEST(Care, SecondGameTexts)
{
    const std::vector<const char16_t *> texts{
        u"ハルーネンは飼犬に餌をやった。愛情が１増えた。", u"ハルーネンは体力をつけた。魅力が１減った。",
        u"ハルーネンは化粧をした。魅力が１増えた。", u"ハルーネンは武術の勉強をした。知識が１増えた。",
        u"ハルーネンは新聞を見た。情報力が１増えた。"};
    for (int item = 0; item < CareItemCount; ++item) {
        GameState state = loadedState(true);
        state.Charm = 1;
        EXPECT_EQ(CareAction(state, item).message, QString::fromUtf16(texts[item]));
    }
}
