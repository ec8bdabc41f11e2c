#pragma once

#include "GameState.h"

#include <QString>

#include <memory>

namespace kotebu {

class Form1;

// The whole run: folder check, logo, selector, new game, story, start screen,
// loading, and the day loop until the ending window. Returns only when the
// ending window was closed by its frame; the main window it hands back stays
// on screen (its clock still ticks, driving nothing) until the player ends
// the day from it.
std::unique_ptr<Form1> Main();

// One phase of the day as the clock signalled it: the night (the care items,
// the night, a quarter year older), the morning or an encounter; other values
// do nothing.
void RunPhase(Form1 &window, Int16 phase);

// The day loop, until the game ends: each round arms the window's day clock
// at the game's stored day length, shows the window, waits for the phase the
// clock signals and runs it.
void RunDays(Form1 &window);

} // namespace kotebu
