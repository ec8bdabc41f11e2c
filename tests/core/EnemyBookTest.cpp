#include "EnemyBook.h"
#include "RuleState.h"

#include <gtest/gtest.h>

#include <set>

using namespace kotebu;

TEST(EnemyBook, NamesOfTheBook)
{
    EXPECT_EQ(enemyBookName(false, 1), QStringLiteral("花ネコ"));
    EXPECT_EQ(enemyBookName(false, 12), QStringLiteral("アメリカツノガエル"));
    EXPECT_EQ(enemyBookName(true, 3), QStringLiteral("隠コ"));
    EXPECT_EQ(enemyBookName(true, 12), QStringLiteral("王サンショウウオ"));
    for (int row : {-1, 15})
        EXPECT_TRUE(enemyBookName(true, row).isEmpty() && enemyBookDescription(false, row).isEmpty());
}

TEST(EnemyBook, PairsOfTheFirstGameShareAnEntry)
{
    std::set<QString> first, second;
    for (int row = 0; row < 15; ++row) {
        first.insert(enemyBookName(false, row) + enemyBookDescription(false, row));
        second.insert(enemyBookDescription(true, row));
    }
    EXPECT_EQ(first.size(), 10u);
    EXPECT_EQ(second.size(), 15u);
    EXPECT_FALSE(second.count(QString()));
    for (int row : {0, 2, 5, 8, 10})
        EXPECT_EQ(enemyBookDescription(false, row), enemyBookDescription(false, row + 1)) << row;
    for (bool secondGame : {false, true})
        EXPECT_TRUE(enemyBookDescription(secondGame, 13).contains(QStringLiteral("最後の大ボス")));
}

TEST(EnemyBook, ViewerOpensOnlyAfterAFightWithFullInformation)
{
    const struct {
        Int16 lastPhase;
        Int16 information;
        bool allowed;
    } rows[] = {
        {Phase::Adventure, 5, true},
        {Phase::Adventure, 4, false},
        {Phase::Adventure, 6, false},
        {Phase::Night, 5, false},
        {Phase::Morning, 5, false},
    };
    for (const auto &row : rows) {
        GameState state = test::loadedState();
        state.LastPhase = row.lastPhase;
        state.Information = row.information;
        EXPECT_EQ(enemyViewerAllowed(state), row.allowed) << row.lastPhase << "/" << row.information;
    }
}
