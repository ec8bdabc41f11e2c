// A whole-file save on Linux: fdatasync, rename, fsync of the folder.
#include "SafeSaveSystem.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kotebu::disk {

bool flushToDisk(QFile &file)
{
    // fdatasync is enough: the size is data, and the name comes with the rename.
    return ::fdatasync(file.handle()) == 0;
}

// The mode is copied as the file system holds it: QFileInfo's permissions
// mix in what the current user may do, which would make a read-only file
// writable again for its owner. Set through the open file, never through a
// name.
void keepModeOf(const QString &original, QFile &copy)
{
    struct stat status {};
    if (::stat(QFile::encodeName(original).constData(), &status) == 0)
        ::fchmod(copy.handle(), status.st_mode & 07777);
}

bool replaceWith(const QString &replacement, const QString &target)
{
    return std::rename(QFile::encodeName(replacement).constData(), QFile::encodeName(target).constData()) == 0;
}

void syncFolderOf(const QString &path)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int handle = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0)
        return;
    ::fsync(handle);
    ::close(handle);
}

// unlink() takes a read-only file too, in a folder the player may write.
bool removeInTheWay(const QString &path)
{
    return QFile::remove(path);
}

} // namespace kotebu::disk
