// Placeholder until the rules land.
#include "Battle.h"
namespace kotebu {
const std::array<RosterRow, RosterSize> &roster(bool) { static std::array<RosterRow, RosterSize> r{}; return r; }
PhaseOutcome Battle(GameState &, RandomSource &) { return {}; }
}
