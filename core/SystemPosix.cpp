// Where the game's files live on Linux and the other POSIX systems.
#include "FileNames.h"
#include "GameFolder.h"

#include <QDir>

namespace kotebu {

QChar folderSeparator()
{
    return QLatin1Char('/');
}

QString playersGameFolder()
{
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty())
        data = QDir::homePath() + QStringLiteral("/.local/share");
    return data + QStringLiteral("/kotebu-special-pack");
}

} // namespace kotebu
