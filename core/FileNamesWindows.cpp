// Where the game's files live on Windows: folders end with "\" as the
// original writes them, and each player's game folder is in the roaming
// application data, which follows the player from one machine to another.
#include "FileNames.h"
#include "GameFolder.h"

#include <QDir>

namespace kotebu {

QChar folderSeparator()
{
    return QLatin1Char('\\');
}

QString playersGameFolder()
{
    QString data = qEnvironmentVariable("APPDATA");
    if (data.isEmpty())
        data = QDir::homePath() + QStringLiteral("/AppData/Roaming");
    return QDir::fromNativeSeparators(data) + QStringLiteral("/kotebu-special-pack");
}

} // namespace kotebu
