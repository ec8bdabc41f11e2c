#include "SafeSave.h"

#include "Platform.h"

#include <QCoreApplication>
#include <QFile>
#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kotebu {

namespace {

bool syncToDisk(int handle)
{
#ifdef Q_OS_WIN
    return _commit(handle) == 0;
#else
    // fdatasync is enough: the size is data, and the name comes with the rename.
    return ::fdatasync(handle) == 0;
#endif
}

bool renameOver(const QString &from, const QString &to)
{
#ifdef Q_OS_WIN
    return MoveFileExW(reinterpret_cast<LPCWSTR>(from.utf16()), reinterpret_cast<LPCWSTR>(to.utf16()),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
#endif
}

// The new name only lasts a power cut once the folder itself is on disk.
void syncFolderOf(const QString &path)
{
#ifndef Q_OS_WIN
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int handle = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0)
        return;
    ::fsync(handle);
    ::close(handle);
#else
    Q_UNUSED(path);
#endif
}

// The player's own rights on the file survive the rewrite. The mode is
// copied as the file system holds it: QFileInfo's permissions mix in what the
// current user may do, which would make a read-only file writable again for
// its owner. Set through the open file, never through a name.
void keepModeOf(const QString &original, QFile &copy)
{
#ifdef Q_OS_WIN
    const QFileInfo old(original);
    if (old.exists())
        copy.setPermissions(old.permissions());
#else
    struct stat status {};
    if (::stat(QFile::encodeName(original).constData(), &status) == 0)
        ::fchmod(copy.handle(), status.st_mode & 07777);
#endif
}

// Where the bytes of `path` really live: a symbolic link is followed to the
// file it names, also when that file does not exist yet (a save linked into
// a synced folder whose copy was deleted stays a link). Empty for a loop.
QString linkDestination(const QString &path)
{
    QString at = path;
    for (int hop = 0; hop < 40; ++hop) {
        const QFileInfo info(at);
        if (!info.isSymLink())
            return at;
        at = info.symLinkTarget();
    }
    return {};
}

// Creates `temporary` for writing, only as a new file: never through a link
// or into a FIFO that has its name. Whatever already holds the name (a file
// left by a save that was cut short, a link) is the game's own scratch name
// and goes first; removing a link never touches what it points at.
bool createFresh(QFile &file)
{
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return true;
    const QFileInfo inTheWay(file.fileName());
    if (!inTheWay.isSymLink() && (!inTheWay.exists() || inTheWay.isDir()))
        return false;
    return QFile::remove(file.fileName()) && file.open(QIODevice::WriteOnly | QIODevice::NewOnly);
}

// The file a save replaces and the temporary file it goes through. A save
// linked into another folder (a synced one, say) stays a link: the new bytes
// go to the file it points at, and the temporary file sits beside that file
// so the rename stays within one file system. Empty names for a link loop.
struct SavePlaces {
    QString target;
    QString temporary;
};

SavePlaces savePlaces(const QString &linkOrTarget, const QString &temporaryName)
{
    if (!QFileInfo(linkOrTarget).isSymLink())
        return {linkOrTarget, temporaryName};
    const QString target = linkDestination(linkOrTarget);
    if (target.isEmpty())
        return {};
    return {target, QFileInfo(target).absoluteDir().filePath(QFileInfo(temporaryName).fileName())};
}

} // namespace

bool canReplaceFile(const QString &linkOrTarget, const QString &temporaryName)
{
    const SavePlaces places = savePlaces(linkOrTarget, temporaryName);
    if (places.target.isEmpty())
        return false;
    QFile file(places.temporary);
    if (!createFresh(file))
        return false;
    file.close();
    return file.remove();
}

bool replaceFileWhole(const QString &linkOrTarget, const QString &temporaryName, QByteArrayView bytes)
{
    const SavePlaces places = savePlaces(linkOrTarget, temporaryName);
    const QString &target = places.target;
    const QString &temporary = places.temporary;
    if (target.isEmpty())
        return false;

    QFile file(temporary);
    if (!createFresh(file))
        return false;
    bool ok = file.write(bytes.data(), bytes.size()) == bytes.size() && file.flush() && syncToDisk(file.handle());
    if (ok)
        keepModeOf(target, file);
    file.close();
    ok = ok && file.error() == QFileDevice::NoError && renameOver(temporary, target);
    if (!ok) {
        QFile::remove(temporary);
        return false;
    }
    syncFolderOf(target);
    return true;
}

void reportNotSaved(const QString &fileName)
{
    showMessageAndEnd(QCoreApplication::translate("SafeSave", "%1 を保存できませんでした").arg(fileName), MessageIcon::Critical);
}

} // namespace kotebu
