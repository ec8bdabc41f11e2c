#pragma once

#include <QSize>
#include <QString>

namespace kotebu {

// What the platform decides sits behind these small interfaces, so tests can
// replace each of them: the time of day, message boxes, ending the program at
// once and the screen size. The program installs the widget implementations at
// start-up (see installWidgetPlatform()); until then the plain defaults below
// serve, which need no window system.

class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since midnight, with the fraction.
    virtual double secondsSinceMidnight() const = 0;
};

enum class MessageIcon { None, Information, Warning, Critical, Question };
// The buttons show in the order named, on every desktop.
enum class MessageButtons { Ok, YesNo, RetryBackEnd };
enum class MessageResult { Ok, Yes, No, Retry, Back, End };

struct MessageRequest {
    QString title;   // empty: the application title
    QString text;    // may hold the game's LF CR line breaks
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    MessageResult defaultButton = MessageResult::Ok;
};

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows the box modally and returns the button pressed.
    virtual MessageResult show(const MessageRequest &request) = 0;
};

class ProgramExit {
public:
    virtual ~ProgramExit() = default;
    // Ends the program at once: no window closes in order and no further code
    // of the game runs. Implementations used by the program never return.
    virtual void exitNow(int code) = 0;
};

class Screen {
public:
    virtual ~Screen() = default;
    // The size of the screen in pixels.
    virtual QSize size() const = 0;
};

Clock &clock();
MessageBoxes &messageBoxes();
ProgramExit &programExit();
Screen &screen();

// How fast the logo, the day clock and Wait() run: 1 is real time, 0.01 a
// hundred times faster. Tests of whole games turn it down, so the start-up
// and the days pass quickly and still in their order.
double timeScale();
void setTimeScale(double scale);
// A timer interval of the game at the current scale, never below 1 ms.
int scaledMs(int ms);

// The kind of timer the game's waits and animations run on: the most
// accurate the system wakes its event loop for (System*.cpp).
Qt::TimerType accurateTimer();

// nullptr brings the default back.
void setClock(Clock *);
void setMessageBoxes(MessageBoxes *);
void setProgramExit(ProgramExit *);
void setScreen(Screen *);

// Ends the program through the installed seam. When a test's seam returns
// instead of ending, this throws ProgramEnded so that no further game code runs.
[[noreturn]] void endProgram(int code = 0);

struct ProgramEnded {
    int code = 0;
};

// The message of a fault the game cannot go on from, then the end of the
// program with status 0.
[[noreturn]] void showMessageAndEnd(const QString &text, MessageIcon icon);

// The title of message boxes that do not name their own.
QString applicationTitle();

} // namespace kotebu
