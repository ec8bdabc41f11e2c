#pragma once

#include "GameState.h"

#include <QString>

#include <array>

namespace kotebu {

// Everything about one monster: a row of its game's roster. The texts are
// in the source language, Japanese (context "Roster"); rosterName() and the
// enemy book give them in the player's.
struct RosterRow {
    const char *name;        // as the encounter names it
    const char *image;       // picture code: folder + code + ".KB2"
    Int16 level;
    const char *bookName;    // the enemy viewer's own name (a few differ slightly)
    const char *description; // the enemy viewer's page
};

constexpr int RosterSize = 15;
constexpr int BossRow = 13;
constexpr int SpecialRow = 14;

const std::array<RosterRow, RosterSize> &roster(bool secondGame);

// The monster's name as the encounter gives it, in the player's language.
QString rosterName(const RosterRow &row);

// The file a row's picture is read from inside its game's picture folder.
QString pictureFile(const RosterRow &row);

// The boss's picture file: the one a game's picture folder is known by.
QString bossPicture(bool secondGame);

} // namespace kotebu
