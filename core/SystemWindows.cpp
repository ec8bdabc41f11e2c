// What the game takes from Windows: where its files live (folders end with
// "\" as the original writes them, and each player's game folder is in the
// roaming application data, which follows the player from one machine to
// another), and its timers.
#include "FileNames.h"
#include "GameFolder.h"
#include "Platform.h"

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

// Qt's precise timers on Windows are multimedia timers whose thread posts
// to the event loop; under Wine (8.0, Debian 12) that post wakes no loop
// waiting for events, and a wait on such a timer alone never ends. Windows'
// own timers on the loop's thread wake it everywhere, on the system's tick
// (15.6 ms unless a theme plays): the waits check the clock anyway, and the
// logo's 200 ms frames and the story's 80 ms steps take a tick more at most.
Qt::TimerType accurateTimer()
{
    return Qt::CoarseTimer;
}

} // namespace kotebu
