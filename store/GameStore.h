#pragma once

#include <QString>

#include <cstdint>
#include <functional>

namespace kotebu {

struct GameState;

// Seeds the generator, resets the day cycle and reads the seven heroine
// values of the selected game. `prepareDragIcons` runs at the point where the
// main window's care items get their drag pictures.
void LoadGameState(GameState &state, const std::function<void()> &prepareDragIcons = {});

// Tells the player a new game is being prepared, then rebuilds the state file
// from the start template.
void PrepareNewGame(const GameState &state);

// The end of a day's play: the seven heroine values, in their order. False
// when the file could not be written; it then stays as it was.
bool SaveDay(const GameState &state);

// A stored heroine value as a 16-bit number: the number at the start of the
// text (blanks in front allowed, a fraction and an exponent taken along),
// rounded down and held to -32768..32767. Text with no number in front is 0,
// so "12abc" is 12 and "abc" is 0.
std::int16_t storedHeroineValue(const QString &text);

} // namespace kotebu
