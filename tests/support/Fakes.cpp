#include "Fakes.h"

#include "GameState.h"

#include <QDir>
#include <QFile>
#include <QMetaObject>

#include <gtest/gtest.h>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

#include <cstdio>
#include <ctime>
#include <stdexcept>

namespace kotebu::test {

float ScriptedRandom::next()
{
    if (m_draws.empty())
        throw std::logic_error("the test scripted too few random draws");
    const float draw = m_draws.front();
    m_draws.pop_front();
    ++m_taken;
    return draw;
}

MessageResult AnsweringMessageBoxes::show(const MessageRequest &request)
{
    asked.push_back(request);
    if (onAsk)
        onAsk(request);
    if (answers.empty())
        return request.defaultButton;
    const MessageResult answer = answers.front();
    answers.pop_front();
    return answer;
}

Sandbox::Sandbox()
{
    m_oldDir = QDir::currentPath();
    QDir::setCurrent(m_dir.path());
    setClock(&clock);
    setMessageBoxes(&boxes);
    setProgramExit(&exit);
    setScreen(&screen);
    game() = GameState{};
}

Sandbox::~Sandbox()
{
    setClock(nullptr);
    setMessageBoxes(nullptr);
    setProgramExit(nullptr);
    setScreen(nullptr);
    setRandomSource(nullptr);
    game() = GameState{};
    QDir::setCurrent(m_oldDir);
}

void Sandbox::writeFile(const QString &name, const QByteArray &bytes) const
{
    QFile file(QDir(m_dir.path()).filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write a test file");
}

QByteArray Sandbox::readFile(const QString &name) const
{
    QFile file(QDir(m_dir.path()).filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

namespace {

class LastWordsExit final : public ProgramExit {
public:
    std::function<void()> lastWords;
    void exitNow(int code) override
    {
        if (lastWords)
            lastWords();
        setProgramExit(nullptr);
        programExit().exitNow(code);
    }
};

LastWordsExit lastWordsExit;

} // namespace

void Sandbox::exitForReal(std::function<void()> lastWords)
{
    boxes.onAsk = [report = boxes.onAsk](const MessageRequest &request) {
        std::fprintf(stderr, "asked: %s\n", request.text.toUtf8().constData());
        if (report)
            report(request);
    };
    lastWordsExit.lastWords = std::move(lastWords);
    setProgramExit(&lastWordsExit);
}

QTimer *findTimer(const QObject &owner, const char *name)
{
    auto *timer = owner.findChild<QTimer *>(QString::fromLatin1(name));
    if (!timer)
        ADD_FAILURE() << "no timer " << name;
    return timer;
}

void fireTimeout(QTimer *timer)
{
    if (!timer || !QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection))
        ADD_FAILURE() << "the timeout could not be fired";
}

QString shippedGameFiles()
{
    return qEnvironmentVariable("KOTEBU_GAME_FILES");
}

double processorSeconds()
{
#ifdef Q_OS_WIN
    FILETIME created, ended, kernel, user;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user))
        return 0;
    const auto ticks = [](const FILETIME &t) { return (quint64(t.dwHighDateTime) << 32 | t.dwLowDateTime) / 1e7; };
    return ticks(kernel) + ticks(user);
#else
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
#endif
}

} // namespace kotebu::test
