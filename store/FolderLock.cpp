#include "FolderLock.h"

#include "GameState.h"
#include "Platform.h"
#include "Settings.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace kotebu {

FolderLock::FolderLock()
{
    const QByteArray lockName = QFile::encodeName(settings::stateFile() + QStringLiteral(".lock"));
    m_handle = ::open(lockName.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (m_handle < 0)
        return;
    // flock() belongs to the open file, so the kernel lets go of it when the
    // process ends in any way: no stale lock to take over after a crash.
    if (::flock(m_handle, LOCK_EX | LOCK_NB) == 0)
        return;
    const bool held = errno == EWOULDBLOCK;
    ::close(m_handle);
    m_handle = -1;
    if (!held)
        return;

    showMessageAndEnd(QStringLiteral("このフォルダのゲームはもう始まっています。") + gameLineBreak()
                          + QStringLiteral("先に始めたほうで遊んでください。"),
                      MessageIcon::Warning);
}

FolderLock::~FolderLock()
{
    if (m_handle >= 0)
        ::close(m_handle);
}

} // namespace kotebu
