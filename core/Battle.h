#pragma once

#include "GameState.h"
#include "Outcome.h"
#include "Roster.h"

namespace kotebu {

class RandomSource;

// One encounter: picks the monster, decides the fight, changes the heroine
// and ends the game when the boss is beaten or a fight is lost after 30.
// Takes exactly four draws: row shift, special row, fight, attribute.
PhaseOutcome Battle(GameState &state, RandomSource &random);

} // namespace kotebu
