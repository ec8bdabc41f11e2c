#include "Lyrics.h"
#include "ThemeWords.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>

using namespace kotebu;

namespace {

struct ReplyRow {
    const char *name;
    QString reply;
    int step;
};

class PositionReply : public ::testing::TestWithParam<ReplyRow> {};

TEST_P(PositionReply, LeadingDigitsGiveTheStep)
{
    EXPECT_EQ(lyricStep(GetParam().reply), GetParam().step);
}

INSTANTIATE_TEST_SUITE_P(Replies, PositionReply,
    ::testing::Values(
        ReplyRow{"Empty", QString(), 0},
        ReplyRow{"NotANumber", QStringLiteral("abc"), 0},
        ReplyRow{"Zero", QStringLiteral("0"), 0},
        ReplyRow{"JustBeforeLineOne", QStringLiteral("69"), 6},
        ReplyRow{"FirstOfStepSeven", QStringLiteral("70"), 7},
        ReplyRow{"LastOfStepSeven", QStringLiteral("79"), 7},
        ReplyRow{"TheEnd", QStringLiteral("1485"), 148},
        ReplyRow{"DigitsThenJunk", QStringLiteral("583:12"), 58},
        ReplyRow{"LeadingBlanks", QStringLiteral("  130"), 13},
        ReplyRow{"SignIsNotADigit", QStringLiteral("-70"), 0},
        // A reply far too long for any integer must not wrap round onto a cue.
        ReplyRow{"Enormous", QStringLiteral("99999999999999999999999"), INT_MAX / 10}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(LyricSchedule, LinesAreNumberedInTheOrderTheyAreFirstSung)
{
    int highest = 0;
    std::set<int> used;
    for (const LyricCue &cue : LyricSchedule) {
        if (cue.kind != LyricKind::Line)
            continue;
        if (!used.count(cue.line)) {
            EXPECT_EQ(cue.line, highest + 1) << "at step " << cue.step;
            highest = cue.line;
        }
        used.insert(cue.line);
    }
    EXPECT_EQ(highest, ThemeLineCount);
}

struct StepRow {
    int step;
    QString text; // expected when the step is a cue
    bool cue;
};

TEST(LyricSchedule, OnlyExactStepsChangeTheLine)
{
    const std::vector<StepRow> rows = {
        {0, {}, false},
        {1, QStringLiteral("＜＜いっしょに歌おう！KoTeBuﾃｰﾏ曲「闘いの女神」！＞＞"), true},
        {2, {}, false},
        {6, {}, false},
        {7, themeLine(1), true},
        {8, {}, false},
        {52, themeLine(8), true},
        {58, QString(), true}, // clears the line
        {75, themeLine(5), true},
        {103, themeCreditBanner(), true},
        {109, themeRightsBanner(), true},
        {142, themeLine(13), true},
        {148, QStringLiteral("＜＜　おわり　＞＞"), true},
        {149, {}, false},
        {1480, {}, false},
    };
    for (const StepRow &row : rows) {
        const auto text = lyricForStep(row.step);
        ASSERT_EQ(text.has_value(), row.cue) << "step " << row.step;
        if (row.cue) {
            EXPECT_EQ(*text, row.text) << "step " << row.step;
        }
    }

    int cues = 0;
    for (int step = -5; step < 400; ++step)
        cues += lyricForStep(step).has_value();
    EXPECT_EQ(cues, LyricCueCount);
}

} // namespace
