#include "Main.h"

#include <gtest/gtest.h>

using namespace kotebu;

TEST(DayClockInterval, StoredDayLengthsBecomeSafeIntervals)
{
    const struct {
        const char *stored;
        int expected;
    } rows[] = {
        {"5000", 5000},
        {"60000", 60000},
        {"2500.5", 2500},   // halves go to the even neighbour
        {"2501.5", 2502},
        {"1000.4", 1000},
        {"", DefaultDayMs}, // missing: a clock that never ticks would hang the day
        {"0", DefaultDayMs},
        {"-3000", DefaultDayMs},
        {"abc", DefaultDayMs},
        {"nan", DefaultDayMs},
        {"3000ms", 3000},   // the number at the start counts, as for every stored number
        {"40", ShortestDayMs},
        {"60001", LongestDayMs},
        {"1e12", LongestDayMs},
    };
    for (const auto &row : rows)
        EXPECT_EQ(dayClockInterval(QString::fromLatin1(row.stored)), row.expected) << row.stored;
}
