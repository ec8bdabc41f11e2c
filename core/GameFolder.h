#pragma once

#include <QString>

namespace kotebu {

// The player's game folder: the settings, the saved games and the files a
// player may replace (pictures, the theme, sounds), seeded from the shipped
// files on the first start and never overwritten after, so a saved game
// survives updates. On Linux the launcher script makes it; on Windows the
// program itself does (app/EnterGameFolderWindows.cpp).

// The folder to play in: KOTEBU_GAME_DIR when set, else playersGameFolder().
QString gameFolder();

// The player's own folder for the game by the system's custom: under
// XDG_DATA_HOME on Linux, under %APPDATA% on Windows (System*.cpp).
QString playersGameFolder();

// Makes `folder` and copies into it every file and folder of `shipped` it
// does not hold yet; nothing already there is overwritten, and what is copied
// is the player's to change. A state file is made from the start template
// when there is none: a link pointing nowhere is the player's and stays.
// False when the folder cannot be made.
bool seedGameFolder(const QString &folder, const QString &shipped);

} // namespace kotebu
