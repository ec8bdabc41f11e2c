#include "DayClock.h"

#include "Numbers.h"

#include <cmath>
#include <limits>

namespace kotebu {

Int16 nextPhaseTick(Int16 tick)
{
    constexpr int top = std::numeric_limits<Int16>::max();
    return static_cast<Int16>(tick < top ? tick + 1 : (top + 1) % 3);
}

void advanceDayClock(GameState &state)
{
    if (state.Paused)
        return;
    state.PhaseTick = nextPhaseTick(state.PhaseTick);
    // Counts 0, 1, 2 stand for the night, the morning and the adventure.
    state.NextPhase = static_cast<Int16>((state.PhaseTick % 3 + 3) % 3 + Phase::Night);
}

int dayClockInterval(const QString &storedValue)
{
    const std::optional<double> value = leadingNumber(storedValue);
    if (!value || std::isnan(*value) || *value <= 0.0)
        return DefaultDayMs;
    const double rounded = std::nearbyint(*value); // halves to even
    if (rounded < ShortestDayMs)
        return ShortestDayMs;
    if (rounded > LongestDayMs)
        return LongestDayMs;
    return static_cast<int>(rounded);
}

} // namespace kotebu
