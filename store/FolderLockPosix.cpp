// The folder's lock on Linux: flock() on the lock file.
#include "FolderLock.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace kotebu {

void FolderLock::takeLock()
{
    const QByteArray lockName = QFile::encodeName(lockFileName());
    const int handle = ::open(lockName.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (handle < 0)
        return;
    // flock() belongs to the open file, so the kernel lets go of it when the
    // process ends in any way: no stale lock to take over after a crash.
    if (::flock(handle, LOCK_EX | LOCK_NB) == 0) {
        m_handle = handle;
        return;
    }
    const bool held = errno == EWOULDBLOCK;
    ::close(handle);
    if (held)
        refuseSecondCopy();
}

void FolderLock::releaseLock()
{
    if (m_handle >= 0)
        ::close(static_cast<int>(m_handle));
    m_handle = -1;
}

} // namespace kotebu
