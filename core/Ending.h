#pragma once

#include "GameState.h"
#include "Outcome.h"

#include <QString>

namespace kotebu {

// 4 × (Charm + Stamina + Information + Love + Knowledge) in 16-bit arithmetic.
Int16 Score(const GameState &state);

struct EndingView {
    QString caption;       // window caption
    HeroinePose pose = HeroinePose::Defeat; // Event for a victory, Defeat otherwise
    QString text;          // narrative, line break, score or consolation
};

EndingView Ending(const GameState &state);

} // namespace kotebu
