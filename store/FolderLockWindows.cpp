// The folder's lock on Windows: LockFileEx on the lock file, which Windows
// lets go of when the process ends, as Linux does a flock().
#include "FolderLock.h"

#include <QDir>

#include <windows.h>

namespace kotebu {

void FolderLock::takeLock()
{
    const QString name = QDir::toNativeSeparators(lockFileName());
    // Shared for reading and writing, so the second copy can open it to be
    // refused by the lock rather than by the opening.
    const HANDLE handle = CreateFileW(reinterpret_cast<LPCWSTR>(name.utf16()), GENERIC_READ | GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return;
    OVERLAPPED whole = {};
    if (LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &whole)) {
        m_handle = reinterpret_cast<qintptr>(handle);
        return;
    }
    const bool held = GetLastError() == ERROR_LOCK_VIOLATION;
    CloseHandle(handle);
    if (held)
        refuseSecondCopy();
}

void FolderLock::releaseLock()
{
    if (m_handle != -1)
        CloseHandle(reinterpret_cast<HANDLE>(m_handle));
    m_handle = -1;
}

} // namespace kotebu
