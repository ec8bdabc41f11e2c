#pragma once

#include <QString>

class QFile;

// The steps of a whole-file save that each system takes its own way
// (SafeSavePosix.cpp, SafeSaveWindows.cpp).
namespace kotebu::disk {

// The written bytes of the open `file` are on the disk, not in a cache.
bool flushToDisk(QFile &file);

// `copy` (still open) takes the player's own rights on `original`.
void keepModeOf(const QString &original, QFile &copy);

// `replacement` takes the place of `target` in one step: at every instant
// the name holds the old file or the new one, whole. `target` may not exist
// yet. False, with both left as they were, when it cannot.
bool replaceWith(const QString &replacement, const QString &target);

// The new name lasts a power cut: the folder's entry is on the disk too.
void syncFolderOf(const QString &path);

// Removes the file or link at `path` (a save's left-over temporary file),
// read-only or not; a link goes, never what it points at.
bool removeInTheWay(const QString &path);

} // namespace kotebu::disk
