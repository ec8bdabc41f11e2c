#include "FolderLock.h"

#include "GameState.h"
#include "Ini.h"
#include "Platform.h"
#include "Settings.h"

#include <QCoreApplication>

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

FolderLock::~FolderLock()
{
    releaseLock();
}

void FolderLock::refuseSecondCopy()
{
    showMessageAndEnd(QCoreApplication::translate("FolderLock", "このフォルダのゲームはもう始まっています。") + gameLineBreak()
                          + QCoreApplication::translate("FolderLock", "先に始めたほうで遊んでください。"),
                      MessageIcon::Warning);
}

QString FolderLock::lockFileName()
{
    return settings::stateFile() + QStringLiteral(".lock");
}

} // namespace kotebu
