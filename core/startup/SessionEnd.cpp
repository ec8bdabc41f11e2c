#include "SessionEnd.h"

#include "GameState.h"
#include "GameStore.h"
#include "Platform.h"

#include <QGuiApplication>
#include <QSessionManager>

namespace kotebu {

void endSession()
{
    const GameState &state = game();
    // GameRunning is set once the day's state is loaded and cleared when the
    // game is won or lost; outside that there is nothing of the day to keep.
    if (state.GameRunning)
        endProgram(SaveDay(state) ? 0 : 1);
    endProgram(0);
}

void installSessionEndHandler()
{
    installSystemSessionEnd();
    // Windows ends a session this way (WM_QUERYENDSESSION), and X11 session
    // managers that speak XSMP too.
    if (auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        QObject::connect(app, &QGuiApplication::commitDataRequest, app, [](QSessionManager &) { endSession(); });
    }
}

} // namespace kotebu
