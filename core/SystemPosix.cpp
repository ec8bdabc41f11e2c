// What the game takes from Linux and the other POSIX systems: where its
// files live, and its timers.
#include "FileNames.h"
#include "GameFolder.h"
#include "Platform.h"

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

Qt::TimerType accurateTimer()
{
    return Qt::PreciseTimer;
}

} // namespace kotebu
