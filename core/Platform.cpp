#include "Platform.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QTime>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#define KOTEBU_LEAK_CHECK_AT_EXIT 1
#endif

namespace kotebu {

namespace {

Q_LOGGING_CATEGORY(lcPlatform, "kotebu.platform")

class SystemClock final : public Clock {
public:
    double secondsSinceMidnight() const override
    {
        return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
    }
};

// Without a window system nobody can answer: log the text and take the default.
class LoggingMessageBoxes final : public MessageBoxes {
public:
    MessageResult show(const MessageRequest &request) override
    {
        qCWarning(lcPlatform).noquote() << request.title << request.text;
        return request.defaultButton;
    }
};

class ImmediateExit final : public ProgramExit {
public:
    void exitNow(int code) override
    {
        std::fflush(nullptr);
#ifdef KOTEBU_LEAK_CHECK_AT_EXIT
        // _Exit skips the leak check the sanitizers make as a program
        // returns from main, and the game always ends here: check first, so
        // a leak fails the run (LeakSanitizer ends the process on a find).
        __lsan_do_leak_check();
#endif
        std::_Exit(code);
    }
};

class FixedScreen final : public Screen {
public:
    QSize size() const override { return {1024, 768}; }
};

SystemClock systemClock;
LoggingMessageBoxes loggingBoxes;
ImmediateExit immediateExit;
FixedScreen fixedScreen;

Clock *currentClock = nullptr;
MessageBoxes *currentBoxes = nullptr;
ProgramExit *currentExit = nullptr;
Screen *currentScreen = nullptr;
double currentTimeScale = 1.0;

} // namespace

Clock &clock() { return currentClock ? *currentClock : systemClock; }
MessageBoxes &messageBoxes() { return currentBoxes ? *currentBoxes : loggingBoxes; }
ProgramExit &programExit() { return currentExit ? *currentExit : immediateExit; }
Screen &screen() { return currentScreen ? *currentScreen : fixedScreen; }

void setClock(Clock *c) { currentClock = c; }
void setMessageBoxes(MessageBoxes *m) { currentBoxes = m; }
void setProgramExit(ProgramExit *e) { currentExit = e; }
void setScreen(Screen *s) { currentScreen = s; }

double timeScale() { return currentTimeScale; }
void setTimeScale(double scale) { currentTimeScale = scale; }

int scaledMs(int ms)
{
    return std::max(1, static_cast<int>(std::lround(ms * currentTimeScale)));
}

void endProgram(int code)
{
    programExit().exitNow(code);
    throw ProgramEnded{code};
}

void showMessageAndEnd(const QString &text, MessageIcon icon)
{
    MessageRequest request;
    request.text = text;
    request.icon = icon;
    messageBoxes().show(request);
    endProgram(0);
}

QString applicationTitle()
{
    return QCoreApplication::translate("Platform", "KoTeBu Special Pack");
}

} // namespace kotebu
