#include "SafeSave.h"

#include "Platform.h"
#include "SafeSaveSystem.h"

#include <QCoreApplication>
#include <QFile>
#include <QDir>
#include <QFileInfo>

namespace kotebu {

namespace {

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
    return disk::removeInTheWay(file.fileName()) && file.open(QIODevice::WriteOnly | QIODevice::NewOnly);
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
    bool ok = file.write(bytes.data(), bytes.size()) == bytes.size() && file.flush() && disk::flushToDisk(file);
    if (ok)
        disk::keepModeOf(target, file);
    file.close();
    ok = ok && file.error() == QFileDevice::NoError && disk::replaceWith(temporary, target);
    if (!ok) {
        QFile::remove(temporary);
        return false;
    }
    disk::syncFolderOf(target);
    return true;
}

void reportNotSaved(const QString &fileName)
{
    showMessageAndEnd(QCoreApplication::translate("SafeSave", "%1 を保存できませんでした").arg(fileName), MessageIcon::Critical);
}

} // namespace kotebu
