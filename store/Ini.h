#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace kotebu {

// The game's INI files: base name + ".INI" in the working directory, found
// without regard to letter case. Every call opens, works and closes the file.

// base + ".INI", the name the file goes by in messages too.
QString iniFileName(const QString &base);
// The temporary file a rewrite of base's file goes through, beside it.
QString iniSwapName(const QString &base);

// The value of the first line holding `key` after the header of `section`
// (the search runs on across later sections), or nullopt when no line holds
// it. A missing file or section shows its message and ends the program.
std::optional<QString> ReadIni(const QString &base, const QString &section, const QString &key);

// Replaces the first line holding `key` after the header of `section`; a key
// that is not found is not added, and the file is then left as it is. CR and
// LF are dropped from the value, so it stays on its one line. A value holding
// a lone surrogate (no text UTF-8 can carry) is not written: the key keeps its
// old value. The file is
// rewritten whole (every line ending in CR LF) and swapped in at once. A
// missing file or section shows its message and ends the program, as does a
// failure to save the file; the old file then stays whole.
void WriteIni(const QString &base, const QString &section, const QString &key, const QString &value);
void WriteIni(const QString &base, const QString &section, const QString &key, int value);

// Whether base's file could be saved now (its folder lets the temporary file
// be made). A file that is not there has nothing to save yet: true.
bool iniCanBeSaved(const QString &base);

// Several keys of one section, each replaced exactly as its own WriteIni
// would and in the order given, with the file saved to disk once: a durable
// save costs a wait for the disk, and a save of several values should not pay
// it once per value. Returns false, showing nothing, when the file could not
// be saved (the old file then stays whole), so the caller can offer a retry.
bool WriteIniKeys(const QString &base, const QString &section, const std::vector<std::pair<QString, QString>> &values);

} // namespace kotebu
