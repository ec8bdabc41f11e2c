// Saves KTBSP.INI over and over until it is killed, for the test that kills
// a save midway.
//   ini_writer_child <folder> write    one key, flipping between a short and a long value
//   ini_writer_child <folder> saveday  the seven values of a day, flipping between two days
//   ini_writer_child <folder> lock     holds the game folder's lock, saving nothing
#include "FolderLock.h"
#include "GameStore.h"
#include "Ini.h"
#include "KillDays.h"

#include <QDir>
#include <QString>

#include <cstdio>
#include <cstring>
#include <chrono>
#include <thread>

int main(int argc, char **argv)
{
    if (argc < 3 || !QDir::setCurrent(QString::fromLocal8Bit(argv[1])))
        return 2;
    if (std::strcmp(argv[2], "lock") == 0) {
        const kotebu::FolderLock lock;
        std::puts("ready");
        std::fflush(stdout);
        for (;;)
            std::this_thread::sleep_for(std::chrono::hours(1));
    }
    const bool saveDay = std::strcmp(argv[2], "saveday") == 0;
    const QString shortValue = QStringLiteral("short");
    const QString longValue(20000, QLatin1Char('L'));
    const auto days = killTestDays();
    std::puts("ready");
    std::fflush(stdout);
    for (unsigned round = 0;; ++round) {
        if (saveDay)
            kotebu::SaveDay(days[round % 2]);
        else
            kotebu::WriteIni(QStringLiteral("KTBSP"), QStringLiteral("KoTeBu"), QStringLiteral("Joho"),
                             round % 2 ? longValue : shortValue);
    }
}
