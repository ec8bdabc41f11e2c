#include "DayEvents.h"

#include "Fakes.h"
#include "RuleState.h"

#include <gtest/gtest.h>

#include <vector>

using namespace kotebu;
using kotebu::test::loadedState;
using kotebu::test::ScriptedRandom;

namespace {
const QString LB = QStringLiteral("\n\r");
constexpr Int16 Married = 2;
constexpr Int16 Mother = 4;
} // namespace

struct MorningCase {
    const char *name;
    Int16 year, charm, love, stamina, flags;
    float firstDraw, secondDraw;
    Int16 flagsAfter;   // 2 after a marriage, 6 after a child
    int drawsTaken;
};

class MorningEvents : public testing::TestWithParam<MorningCase> {};

TEST_P(MorningEvents, EventHappensOnlyWhenEveryConditionHolds)
{
    const MorningCase &c = GetParam();
    GameState state = loadedState();
    state.Year = c.year;
    state.Charm = c.charm;
    state.Love = c.love;
    state.Stamina = c.stamina;
    state.EventFlags = c.flags;
    state.PhaseTick = 7;
    ScriptedRandom random{c.firstDraw, c.secondDraw};

    Morning(state, random);

    EXPECT_EQ(state.EventFlags, c.flagsAfter);
    EXPECT_EQ(random.drawsTaken(), c.drawsTaken);
    // An event takes the whole day; an ordinary morning leaves the tick alone.
    EXPECT_EQ(state.PhaseTick, c.flagsAfter != c.flags ? 8 : 7);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, MorningEvents,
    testing::Values(
        MorningCase{"Age16NeverMarries", 36, 5, 0, 3, 0, 0.0f, 0.9f, 0, 2},
        MorningCase{"Age17Marries", 37, 5, 0, 3, 0, 0.19f, 0.9f, Married, 1},
        MorningCase{"DrawOfExactlyTwoTenthsFails", 37, 5, 0, 3, 0, 0.2f, 0.9f, 0, 2},
        MorningCase{"CharmFourFails", 37, 4, 0, 3, 0, 0.0f, 0.9f, 0, 2},
        MorningCase{"MarriedOnlyOnce", 60, 5, 0, 3, Married, 0.0f, 0.9f, Married, 2},
        MorningCase{"ChildAt20", 49, 0, 5, 3, Married, 0.9f, 0.19f, Married | Mother, 2},
        MorningCase{"ChildNotAt19", 48, 0, 5, 3, Married, 0.9f, 0.0f, Married, 2},
        MorningCase{"ChildNeedsLove5", 49, 0, 4, 3, Married, 0.9f, 0.0f, Married, 2},
        MorningCase{"ChildNeedsMarriage", 49, 0, 5, 3, 0, 0.9f, 0.0f, 0, 2},
        MorningCase{"OnlyOneChild", 49, 0, 5, 3, Married | Mother, 0.9f, 0.0f, Married | Mother, 2},
        // The marriage comes first even when a child would be due as well.
        MorningCase{"MarriageBeforeChild", 49, 5, 5, 3, 0, 0.0f, 0.0f, Married, 1}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Morning, MarriageAndChildShowTheEventAndTheirTexts)
{
    GameState state = loadedState();
    state.Year = 49;
    state.Charm = 5;
    state.Love = 5;
    ScriptedRandom random{0.1f, 0.9f, 0.1f};

    PhaseOutcome wedding = Morning(state, random);
    EXPECT_EQ(*wedding.message, QStringLiteral("ことぶは素敵な彼氏をみつけ、結婚した。夫は名をパラレルといい、東方の戦士であった。よき伴侶となるであろう。"));
    EXPECT_EQ(wedding.picture->kind, ShownPicture::Kind::Heroine);
    EXPECT_EQ(wedding.picture->pose, HeroinePose::Event);
    EXPECT_EQ(*wedding.windowIcon, DayIcon::Morning);

    PhaseOutcome birth = Morning(state, random);
    EXPECT_EQ(*birth.message, QStringLiteral("ことぶは、かわいい女の子をもうけた。「ハルーネン」と名付けられたその女の子は２人に守られすくすくと育った。"));
    EXPECT_EQ(birth.picture->pose, HeroinePose::Event);

    GameState second = loadedState(true);
    second.Year = 40;
    second.Charm = 5;
    ScriptedRandom once{0.0f};
    EXPECT_EQ(*Morning(second, once).message, QStringLiteral("ハルーネンは、傷ついたときに通った隣村の医者、ボルテンと恋に落ち、ついに２人は結婚をした。幸せな家庭を築くであろう。"));
}

TEST(Morning, OrdinaryMorningChangesNothing)
{
    for (bool secondGame : {false, true}) {
        GameState state = loadedState(secondGame);
        state.Stamina = 1;
        ScriptedRandom random{0.9f, 0.9f};
        PhaseOutcome outcome = Morning(state, random);
        EXPECT_EQ(*outcome.message, secondGame ? QStringLiteral("朝になった。ハルーネンは修行のために森へ出かけた。")
                                               : QStringLiteral("朝になった。ことぶは冒険に出かけた。"));
        EXPECT_EQ(outcome.picture->pose, HeroinePose::Ordinary);
        EXPECT_EQ(*outcome.windowIcon, DayIcon::Morning);
        EXPECT_EQ(state.Stamina, 1);
        EXPECT_EQ(state.PhaseTick, 0);
    }
}

TEST(Morning, IllnessHealsSlowlyFromADeepWound)
{
    struct Row { Int16 flags; std::vector<int> mornings; };
    const std::vector<Row> rows{
        {0, {-9, -8, -7, -6, -5, 5, 5}},
        // The husband's care adds a point every morning.
        {Married, {-8, -6, 5, 5}},
    };
    for (const Row &row : rows) {
        GameState state = loadedState();
        state.Stamina = -10;
        state.EventFlags = row.flags;
        for (size_t day = 0; day < row.mornings.size(); ++day) {
            const bool ill = state.Stamina <= 0;
            const Int16 tick = state.PhaseTick;
            ScriptedRandom random{0.9f, 0.9f};
            PhaseOutcome outcome = Morning(state, random);
            EXPECT_EQ(state.Stamina, row.mornings[day]) << "morning " << day;
            EXPECT_EQ(state.PhaseTick, tick + (ill ? 1 : 0));
            EXPECT_EQ(outcome.picture->pose, ill ? HeroinePose::Illness : HeroinePose::Ordinary);
        }
    }
}

TEST(Morning, IllnessTextsForBothGames)
{
    GameState state = loadedState();
    state.Stamina = 0;
    ScriptedRandom random{0.9f, 0.9f, 0.9f, 0.9f};
    PhaseOutcome outcome = Morning(state, random);
    EXPECT_EQ(*outcome.message, QStringLiteral("ことぶは病気で動けない。かわいそうに…"));
    EXPECT_EQ(*outcome.windowIcon, DayIcon::Illness);
    EXPECT_EQ(state.Stamina, 5);

    GameState second = loadedState(true);
    second.Stamina = -1;
    second.EventFlags = Married;
    outcome = Morning(second, random);
    EXPECT_EQ(*outcome.message, QStringLiteral("ハルーネンは病気にかかり、動けない。かわいそうに…") + LB
                                    + QStringLiteral("しかし、医師である夫の優しい看病によって、奇跡的に回復をしている。"));
}

TEST(Night, TitleLineNamesTheHeroineAgeAndExperience)
{
    GameState first = loadedState();
    first.Experience = 12;
    EXPECT_EQ(*Night(first).titleLine, QStringLiteral("ことぶ　8才　／　経験値 12"));

    GameState second = loadedState(true);
    second.Year = 37;
    second.Experience = -3;
    PhaseOutcome outcome = Night(second);
    EXPECT_EQ(*outcome.titleLine, QStringLiteral("ハルーネン　17才　／　経験値 -3"));
    EXPECT_EQ(second.Year, 37); // the day loop counts the year, not the night
    EXPECT_EQ(*outcome.message, QStringLiteral("夜になった。ハルーネンは静かに、眠りについている。"));
    EXPECT_EQ(outcome.picture->kind, ShownPicture::Kind::DayIcon);
    EXPECT_EQ(outcome.picture->icon, DayIcon::Night);
    EXPECT_EQ(*outcome.windowIcon, DayIcon::Night);
}

TEST(Night, MotherGainsCharmUpToFive)
{
    struct Row { Int16 flags, charm, charmAfter; bool bonus; };
    for (const Row &row : std::vector<Row>{{Married | Mother, 4, 5, true},
                                           {Married | Mother, -2, -1, true},
                                           {Married | Mother, 5, 5, false},
                                           {Married, 4, 4, false}}) {
        GameState state = loadedState();
        state.EventFlags = row.flags;
        state.Charm = row.charm;
        PhaseOutcome outcome = Night(state);
        EXPECT_EQ(state.Charm, row.charmAfter);
        QString expected = QStringLiteral("夜になった。ことぶは、ぐーぐー寝ている。");
        if (row.bonus)
            expected += LB + QStringLiteral("ことぶの大きな愛情が娘のハルーネンにそそがれ、ことぶの魅力が増えた。");
        EXPECT_EQ(*outcome.message, expected);
        // The status line is built after the bonus.
        EXPECT_EQ(*outcome.statusLine, StatusLine(state));
    }
}

TEST(StatusLine, ShowsAttributesAndLifeEvents)
{
    GameState state = loadedState();
    state.Stamina = -3;
    state.Love = 2;
    state.Information = 5;
    state.Knowledge = 0;
    state.Charm = -1;
    EXPECT_EQ(StatusLine(state), QStringLiteral(" 体力：-1    愛情：2    情報力：5") + LB
                                     + QStringLiteral("  知識：0    魅力：-1"));

    state.Stamina = 12;
    state.EventFlags = Married | Mother;
    EXPECT_EQ(StatusLine(state), QStringLiteral(" 体力：12    愛情：2    情報力：5") + LB
                                     + QStringLiteral("  知識：0    魅力：-1    既婚／一児の母"));
}
