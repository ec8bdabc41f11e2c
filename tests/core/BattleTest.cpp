#include "Battle.h"

#include "Fakes.h"
#include "RuleState.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace kotebu;
using kotebu::test::loadedState;
using kotebu::test::ScriptedRandom;

namespace {

const QString LB = QStringLiteral("\n\r");

// Draws for one encounter: row shift, special row, fight, attribute.
struct Draws {
    float shift = 0.5f;    // no shift
    float special = 0.5f;  // no special row
    float fight = 0.0f;    // a sure win
    float attribute = 0.99f;
};

PhaseOutcome fight(GameState &state, Draws d)
{
    ScriptedRandom random{d.shift, d.special, d.fight, d.attribute};
    PhaseOutcome outcome = Battle(state, random);
    // Every encounter takes exactly its four draws, won or lost.
    EXPECT_EQ(random.drawsTaken(), 4);
    return outcome;
}

} // namespace

TEST(Battle, RowFollowsExperienceShiftedByOneAndClamped)
{
    struct Row { Int16 experience; float shift; int row; };
    const std::vector<Row> rows{
        {0, 0.0f, 1}, {0, 0.5f, 0}, {0, 0.9f, 0},
        {9, 0.0f, 1},
        {10, 0.0f, 2}, {10, 0.5f, 1}, {10, 0.9f, 0},  // a level must be above the experience
        {45, 0.5f, 3}, {46, 0.5f, 4},
        {259, 0.0f, 12}, {260, 0.0f, 12}, {260, 0.5f, 12}, {260, 0.9f, 11},
        {5000, 0.9f, 11},
        {-100, 0.0f, 1},
        // A draw just below 1 still shifts by one row only.
        {100, 0.99999994f, 6},
    };
    for (const Row &row : rows) {
        GameState state = loadedState();
        state.Experience = row.experience;
        Draws d;
        d.shift = row.shift;
        d.fight = 0.99f;
        fight(state, d);
        EXPECT_EQ(state.EnemyIndex, row.row) << "experience " << row.experience << " draw " << row.shift;
    }
}

TEST(Battle, SpecialRowAndBossOverrideTheRow)
{
    struct Row { Int16 year; float special; int row; };
    for (const Row &row : std::vector<Row>{{0, 0.09f, SpecialRow},
                                           {0, 0.1f, 0},
                                           {79, 0.5f, 0},
                                           {79, 0.0f, SpecialRow},
                                           {80, 0.5f, BossRow},
                                           {80, 0.0f, BossRow}}) {
        GameState state = loadedState();
        state.Year = row.year;
        Draws d;
        d.special = row.special;
        d.fight = 0.99f;
        fight(state, d);
        EXPECT_EQ(state.EnemyIndex, row.row) << "year " << row.year;
    }
}

TEST(Battle, ShowsTheMonsterPictureFromTheFolder)
{
    GameState first = loadedState();
    first.Experience = 300;
    EXPECT_EQ(fight(first, {}).picture->file, QStringLiteral("pics/Tunoflog.KB2"));

    GameState second = loadedState(true);
    second.Year = 80;
    const PhaseOutcome outcome = fight(second, {});
    EXPECT_EQ(outcome.picture->kind, ShownPicture::Kind::MonsterFile);
    EXPECT_EQ(outcome.picture->file, QStringLiteral("pics/HAGA.KB2"));
}

struct FightCase {
    const char *name;
    Int16 experience, knowledge, stamina, year;
    Draws draws;
    bool won;
    int gain;
};

class BattleFight : public testing::TestWithParam<FightCase> {};

TEST_P(BattleFight, ChanceAndGain)
{
    const FightCase &c = GetParam();
    GameState state = loadedState();
    state.Experience = c.experience;
    state.Knowledge = c.knowledge;
    state.Stamina = c.stamina;
    state.Year = c.year;
    const PhaseOutcome outcome = fight(state, c.draws);
    EXPECT_EQ(state.Experience, std::min(32767, c.experience + c.gain));
    EXPECT_EQ(outcome.message->contains(QStringLiteral("勝った！")), c.won);
    if (c.won) {
        EXPECT_TRUE(outcome.message->contains(QStringLiteral("経験値%1を得た。").arg(c.gain)));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, BattleFight,
    testing::Values(
        // Boss at 0: chance 1.5 / 300.
        FightCase{"BossAtZeroWins", 0, 0, 5, 80, {0.5f, 0.5f, 0.0049f, 0.99f}, true, 150},
        FightCase{"BossAtZeroLoses", 0, 0, 5, 80, {0.5f, 0.5f, 0.0051f, 0.99f}, false, 0},
        // Boss at 300: power 330, chance 1.5 / 30.
        FightCase{"BossAt300Wins", 300, 0, 5, 80, {0.5f, 0.5f, 0.049f, 0.99f}, true, 15},
        FightCase{"BossAt300Loses", 300, 0, 5, 80, {0.5f, 0.5f, 0.051f, 0.99f}, false, 0},
        // Row 3 at 50: power 54.6, certain from knowledge 4.
        FightCase{"OutgrownRowSureWithKnowledge4", 50, 4, 5, 0, {0.9f, 0.5f, 0.9999f, 0.99f}, true, 2},
        FightCase{"OutgrownRowKnowledge3CanLose", 50, 3, 5, 0, {0.9f, 0.5f, 0.99f, 0.99f}, false, 0},
        // Special row at 20 or more: power experience + 2.
        FightCase{"SpecialRowTeachesAStrongHeroine", 20, 1, 5, 0, {0.5f, 0.0f, 0.9999f, 0.99f}, true, 5},
        FightCase{"SpecialRowWeakHeroineGainsOne", 40, 1, 4, 0, {0.5f, 0.0f, 0.9999f, 0.99f}, true, 1},
        FightCase{"SpecialRowWithoutKnowledgeCanLose", 40, 0, 4, 0, {0.5f, 0.0f, 0.8f, 0.99f}, false, 0},
        // Far above her experience the values stop at the 16-bit limit.
        FightCase{"ExperienceStopsAtTheTop", 32760, 0, 5, 0, {0.5f, 0.5f, 0.0f, 0.99f}, true, 13}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Battle, WinRaisesTheDrawnAttributeUpToFive)
{
    struct Row { float draw; Int16 GameState::*attribute; const char16_t *line; };
    const std::vector<Row> rows{
        {0.0f, &GameState::Charm, u"魅力が１アップした！"},
        {0.25f, &GameState::Knowledge, u"知識が１アップした！"},
        {0.5f, &GameState::Information, u"情報力が１アップした！"},
        {0.99f, &GameState::Love, u"愛情が１アップした！"},
    };
    for (const Row &row : rows) {
        for (Int16 before : {Int16(4), Int16(5)}) {
            GameState state = loadedState();
            state.Knowledge = 3;
            state.*row.attribute = before;
            const PhaseOutcome outcome = fight(state, {0.5f, 0.5f, 0.0f, row.draw});
            const QString line = QString::fromUtf16(row.line);
            EXPECT_EQ(state.*row.attribute, 5);
            EXPECT_EQ(outcome.message->endsWith(LB + LB + line), before == 4);
            EXPECT_EQ(outcome.message->endsWith(LB), before == 5);
        }
    }
}

TEST(Battle, LossTakesTheDrawnAttributeDownToZero)
{
    struct Row { float draw; Int16 GameState::*attribute; const char16_t *line; };
    const std::vector<Row> rows{
        {0.0f, &GameState::Charm, u"魅力が１減った！"},
        {0.2f, &GameState::Knowledge, u"知識が１減った！"},
        {0.4f, &GameState::Information, u"情報力が１減った！"},
        {0.6f, &GameState::Love, u"愛情が１減った！"},
    };
    for (const Row &row : rows) {
        for (Int16 before : {Int16(1), Int16(0)}) {
            GameState state = loadedState();
            state.Year = 80;
            state.Stamina = 5;
            state.*row.attribute = before;
            const PhaseOutcome outcome = fight(state, {0.5f, 0.5f, 0.99f, row.draw});
            EXPECT_EQ(state.*row.attribute, 0);
            EXPECT_EQ(outcome.message->endsWith(LB + QString::fromUtf16(row.line)), before == 1);
        }
    }
    // The fifth choice costs nothing.
    GameState state = loadedState();
    state.Year = 80;
    state.Charm = state.Knowledge = state.Information = state.Love = 3;
    fight(state, {0.5f, 0.5f, 0.99f, 0.8f});
    EXPECT_EQ(state.Charm + state.Knowledge + state.Information + state.Love, 12);
}

TEST(Battle, WeakHeroineGetsFoodFromTheSpecialRow)
{
    for (bool secondGame : {false, true}) {
        GameState state = loadedState(secondGame);
        state.Stamina = -10;
        state.Charm = 0;
        const PhaseOutcome outcome = fight(state, {0.5f, 0.0f, 0.0f, 0.0f});
        EXPECT_EQ(state.Stamina, -9);
        EXPECT_EQ(state.Charm, 0); // the food replaces the drawn attribute
        EXPECT_TRUE(outcome.message->endsWith(secondGame
            ? QStringLiteral("敵はランチを置いていった。体力が１アップした！")
            : QStringLiteral("敵はパイとコーヒーを置いていった。体力が１アップした！")));
    }
}

TEST(Battle, FullReportsForBothGames)
{
    GameState first = loadedState();
    first.Charm = 2;
    EXPECT_EQ(*fight(first, {0.5f, 0.5f, 0.0f, 0.0f}).message,
              QStringLiteral("花ネコが現れた！") + LB + QStringLiteral("ことぶは闘った。ことぶは勝った！経験値5を得た。")
                  + LB + LB + QStringLiteral("魅力が１アップした！"));

    GameState second = loadedState(true);
    second.Love = 3;
    second.Stamina = 5;
    second.Experience = 30;
    EXPECT_EQ(*fight(second, {0.5f, 0.5f, 0.99f, 0.7f}).message,
              QStringLiteral("スッポン７が現れた！") + LB
                  + QStringLiteral("ハルーネンは闘った。ハルーネンは負けた！ハルーネンは傷を負った。") + LB + LB
                  + QStringLiteral("愛情が１減った！"));

    GameState third = loadedState();
    third.Experience = 20;
    third.Knowledge = 5;
    EXPECT_EQ(*fight(third, {0.0f, 0.5f, 0.0f, 0.99f}).message,
              QStringLiteral("蚊トンボＳＰが現れた！") + LB
                  + QStringLiteral("ことぶは闘った。ことぶは勝った！経験値13を得た。") + LB
                  + LB + QStringLiteral("愛情が１アップした！"));
}

TEST(Battle, LossWoundsTheHeroine)
{
    struct Row { Int16 before, after; };
    for (const Row &row : std::vector<Row>{{5, 4}, {2, 1}, {1, -10}, {0, -10}, {-10, -10}, {-32768, -10}}) {
        GameState state = loadedState();
        state.Year = 80;
        state.Stamina = row.before;
        fight(state, {0.5f, 0.5f, 0.99f, 0.99f});
        EXPECT_EQ(state.Stamina, row.after) << "from " << row.before;
    }
}

TEST(Battle, GameEndsWithTheBossBeatenOrALossAfterThirty)
{
    struct Row { Int16 year; float fightDraw; Int16 ending; bool pause; };
    const std::vector<Row> rows{
        {80, 0.0f, 1, true},     // boss beaten at 28
        {80, 0.99f, 0, false},   // lost at 28: play on
        {91, 0.99f, 0, false},   // lost at 30: play on
        {92, 0.99f, 2, false},   // lost at 31: the end
        {92, 0.0f, 1, true},
    };
    for (const Row &row : rows) {
        GameState state = loadedState();
        state.Year = row.year;
        const PhaseOutcome outcome = fight(state, {0.5f, 0.5f, row.fightDraw, 0.99f});
        EXPECT_EQ(state.EndingKind, row.ending) << "year " << row.year;
        EXPECT_EQ(state.GameRunning, row.ending == 0 ? True : False);
        EXPECT_EQ(outcome.pauseAfter, row.pause);
    }
}

TEST(Battle, RosterLevelsRiseAndPairsSharePictures)
{
    for (bool secondGame : {false, true}) {
        const auto &rows = roster(secondGame);
        for (int row = 1; row <= 12; ++row)
            EXPECT_LT(rows[row - 1].level, rows[row].level);
        EXPECT_EQ(rows[BossRow].level, 300);
        EXPECT_EQ(rows[SpecialRow].level, 20);
    }
    const auto &first = roster(false);
    EXPECT_EQ(QString::fromUtf16(first[12].name), QStringLiteral("ｱﾒﾘｶﾂﾉｶﾞｴﾙ"));
    EXPECT_STREQ(first[10].image, first[11].image);
    EXPECT_STREQ(roster(true)[5].image, "BOUND-D");
}
