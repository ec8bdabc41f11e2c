// How long the end of a day's play takes: the seven durable key writes of
// SaveDay, measured on a state file of the usual size in a folder on disk.
//   ini_saveday_bench [folder] [rounds]
#include "GameState.h"
#include "GameStore.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char **argv)
{
    const QString parent = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 50;
    QTemporaryDir dir(parent + QStringLiteral("/ini_saveday_XXXXXX"));
    if (!dir.isValid() || !QDir::setCurrent(dir.path()))
        return 1;

    QByteArray file = "[Pack]\r\nKoTeBuPath=/home/player/pictures/one/\r\nKoTeBu2Path=/home/player/pictures/two/\r\n";
    for (const char *section : {"KoTeBu", "KoTeBu2"}) {
        file += QByteArray("[") + section + "]\r\nGaming=ON\r\n";
        for (const char *key : {"KotebuYear", "KotebuEx", "Tairyoku", "Chiryoku", "Joho", "Aijo", "Miryoku"})
            file += QByteArray(key) + "=0\r\n";
        file += "TimeOfDay=3000\r\nICONIC=OFF\r\nDemoSkip=OFF\r\n";
    }
    QFile out(QStringLiteral("KTBSP.INI"));
    if (!out.open(QIODevice::WriteOnly) || out.write(file) != file.size())
        return 1;
    out.close();

    kotebu::GameState state;
    std::vector<double> ms;
    for (int round = 0; round < rounds; ++round) {
        // New values every round, so every one of the seven writes really saves.
        state.Year = kotebu::Int16(round + 1);
        state.Experience = state.Stamina = state.Knowledge = state.Information = state.Love = state.Charm = state.Year;
        QElapsedTimer timer;
        timer.start();
        kotebu::SaveDay(state);
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("SaveDay (7 writes) over %d rounds: median %.2f ms, 90%% %.2f ms, max %.2f ms\n", rounds,
                ms[ms.size() / 2], ms[ms.size() * 9 / 10], ms.back());
    return 0;
}
