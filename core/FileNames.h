#pragma once

#include <QString>

namespace kotebu {

// File names of the game are matched without regard to letter case, as they
// were on the file system the game was made for. Returns the path of the
// existing regular file (links followed) whose name matches `path`'s last
// part in any case (an exact match first), or an empty string when there is
// none: a FIFO, a device, a folder or a dangling link is no file. The folder
// part is taken as it stands.
QString findFileNoCase(const QString &path);

// True when findFileNoCase() finds a regular file.
bool fileExistsNoCase(const QString &path);

// The separator stored at the end of picture folders on this platform.
QChar folderSeparator();

} // namespace kotebu
