// The end of the session on Linux: SIGTERM and SIGHUP, taken through a pipe
// to the event loop.
#include "SessionEnd.h"

#include <QCoreApplication>
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

} // namespace

void installSystemSessionEnd()
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
}

} // namespace kotebu
