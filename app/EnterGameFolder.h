#pragma once

namespace kotebu {

// Starts the game in the player's game folder (see GameFolder.h). On Linux
// the launcher script has made it and started the program in it already; on
// Windows the program makes it from the files installed beside it and goes
// in. Call once, first thing after the application exists.
void enterGameFolder();

} // namespace kotebu
