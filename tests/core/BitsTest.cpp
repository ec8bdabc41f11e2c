#include "Bits.h"

#include <gtest/gtest.h>

using namespace kotebu;

TEST(Bits, TestReadsSingleBitsOfAValue)
{
    EXPECT_EQ(BitTest(6, 1), True);
    EXPECT_EQ(BitTest(6, 2), True);
    EXPECT_EQ(BitTest(6, 0), False);
}

TEST(Bits, SetOnlyAStateOfOneSetsTheBit)
{
    Int16 flags = 0;
    BitSet(flags, 2, 1);
    EXPECT_EQ(flags, 4);

    flags = 6;
    BitSet(flags, 1, 0);
    EXPECT_EQ(flags, 4);

    // Any state but 1 clears, as 0 does.
    flags = 6;
    BitSet(flags, 1, 2);
    EXPECT_EQ(flags, 4);
}

TEST(Bits, SignBitIsSupportedAndOutOfRangeBitsAreIgnored)
{
    Int16 flags = 0;
    BitSet(flags, 15, 1);
    EXPECT_EQ(flags, -32768);
    EXPECT_EQ(BitTest(flags, 15), True);
    BitSet(flags, 15, 0);
    EXPECT_EQ(flags, 0);

    BitSet(flags, 16, 1);
    BitSet(flags, -1, 1);
    EXPECT_EQ(flags, 0);
    EXPECT_EQ(BitTest(-1, 16), False);
}
