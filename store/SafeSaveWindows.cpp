// A whole-file save on Windows: the file flushed through its handle, then
// moved over the old one by MoveFileExW, written through to the disk before
// it returns. (ReplaceFileW would keep the old file's rights too, but cannot
// write through.)
#include "SafeSaveSystem.h"

#include <QDir>
#include <QFile>

#include <io.h>
#include <windows.h>

namespace kotebu::disk {

namespace {

LPCWSTR wide(const QString &native)
{
    return reinterpret_cast<LPCWSTR>(native.utf16());
}

} // namespace

bool flushToDisk(QFile &file)
{
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()));
    return handle != INVALID_HANDLE_VALUE && FlushFileBuffers(handle);
}

// A hidden or archived state file stays so. (A read-only one Windows
// refuses to replace, and the save then says it could not save.)
void keepModeOf(const QString &original, QFile &copy)
{
    const DWORD attributes = GetFileAttributesW(wide(QDir::toNativeSeparators(original)));
    if (attributes != INVALID_FILE_ATTRIBUTES)
        SetFileAttributesW(wide(QDir::toNativeSeparators(copy.fileName())), attributes & ~FILE_ATTRIBUTE_READONLY);
}

bool replaceWith(const QString &replacement, const QString &target)
{
    return MoveFileExW(wide(QDir::toNativeSeparators(replacement)), wide(QDir::toNativeSeparators(target)),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

// MOVEFILE_WRITE_THROUGH wrote the folder's entry already.
void syncFolderOf(const QString &)
{
}

// Windows refuses to delete a read-only file: its attribute goes first.
bool removeInTheWay(const QString &path)
{
    const QString native = QDir::toNativeSeparators(path);
    const DWORD attributes = GetFileAttributesW(wide(native));
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        SetFileAttributesW(wide(native), attributes & ~FILE_ATTRIBUTE_READONLY);
    return DeleteFileW(wide(native));
}

} // namespace kotebu::disk
