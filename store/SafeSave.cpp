#include "SafeSave.h"

#include "Platform.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <cstdio>
#include <fcntl.h>
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

} // namespace

bool replaceFileWhole(const QString &target, const QString &temporary, QByteArrayView bytes)
{
    QFile file(temporary);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        // A left-over temporary file that cannot be overwritten is in the way:
        // it holds nothing of value, so it goes and the open is tried again.
        if (!QFileInfo(temporary).isFile() || !QFile::remove(temporary)
            || !file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
    }
    bool ok = file.write(bytes.data(), bytes.size()) == bytes.size() && file.flush() && syncToDisk(file.handle());
    file.close();
    ok = ok && file.error() == QFileDevice::NoError;

    if (ok) {
        // The player's own rights on the file survive the rewrite.
        const QFileInfo old(target);
        if (old.exists())
            QFile::setPermissions(temporary, old.permissions());
        ok = renameOver(temporary, target);
    }
    if (!ok) {
        QFile::remove(temporary);
        return false;
    }
    syncFolderOf(target);
    return true;
}

void reportNotSaved(const QString &fileName)
{
    MessageRequest request;
    request.text = fileName + QStringLiteral(" を保存できませんでした");
    request.icon = MessageIcon::Critical;
    messageBoxes().show(request);
    endProgram();
}

} // namespace kotebu
