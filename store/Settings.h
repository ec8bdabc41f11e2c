#pragma once

#include "GameState.h"

#include <QString>

#include <array>

namespace kotebu {

// The game's INI files, their sections and keys: every name is spelled in
// Settings.cpp alone, and the windows and the start-up ask the accessors
// below. A missing file or section ends the program, as every INI read does.
namespace settings {

// The base names (Ini.h adds ".INI"): the running games' values, and the
// start template a new game is rebuilt from.
QString stateFile();
QString templateFile();

// The section holding the values of the game being played.
QString gameSection(const GameState &state);

// The saved heroine values: key and member, in the order they are read and
// written.
struct HeroineKey {
    const char *key;
    Int16 GameState::*value;
};
const std::array<HeroineKey, 7> &heroineKeys();

// In the game's own section. The day length is the stored text itself: the
// day clock and the settings bar each read their own number from it.
QString dayLengthText(const GameState &state);
void setDayLength(const GameState &state, int milliseconds);
bool startMinimised(const GameState &state);
void setStartMinimised(const GameState &state, bool on);
bool skipStory(const GameState &state);
void setSkipStory(const GameState &state, bool on);
// A finished game is rebuilt from the template at the next start.
bool gameFinished(const GameState &state);
void markGameFinished(const GameState &state);

// Shared by both games. A folder ends with its separator.
QString pictureFolder(bool secondGame);
// Into the state file and the template, so a new game built from the
// template keeps them.
void setPictureFolders(const QString &first, const QString &second);

} // namespace settings

} // namespace kotebu
