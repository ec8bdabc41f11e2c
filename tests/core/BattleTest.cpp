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
QString s(const char16_t *text) { return QString::fromUtf16(text); }

// Draws for one encounter: row shift, special row, fight, attribute.
struct Draws {
    float shift = 0.5f;   // no shift
    float special = 0.5f; // no special row
    float fight = 0.0f;   // a sure win
    float attribute = 0.99f;
};

PhaseOutcome fight(GameState &state, Draws d)
{
    ScriptedRandom random{d.shift, d.special, d.fight, d.attribute};
    PhaseOutcome outcome = Battle(state, random);
    EXPECT_EQ(random.drawsTaken(), 4); // won or lost, always all four
    return outcome;
}

} // namespace

TEST(Battle, RowFollowsExperienceThenSpecialThenBoss)
{
    struct Row { Int16 experience, year; float shift, special; int row; };
    const std::vector<Row> rows{
        {0, 0, 0.0f, 0.5f, 1}, {0, 0, 0.5f, 0.5f, 0}, {0, 0, 0.9f, 0.5f, 0},
        {10, 0, 0.0f, 0.5f, 2}, {10, 0, 0.9f, 0.5f, 0}, // a level must be above the experience
        {45, 0, 0.5f, 0.5f, 3}, {46, 0, 0.5f, 0.5f, 4},
        {259, 0, 0.0f, 0.5f, 12}, {260, 0, 0.5f, 0.5f, 12}, {5000, 0, 0.9f, 0.5f, 11},
        {-100, 0, 0.0f, 0.5f, 1},
        {100, 0, 0.99999994f, 0.5f, 6},
        {0, 0, 0.5f, 0.09f, SpecialRow}, {0, 0, 0.5f, 0.1f, 0},
        {0, 79, 0.5f, 0.0f, SpecialRow}, {0, 80, 0.5f, 0.5f, BossRow}, {0, 80, 0.5f, 0.0f, BossRow},
    };
    for (const Row &row : rows) {
        GameState state = loadedState();
        state.Experience = row.experience;
        state.Year = row.year;
        fight(state, {row.shift, row.special, 0.99f, 0.99f});
        EXPECT_EQ(state.EnemyIndex, row.row) << "experience " << row.experience << " year " << row.year;
    }
}

TEST(Battle, ShowsTheMonsterPictureFromTheFolder)
{
    GameState first = loadedState();
    first.Experience = 300;
    const PhaseOutcome frog = fight(first, {});
    EXPECT_EQ(frog.picture->file, QStringLiteral("pics/Tunoflog.KB2"));
    EXPECT_TRUE(frog.message->startsWith(s(u"ｱﾒﾘｶﾂﾉｶﾞｴﾙが現れた！")));
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
    int gain; // 0: she loses
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
    EXPECT_EQ(outcome.message->contains(QStringLiteral("経験値%1を得た。").arg(c.gain)), c.gain != 0);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, BattleFight,
    testing::Values(
        // Boss at 0: chance 1.5 / 300; at 300 its power is 330, chance 1.5 / 30.
        FightCase{"BossAtZeroWins", 0, 0, 5, 80, {0.5f, 0.5f, 0.0049f, 0.99f}, 150},
        FightCase{"BossAtZeroLoses", 0, 0, 5, 80, {0.5f, 0.5f, 0.0051f, 0.99f}, 0},
        FightCase{"BossAt300Wins", 300, 0, 5, 80, {0.5f, 0.5f, 0.049f, 0.99f}, 15},
        FightCase{"BossAt300Loses", 300, 0, 5, 80, {0.5f, 0.5f, 0.051f, 0.99f}, 0},
        // Row 3 at 50: power 54.6, certain from knowledge 4.
        FightCase{"OutgrownRowSureWithKnowledge4", 50, 4, 5, 0, {0.9f, 0.5f, 0.9999f, 0.99f}, 2},
        FightCase{"OutgrownRowKnowledge3CanLose", 50, 3, 5, 0, {0.9f, 0.5f, 0.99f, 0.99f}, 0},
        // Special row at 20 or more: power experience + 2.
        FightCase{"SpecialRowTeachesAStrongHeroine", 20, 1, 5, 0, {0.5f, 0.0f, 0.9999f, 0.99f}, 5},
        FightCase{"SpecialRowWeakHeroineGainsOne", 40, 1, 4, 0, {0.5f, 0.0f, 0.9999f, 0.99f}, 1},
        FightCase{"SpecialRowWithoutKnowledgeCanLose", 40, 0, 4, 0, {0.5f, 0.0f, 0.8f, 0.99f}, 0},
        FightCase{"ExperienceStopsAtTheTop", 32760, 0, 5, 0, {0.5f, 0.5f, 0.0f, 0.99f}, 13}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Battle, AttributeTablesWithTheirLimits)
{
    struct Row { float fight, draw; Int16 GameState::*attribute; Int16 before, after; const char16_t *line; };
    const std::vector<Row> rows{
        {0.0f, 0.0f, &GameState::Charm, 4, 5, u"魅力が１アップした！"},
        {0.0f, 0.25f, &GameState::Knowledge, 4, 5, u"知識が１アップした！"},
        {0.0f, 0.5f, &GameState::Information, 4, 5, u"情報力が１アップした！"},
        {0.0f, 0.99f, &GameState::Love, 4, 5, u"愛情が１アップした！"},
        {0.0f, 0.99f, &GameState::Love, 5, 5, nullptr},
        {0.99f, 0.0f, &GameState::Charm, 1, 0, u"魅力が１減った！"},
        {0.99f, 0.2f, &GameState::Knowledge, 1, 0, u"知識が１減った！"},
        {0.99f, 0.4f, &GameState::Information, 1, 0, u"情報力が１減った！"},
        {0.99f, 0.6f, &GameState::Love, 1, 0, u"愛情が１減った！"},
        {0.99f, 0.6f, &GameState::Love, 0, 0, nullptr},
        {0.99f, 0.8f, &GameState::Love, 1, 1, nullptr}, // the fifth choice costs nothing
    };
    for (const Row &row : rows) {
        GameState state = loadedState();
        state.Year = 80;
        state.Stamina = 5;
        state.*row.attribute = row.before;
        const PhaseOutcome outcome = fight(state, {0.5f, 0.5f, row.fight, row.draw});
        EXPECT_EQ(state.*row.attribute, row.after);
        // Every report line ends in a line break; an attribute line follows after one more.
        EXPECT_TRUE(outcome.message->endsWith(row.line ? LB + LB + s(row.line) : QStringLiteral("。") + LB));
    }
}

TEST(Battle, WeakHeroineGetsFoodFromTheSpecialRow)
{
    for (bool secondGame : {false, true}) {
        GameState state = loadedState(secondGame);
        state.Stamina = -10;
        const PhaseOutcome outcome = fight(state, {0.5f, 0.0f, 0.0f, 0.0f});
        EXPECT_EQ(state.Stamina, -9);
        EXPECT_EQ(state.Charm, 0); // the food replaces the drawn attribute
        EXPECT_TRUE(outcome.message->endsWith(LB + LB + (secondGame ? s(u"敵はランチを置いていった。体力が１アップした！")
                                                                    : s(u"敵はパイとコーヒーを置いていった。体力が１アップした！"))));
    }
}

TEST(Battle, FullReportsForBothGames)
{
    GameState first = loadedState();
    first.Experience = 20;
    first.Knowledge = 5;
    EXPECT_EQ(*fight(first, {0.0f, 0.5f, 0.0f, 0.99f}).message,
              s(u"蚊トンボＳＰが現れた！") + LB + s(u"ことぶは闘った。ことぶは勝った！経験値13を得た。") + LB + LB
                  + s(u"愛情が１アップした！"));
    GameState second = loadedState(true);
    second.Love = 3;
    second.Experience = 30;
    EXPECT_EQ(*fight(second, {0.5f, 0.5f, 0.99f, 0.7f}).message,
              s(u"スッポン７が現れた！") + LB + s(u"ハルーネンは闘った。ハルーネンは負けた！ハルーネンは傷を負った。") + LB
                  + LB + s(u"愛情が１減った！"));
}

TEST(Battle, LossWoundsTheHeroine)
{
    struct Row { Int16 before, after; };
    for (const Row &row : std::vector<Row>{{5, 4}, {2, 1}, {1, -10}, {-10, -10}, {-32768, -10}}) {
        GameState state = loadedState();
        state.Year = 80;
        state.Stamina = row.before;
        fight(state, {0.5f, 0.5f, 0.99f, 0.99f});
        EXPECT_EQ(state.Stamina, row.after) << "from " << row.before;
    }
}

TEST(Battle, GameEndsWithTheBossBeatenOrALossAfterThirty)
{
    struct Row { Int16 year; float fightDraw; Int16 ending; };
    // Boss beaten at 28 and at 31; lost at 28 and 30 play on; lost at 31 ends.
    for (const Row &row : std::vector<Row>{{80, 0.0f, 1}, {92, 0.0f, 1}, {80, 0.99f, 0}, {91, 0.99f, 0}, {92, 0.99f, 2}}) {
        GameState state = loadedState();
        state.Year = row.year;
        const PhaseOutcome outcome = fight(state, {0.5f, 0.5f, row.fightDraw, 0.99f});
        EXPECT_EQ(state.EndingKind, row.ending) << "year " << row.year;
        EXPECT_EQ(state.GameRunning, row.ending == 0 ? True : False);
        EXPECT_EQ(outcome.pauseAfter, row.ending == 1);
    }
}
