#pragma once

#include <functional>

namespace kotebu {

struct GameState;

// Seeds the generator, resets the day cycle and reads the seven heroine
// values of the selected game. `prepareDragIcons` runs at the point where the
// main window's care items get their drag pictures.
void LoadGameState(GameState &state, const std::function<void()> &prepareDragIcons = {});

// Tells the player a new game is being prepared, then rebuilds "KTBSP.INI"
// from the start template "KTBSPST.INI".
void PrepareNewGame(const GameState &state);

// The end of a day's play: the seven heroine values, in their order.
void SaveDay(const GameState &state);

} // namespace kotebu
