#pragma once

#include "GameState.h"
#include "Outcome.h"

#include <array>

namespace kotebu {

class RandomSource;

struct RosterRow {
    const char16_t *name;  // display name used in the report
    const char *image;     // picture code: folder + code + ".KB2"
    Int16 level;
};

constexpr int RosterSize = 15;
constexpr int BossRow = 13;
constexpr int SpecialRow = 14;

const std::array<RosterRow, RosterSize> &roster(bool secondGame);

// The boss's picture file name, without its folder: a picture folder holding
// it is taken to hold the game's pictures.
QString bossPictureName(bool secondGame);

// One encounter: picks the monster, decides the fight, changes the heroine
// and ends the game when the boss is beaten or a fight is lost after 30.
// Takes exactly four draws: row shift, special row, fight, attribute.
PhaseOutcome Battle(GameState &state, RandomSource &random);

} // namespace kotebu
