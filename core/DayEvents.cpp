// Placeholder until the rules land.
#include "DayEvents.h"
namespace kotebu {
PhaseOutcome Morning(GameState &, RandomSource &) { return {}; }
PhaseOutcome Night(GameState &) { return {}; }
QString StatusLine(const GameState &) { return {}; }
}
