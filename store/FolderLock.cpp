#include "FolderLock.h"

#include "GameState.h"
#include "Ini.h"
#include "Platform.h"
#include "Settings.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace kotebu {

namespace {

// Told now, not at Exit after a whole session: the player can still choose
// another folder, or play knowing the day will not be kept.
void askWhenTheDayCannotBeKept()
{
    if (iniCanBeSaved(settings::stateFile()))
        return;
    MessageRequest question;
    question.text = QCoreApplication::translate("FolderLock", "%1 を保存できないフォルダです。")
                        .arg(iniFileName(settings::stateFile()))
        + gameLineBreak() + QCoreApplication::translate("FolderLock", "このまま遊んでも、今日の冒険は保存されません。遊びますか？");
    question.icon = MessageIcon::Warning;
    question.buttons = MessageButtons::YesNo;
    question.defaultButton = MessageResult::Yes;
    if (messageBoxes().show(question) != MessageResult::Yes)
        endProgram(0);
}

} // namespace

FolderLock::FolderLock()
{
    takeLock();
    // Only once no other copy plays here: the check makes and removes the
    // file a save goes through, which another copy's save could be using.
    askWhenTheDayCannotBeKept();
}

void FolderLock::takeLock()
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

    showMessageAndEnd(QCoreApplication::translate("FolderLock", "このフォルダのゲームはもう始まっています。") + gameLineBreak()
                          + QCoreApplication::translate("FolderLock", "先に始めたほうで遊んでください。"),
                      MessageIcon::Warning);
}

FolderLock::~FolderLock()
{
    if (m_handle >= 0)
        ::close(m_handle);
}

} // namespace kotebu
