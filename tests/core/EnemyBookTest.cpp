#include "EnemyBook.h"

#include <gtest/gtest.h>

#include <set>

using namespace kotebu;

TEST(EnemyBook, NamesOfTheBook)
{
    EXPECT_EQ(enemyBookName(false, 1), QStringLiteral("花ネコ"));
    EXPECT_EQ(enemyBookName(false, 12), QStringLiteral("アメリカツノガエル"));
    EXPECT_EQ(enemyBookName(false, 14), QStringLiteral("ポポタルト"));
    EXPECT_EQ(enemyBookName(true, 3), QStringLiteral("隠コ"));
    EXPECT_EQ(enemyBookName(true, 12), QStringLiteral("王サンショウウオ"));
    EXPECT_EQ(enemyBookName(true, 13), QStringLiteral("ハガ・サターン"));
}

TEST(EnemyBook, FirstGamePairsShareOneEntry)
{
    std::set<QString> descriptions;
    for (int row = 0; row < 15; ++row)
        descriptions.insert(enemyBookDescription(false, row));
    EXPECT_EQ(descriptions.size(), 10u);
    for (int row : {0, 2, 5, 8, 10}) {
        EXPECT_EQ(enemyBookName(false, row), enemyBookName(false, row + 1));
        EXPECT_EQ(enemyBookDescription(false, row), enemyBookDescription(false, row + 1));
    }
}

TEST(EnemyBook, SecondGameHasOneEntryPerRow)
{
    std::set<QString> names, descriptions;
    for (int row = 0; row < 15; ++row) {
        names.insert(enemyBookName(true, row));
        descriptions.insert(enemyBookDescription(true, row));
    }
    EXPECT_EQ(names.size(), 15u);
    EXPECT_EQ(descriptions.size(), 15u);
    EXPECT_FALSE(descriptions.count(QString()));
}

TEST(EnemyBook, BossesAreCalledTheFinalBosses)
{
    EXPECT_TRUE(enemyBookDescription(false, 13).contains(QStringLiteral("最後の大ボス")));
    EXPECT_TRUE(enemyBookDescription(true, 13).contains(QStringLiteral("最後の大ボス")));
}

TEST(EnemyBook, RowsOutsideTheBookAreEmpty)
{
    for (bool secondGame : {false, true}) {
        for (int row : {-1, 15, 32767}) {
            EXPECT_TRUE(enemyBookName(secondGame, row).isEmpty());
            EXPECT_TRUE(enemyBookDescription(secondGame, row).isEmpty());
        }
    }
}
