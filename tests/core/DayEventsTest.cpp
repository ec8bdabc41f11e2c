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
QString s(const char16_t *text) { return QString::fromUtf16(text); }
} // namespace

struct MorningCase {
    const char *name;
    Int16 year, charm, love, flags;
    float firstDraw, secondDraw;
    Int16 flagsAfter; // 2 after a marriage, 6 after a child
    int drawsTaken;   // the second draw is made whenever no marriage happened
};

class MorningEvents : public testing::TestWithParam<MorningCase> {};

TEST_P(MorningEvents, EventHappensOnlyWhenEveryConditionHolds)
{
    const MorningCase &c = GetParam();
    GameState state = loadedState();
    state.Year = c.year;
    state.Charm = c.charm;
    state.Love = c.love;
    state.Stamina = 3;
    state.EventFlags = c.flags;
    ScriptedRandom random{c.firstDraw, c.secondDraw};
    const PhaseOutcome outcome = Morning(state, random);
    const bool event = c.flagsAfter != c.flags;
    EXPECT_EQ(state.EventFlags, c.flagsAfter);
    EXPECT_EQ(random.drawsTaken(), c.drawsTaken);
    EXPECT_EQ(state.PhaseTick, event ? 1 : 0); // an event takes the whole day
    EXPECT_EQ(outcome.picture->pose, event ? HeroinePose::Event : HeroinePose::Ordinary);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, MorningEvents,
    testing::Values(MorningCase{"Age16NeverMarries", 36, 5, 0, 0, 0.0f, 0.9f, 0, 2},
                    MorningCase{"Age17Marries", 37, 5, 0, 0, 0.19f, 0.9f, Married, 1},
                    MorningCase{"DrawOfExactlyTwoTenthsFails", 37, 5, 0, 0, 0.2f, 0.9f, 0, 2},
                    MorningCase{"CharmFourFails", 37, 4, 0, 0, 0.0f, 0.9f, 0, 2},
                    MorningCase{"MarriedOnlyOnce", 60, 5, 0, Married, 0.0f, 0.9f, Married, 2},
                    MorningCase{"ChildAt20", 49, 0, 5, Married, 0.9f, 0.19f, Married | Mother, 2},
                    MorningCase{"NoChildAt19", 48, 0, 5, Married, 0.9f, 0.0f, Married, 2},
                    MorningCase{"ChildNeedsLove5", 49, 0, 4, Married, 0.9f, 0.0f, Married, 2},
                    MorningCase{"ChildNeedsMarriage", 49, 0, 5, 0, 0.9f, 0.0f, 0, 2},
                    MorningCase{"OnlyOneChild", 49, 0, 5, Married | Mother, 0.9f, 0.0f, Married | Mother, 2},
                    MorningCase{"MarriageComesFirst", 49, 5, 5, 0, 0.0f, 0.0f, Married, 1}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Morning, TextsOfBothGames)
{
    struct Row { bool second; Int16 year, stamina, flags; float draw; const char16_t *text; };
    const std::vector<Row> rows{
        {false, 40, 3, 0, 0.0f, u"ことぶは素敵な彼氏をみつけ、結婚した。夫は名をパラレルといい、東方の戦士であった。よき伴侶となるであろう。"},
        {true, 40, 3, 0, 0.0f, u"ハルーネンは、傷ついたときに通った隣村の医者、ボルテンと恋に落ち、ついに２人は結婚をした。幸せな家庭を築くであろう。"},
        {false, 49, 3, Married, 0.0f, u"ことぶは、かわいい女の子をもうけた。「ハルーネン」と名付けられたその女の子は２人に守られすくすくと育った。"},
        {true, 49, 3, Married, 0.0f, u"ハルーネンは、かわいい娘をもうけた。ハルーネンとボルテンはその子にリックルと名付けた。元気な可愛い子に育つであろう。"},
        {false, 0, 1, 0, 0.9f, u"朝になった。ことぶは冒険に出かけた。"},
        {true, 0, 1, 0, 0.9f, u"朝になった。ハルーネンは修行のために森へ出かけた。"},
        {false, 0, 0, 0, 0.9f, u"ことぶは病気で動けない。かわいそうに…"},
        {true, 0, 0, 0, 0.9f, u"ハルーネンは病気にかかり、動けない。かわいそうに…"},
    };
    for (const Row &row : rows) {
        GameState state = loadedState(row.second);
        state.Year = row.year;
        state.Charm = state.Love = 5;
        state.Stamina = row.stamina;
        state.EventFlags = row.flags;
        ScriptedRandom random{row.draw, row.draw};
        EXPECT_EQ(*Morning(state, random).message, s(row.text));
    }
}

TEST(Morning, IllnessHealsAPointADayUntilPastMinusFive)
{
    struct Row { Int16 flags; std::vector<int> mornings; const char16_t *help; };
    const std::vector<Row> rows{
        {0, {-9, -8, -7, -6, -5, 5, 5}, nullptr},
        // The husband's care adds a point every morning.
        {Married, {-8, -6, 5, 5}, u"しかし、優しい夫に見守られ、奇跡的に回復力を増している。"},
    };
    for (const Row &row : rows) {
        GameState state = loadedState();
        state.Stamina = -10;
        state.EventFlags = row.flags;
        for (size_t day = 0; day < row.mornings.size(); ++day) {
            const bool ill = state.Stamina <= 0;
            const Int16 tick = state.PhaseTick;
            ScriptedRandom random{0.9f, 0.9f};
            const PhaseOutcome outcome = Morning(state, random);
            EXPECT_EQ(state.Stamina, row.mornings[day]) << "morning " << day;
            EXPECT_EQ(state.PhaseTick, tick + (ill ? 1 : 0));
            EXPECT_EQ(*outcome.windowIcon, ill ? DayIcon::Illness : DayIcon::Morning);
            if (ill && row.help) {
                EXPECT_EQ(*outcome.message, QStringLiteral("ことぶは病気で動けない。かわいそうに…") + LB + s(row.help));
            }
        }
    }
}

TEST(Night, TitleLineMessageAndTheMothersBonus)
{
    GameState first = loadedState();
    first.Experience = 12;
    const PhaseOutcome plain = Night(first);
    EXPECT_EQ(*plain.titleLine, QStringLiteral("ことぶ　8才　／　経験値 12"));
    EXPECT_EQ(*plain.message, QStringLiteral("夜になった。ことぶは、ぐーぐー寝ている。"));
    EXPECT_EQ(plain.picture->icon, DayIcon::Night);

    struct Row { Int16 flags, charm, charmAfter; };
    for (const Row &row : std::vector<Row>{{Married | Mother, 4, 5}, {Married | Mother, -2, -1},
                                           {Married | Mother, 5, 5}, {Married, 4, 4}}) {
        GameState state = loadedState(true);
        state.Year = 37;
        state.Experience = -3;
        state.EventFlags = row.flags;
        state.Charm = row.charm;
        const PhaseOutcome outcome = Night(state);
        EXPECT_EQ(*outcome.titleLine, QStringLiteral("ハルーネン　17才　／　経験値 -3"));
        EXPECT_EQ(state.Year, 37); // the day loop counts the year, not the night
        EXPECT_EQ(state.Charm, row.charmAfter);
        QString expected = QStringLiteral("夜になった。ハルーネンは静かに、眠りについている。");
        if (row.charmAfter != row.charm)
            expected += LB + QStringLiteral("ハルーネンの大きな愛情が娘のリックルにそそがれ、ハルーネンの魅力が増えた。");
        EXPECT_EQ(*outcome.message, expected);
        EXPECT_EQ(*outcome.statusLine, StatusLine(state)); // built after the bonus
    }
}

// The night the title line's age moves on (once in four) is her birthday,
// which a blind player is told; other nights, and the very first, say nothing.
TEST(Night, HerBirthdayIsSpokenTheNightTheAgeMovesOn)
{
    for (Int16 year : {0, 1, 79, 81, 83}) {
        GameState state = loadedState();
        state.Year = year;
        EXPECT_FALSE(Night(state).spoken) << "year " << year;
    }
    GameState first = loadedState();
    first.Year = 80;
    EXPECT_EQ(Night(first).spoken, QStringLiteral("ことぶは28才になった。"));
    GameState second = loadedState(true);
    second.Year = 4;
    EXPECT_EQ(Night(second).spoken, QStringLiteral("ハルーネンは9才になった。"));
}

TEST(StatusLine, ShowsAttributesAndLifeEvents)
{
    GameState state = loadedState();
    state.Stamina = -3;
    state.Love = 2;
    state.Information = 5;
    state.Charm = -1;
    EXPECT_EQ(StatusLine(state), QStringLiteral(" 体力：-1    愛情：2    情報力：5") + LB + QStringLiteral("  知識：0    魅力：-1"));
    state.Stamina = 12;
    state.EventFlags = Married | Mother;
    EXPECT_EQ(StatusLine(state),
              QStringLiteral(" 体力：12    愛情：2    情報力：5") + LB + QStringLiteral("  知識：0    魅力：-1    既婚／一児の母"));
}
