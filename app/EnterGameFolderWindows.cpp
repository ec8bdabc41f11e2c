#include "EnterGameFolder.h"

#include "GameFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace kotebu {

// Windows starts a program wherever its shortcut says, and the installed
// files beside it belong to the machine, not to the player: the game plays
// in the player's own folder, seeded from "game" beside the program. A folder
// that cannot be made leaves the game where it was started, and it says so
// when it finds no settings there.
void enterGameFolder()
{
    const QString folder = gameFolder();
    if (seedGameFolder(folder, QCoreApplication::applicationDirPath() + QStringLiteral("/game")))
        QDir::setCurrent(folder);
}

} // namespace kotebu
