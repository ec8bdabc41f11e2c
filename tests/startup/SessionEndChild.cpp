// Runs the game's session-end handler in a real process, for the test that
// ends it with a signal.
//   session_end_child <folder> play      the day loaded, one more year lived
//   session_end_child <folder> before    nothing loaded yet (the selector)
#include "GameState.h"
#include "GameStore.h"
#include "SessionEnd.h"

#include <QApplication>
#include <QDir>

#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 3 || !QDir::setCurrent(QString::fromLocal8Bit(argv[1])))
        return 2;
    kotebu::installSessionEndHandler();
    if (std::strcmp(argv[2], "play") == 0) {
        kotebu::LoadGameState(kotebu::game());
        kotebu::game().Year = static_cast<kotebu::Int16>(kotebu::game().Year + 1);
    }
    std::puts("ready");
    std::fflush(stdout);
    return QApplication::exec() == 0 ? 3 : 4; // only the handler may end it
}
