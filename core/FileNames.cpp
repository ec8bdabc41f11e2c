#include "FileNames.h"

#include <QDirIterator>
#include <QFileInfo>

namespace kotebu {

QString findFileNoCase(const QString &path)
{
    // A NUL ends the name where the system reads it, so "pics\0x/" would
    // search "pics", and a lone surrogate reaches the system as the
    // replacement character, the name of another file: such a name names
    // nothing.
    if (path.isEmpty() || path.contains(QChar(0)) || !path.isValidUtf16())
        return {};
    // Only a regular file, links followed, is a file to the game: a FIFO or a
    // device would block the first read for good.
    if (QFileInfo(path).isFile())
        return path;

    const int cut = path.lastIndexOf(folderSeparator());
    const QString name = cut < 0 ? path : path.mid(cut + 1);
    if (name.isEmpty())
        return {};
    const QString prefix = cut < 0 ? QString() : path.left(cut + 1);
    const QString folder = cut < 0 ? QStringLiteral(".") : prefix;

    // Walk the folder once and stop at the first regular file whose name
    // matches; name filters would take "[" or "*" in a file name for
    // wildcards.
    QDirIterator it(folder, QDir::Files | QDir::Hidden);
    while (it.hasNext()) {
        it.next();
        if (it.fileName().compare(name, Qt::CaseInsensitive) == 0 && QFileInfo(it.filePath()).isFile())
            return prefix + it.fileName();
    }
    return {};
}

bool fileExistsNoCase(const QString &path)
{
    return !findFileNoCase(path).isEmpty();
}

} // namespace kotebu
