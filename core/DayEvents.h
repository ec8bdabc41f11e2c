#pragma once

#include "GameState.h"
#include "Outcome.h"

namespace kotebu {

class RandomSource;

// The morning of a day: marriage, a daughter, an ordinary morning or illness.
// Draws two numbers at most (the second only when the first case fails).
PhaseOutcome Morning(GameState &state, RandomSource &random);

// The night: title line, night message, the mother's charm bonus, status line.
PhaseOutcome Night(GameState &state);

// The two-line attribute text of Label3.
QString StatusLine(const GameState &state);

} // namespace kotebu
