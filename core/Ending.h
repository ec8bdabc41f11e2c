#pragma once

#include "GameState.h"
#include "Outcome.h"

#include <QString>

namespace kotebu {

// 4 × (Charm + Stamina + Information + Love + Knowledge), held within 16 bits.
Int16 Score(const GameState &state);

struct EndingView {
    QString caption;       // window caption
    HeroinePose pose = HeroinePose::Defeat; // Event for a victory, Defeat otherwise
    QString text;          // narrative, line break, score or consolation
};

EndingView Ending(const GameState &state);

} // namespace kotebu
