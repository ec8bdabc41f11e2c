#pragma once

#include "GameState.h"

namespace kotebu::test {

// A freshly loaded game as the rules see it: running, line break set, the
// night's care allowed, everything else at 0.
inline GameState loadedState(bool secondGame = false)
{
    GameState state;
    state.CrLf = gameLineBreak();
    state.SecondGame = secondGame ? True : False;
    state.GameRunning = True;
    state.LastPhase = 1;
    state.PictureFolder = QStringLiteral("pics/");
    return state;
}

} // namespace kotebu::test
