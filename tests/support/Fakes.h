#pragma once

#include "Platform.h"
#include "Random.h"

#include <QSize>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>

#include <deque>
#include <functional>
#include <initializer_list>
#include <vector>

namespace kotebu::test {

// Hands out the draws a test scripts, in order. Running out is a test error.
class ScriptedRandom final : public RandomSource {
public:
    ScriptedRandom(std::initializer_list<float> draws) : m_draws(draws) {}
    void push(float draw) { m_draws.push_back(draw); }
    float next() override;
    int drawsTaken() const { return m_taken; }
    bool exhausted() const { return m_draws.empty(); }

private:
    std::deque<float> m_draws;
    int m_taken = 0;
};

class FakeClock final : public Clock {
public:
    double now = 0.0;
    double secondsSinceMidnight() const override { return now; }
};

// Answers message boxes ahead of time and keeps what was asked.
class AnsweringMessageBoxes final : public MessageBoxes {
public:
    std::deque<MessageResult> answers; // empty: the default button
    std::vector<MessageRequest> asked;
    std::function<void(const MessageRequest &)> onAsk; // runs while the box would be open
    MessageResult show(const MessageRequest &request) override;
};

// Records the exit; endProgram() then throws ProgramEnded, so no game code
// runs past the point where the real program would have ended.
class RecordingExit final : public ProgramExit {
public:
    std::vector<int> codes;
    void exitNow(int code) override { codes.push_back(code); }
};

class FixedScreen final : public Screen {
public:
    QSize pixels{1024, 768};
    QSize size() const override { return pixels; }
};

// Installs every fake for one test and puts the defaults back afterwards;
// also runs the test in a fresh temporary working directory.
class Sandbox {
public:
    Sandbox();
    ~Sandbox();
    Sandbox(const Sandbox &) = delete;
    Sandbox &operator=(const Sandbox &) = delete;

    QString dir() const { return m_dir.path(); }

    // For the statement of an EXPECT_EXIT (a forked child sharing this
    // folder): the real program exit is put back, so a real click ends the
    // child where it would end the program, with the program's exit code.
    // Each message box the child is asked is written to its stderr as
    // "asked: <text>", and lastWords, when given, runs just before the end
    // to report what only the child can see.
    void exitForReal(std::function<void()> lastWords = {});
    // Writes a file in the working directory, byte for byte.
    void writeFile(const QString &name, const QByteArray &bytes) const;
    QByteArray readFile(const QString &name) const;

    FakeClock clock;
    AnsweringMessageBoxes boxes;
    RecordingExit exit;
    FixedScreen screen;

private:
    QTemporaryDir m_dir;
    QString m_oldDir;
};

// The timer a window holds under this objectName; a test failure when none.
QTimer *findTimer(const QObject &owner, const char *name);

// What the event loop does when the timer's interval runs out: its timeout
// reaches the window's own connections, without the wait.
void fireTimeout(QTimer *timer);

// The shipped game folder of the source tree.
QString shippedGameFiles();

// The processor time this process has used, in seconds, on every system
// (Windows' clock() counts the time of day instead).
double processorSeconds();

} // namespace kotebu::test
