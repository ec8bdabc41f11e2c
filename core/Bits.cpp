#include "Bits.h"

#include <cstdint>

namespace kotebu {

namespace {
bool validBit(int n) { return n >= 0 && n <= 15; }
std::uint16_t mask(int n) { return static_cast<std::uint16_t>(1u << n); }
} // namespace

Int16 BitTest(Int16 value, int n)
{
    if (!validBit(n))
        return False;
    return (static_cast<std::uint16_t>(value) & mask(n)) != 0 ? True : False;
}

void BitSet(Int16 &variable, int n, int state)
{
    if (!validBit(n))
        return;
    auto bits = static_cast<std::uint16_t>(variable);
    bits = state == 1 ? static_cast<std::uint16_t>(bits | mask(n))
                      : static_cast<std::uint16_t>(bits & ~mask(n));
    variable = static_cast<Int16>(bits);
}

} // namespace kotebu
