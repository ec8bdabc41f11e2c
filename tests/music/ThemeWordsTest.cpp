// The words of the theme song as the selector shows them, one line at a time
// in a single label.
#include "ThemeWords.h"

#include <gtest/gtest.h>

#include <set>

namespace kotebu {
namespace {

constexpr QChar Breath(0x3000); // the full-width space between two halves

TEST(ThemeWords, LinesOneToTwelveAreTwoHalvesSplitByOneFullWidthSpace)
{
    for (int line = 1; line <= 12; ++line) {
        const QString text = themeLine(line);
        SCOPED_TRACE("line " + std::to_string(line) + ": " + text.toStdString());
        EXPECT_EQ(text.count(Breath), 1);
        const qsizetype split = text.indexOf(Breath);
        EXPECT_GT(split, 0) << "nothing before the space";
        EXPECT_LT(split, text.size() - 1) << "nothing after the space";
        EXPECT_FALSE(text.contains(QLatin1Char(' '))) << "a half-width space slipped in";
        EXPECT_EQ(text, text.trimmed());
    }
}

TEST(ThemeWords, LineThirteenIsOneWord)
{
    const QString word = themeLine(13);
    EXPECT_FALSE(word.isEmpty());
    EXPECT_FALSE(word.contains(Breath));
    EXPECT_FALSE(word.contains(QLatin1Char(' ')));
}

TEST(ThemeWords, EveryLineIsItsOwn)
{
    // The schedule repeats lines by number; two equal lines would make a
    // change of line invisible in the karaoke label.
    std::set<QString> seen;
    for (int line = 1; line <= ThemeLineCount; ++line)
        EXPECT_TRUE(seen.insert(themeLine(line)).second) << "line " << line << " repeats";
}

TEST(ThemeWords, NumbersOutsideTheSongGiveNothing)
{
    for (int line : {-1, 0, ThemeLineCount + 1, 1000})
        EXPECT_TRUE(themeLine(line).isEmpty()) << line;
}

TEST(ThemeWords, BannersAreFramedAndNameTheWriter)
{
    const std::vector<std::pair<const char *, QString>> banners = {
        {"credit", themeCreditBanner()},
        {"rights", themeRightsBanner()},
    };
    for (const auto &[name, text] : banners) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(text.startsWith(QStringLiteral("＜＜")));
        EXPECT_TRUE(text.endsWith(QStringLiteral("＞＞")));
        EXPECT_GT(text.size(), 6) << "an empty frame";
        EXPECT_TRUE(text.contains(QStringLiteral("チーム・ハルカゼ")));
    }
    EXPECT_NE(themeCreditBanner(), themeRightsBanner());
}

} // namespace
} // namespace kotebu
