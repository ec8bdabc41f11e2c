#pragma once

#include "GameState.h"

#include <QString>

namespace kotebu {

// The enemy viewer's name and description of a roster row (they differ
// slightly from the roster's display names). Out-of-range rows give empty
// texts.
QString enemyBookName(bool secondGame, int row);
QString enemyBookDescription(bool secondGame, int row);

// The viewer opens only right after a fight, and only for a heroine whose
// Information is exactly 5.
bool enemyViewerAllowed(const GameState &state);

} // namespace kotebu
