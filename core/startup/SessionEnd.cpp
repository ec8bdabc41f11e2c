#include "SessionEnd.h"

#include "GameState.h"
#include "GameStore.h"
#include "Platform.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace kotebu {

namespace {

int wakePipe[2] = {-1, -1};

// Only what is safe in a signal handler: one byte down the pipe. The save
// itself runs on the user-interface thread when the notifier wakes it.
void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(wakePipe[1], &byte, 1);
}

[[noreturn]] void endSession()
{
    const GameState &state = game();
    // GameRunning is set once the day's state is loaded and cleared when the
    // game is won or lost; outside that there is nothing of the day to keep.
    if (state.GameRunning)
        endProgram(SaveDay(state) ? 0 : 1);
    endProgram(0);
}

} // namespace

void installSessionEndHandler()
{
    if (::pipe2(wakePipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    auto *notifier = new QSocketNotifier(wakePipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [notifier] {
        // A second signal during the save only adds a byte nobody reads: the
        // program ends with this one.
        notifier->setEnabled(false);
        endSession();
    });

    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGHUP, &action, nullptr);

    if (auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        QObject::connect(app, &QGuiApplication::commitDataRequest, app, [](QSessionManager &) { endSession(); });
    }
}

} // namespace kotebu
