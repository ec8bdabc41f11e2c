#pragma once

#include "GameState.h"

#include <QString>

namespace kotebu {

// One step of the day's tick count. The count is a 16-bit value that only
// matters modulo 3: past the top it starts again from the smallest value with
// the remainder the next count would have had, so the morning, adventure,
// night cycle goes on unbroken.
Int16 nextPhaseTick(Int16 tick);

// One tick of the day clock. A paused clock (any non-zero Paused) loses the
// tick; otherwise the count moves on and NextPhase names the phase it reached:
// morning, adventure and night in turn, whatever the count's sign.
void advanceDayClock(GameState &state);

// "TimeOfDay" as the day clock's interval in milliseconds: rounded to the
// nearest whole number, halves to even. The number at the start of the text
// counts, as everywhere in the game. A missing, non-numeric, zero or negative
// value takes the default day; others are held between the shortest and the
// longest day.
int dayClockInterval(const QString &storedValue);

constexpr int DefaultDayMs = 5000;
constexpr int ShortestDayMs = 100;
constexpr int LongestDayMs = 60000;

} // namespace kotebu
