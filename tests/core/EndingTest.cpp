#include "Ending.h"

#include "RuleState.h"

#include <gtest/gtest.h>

#include <vector>

using namespace kotebu;
using kotebu::test::loadedState;

TEST(Ending, ScoreIsFourTimesTheAttributes)
{
    struct Row { Int16 charm, stamina, information, love, knowledge, score; };
    const std::vector<Row> rows{
        {5, 5, 5, 5, 5, 100},
        {0, -10, 0, 0, 0, -40},
        {1, 2, 3, 4, 0, 40},
        // Hand-edited values stop at the 16-bit limits instead of changing sign.
        {10000, 0, 0, 0, 0, 32767},
        {-10000, -10, 0, 0, 0, -32768},
    };
    for (const Row &row : rows) {
        GameState state = loadedState();
        state.Charm = row.charm;
        state.Stamina = row.stamina;
        state.Information = row.information;
        state.Love = row.love;
        state.Knowledge = row.knowledge;
        EXPECT_EQ(Score(state), row.score);
    }
}

TEST(Ending, VictoryShowsTheScoreAndDefeatConsoles)
{
    for (bool secondGame : {false, true}) {
        GameState state = loadedState(secondGame);
        state.Stamina = -10;
        const QString caption = secondGame ? QStringLiteral("KoTeBu2 ハルーネン物語 おわり") : QStringLiteral("ＫｏＴｅＢｕ　おわり");
        state.EndingKind = 1;
        const EndingView victory = Ending(state);
        EXPECT_EQ(victory.caption, caption);
        EXPECT_EQ(victory.pose, HeroinePose::Event);
        EXPECT_TRUE(victory.text.endsWith(QStringLiteral("\n\r得点は-40点でした。")));
        EXPECT_EQ(victory.text.contains(QStringLiteral("おめでとう、ハルーネン！")), secondGame);

        for (Int16 kind : {Int16(2), Int16(0)}) {
            state.EndingKind = kind;
            const EndingView defeat = Ending(state);
            EXPECT_EQ(defeat.caption, caption);
            EXPECT_EQ(defeat.pose, HeroinePose::Defeat);
            EXPECT_TRUE(defeat.text.endsWith(QStringLiteral("\n\r残念でした。もう一度挑戦してください！")));
            EXPECT_FALSE(defeat.text.contains(QStringLiteral("得点")));
            EXPECT_NE(defeat.text.section(QStringLiteral("\n\r"), 0, 0), victory.text.section(QStringLiteral("\n\r"), 0, 0));
        }
    }
}
