#pragma once

#include "GameState.h"

namespace kotebu {

// Bits are numbered from 0. Bit 15 (the sign bit) is supported as well; bit
// numbers outside 0..15 test as clear and change nothing.
Int16 BitTest(Int16 value, int n);
void BitSet(Int16 &variable, int n, int state);

} // namespace kotebu
