#include "Wait.h"

#include "GameState.h"
#include "Platform.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <cmath>

namespace kotebu {

void waitUntil(const std::function<bool()> &condition)
{
    while (!condition())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void Wait(float seconds)
{
    seconds *= static_cast<float>(timeScale());
    const float start = static_cast<float>(clock().secondsSinceMidnight());
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(accurateTimer());
    for (;;) {
        const float now1 = static_cast<float>(clock().secondsSinceMidnight());
        const float now2 = static_cast<float>(clock().secondsSinceMidnight());
        if (now2 < start || !(now1 - start < seconds))
            return;
        if (game().NextSceneRequested || game().DemoSkipRequested)
            return;
        // Sleep until an event comes or our own deadline passes.
        const float left = seconds - (now1 - start);
        wake.start(std::max(1, static_cast<int>(std::ceil(left * 1000.0f))));
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

} // namespace kotebu
