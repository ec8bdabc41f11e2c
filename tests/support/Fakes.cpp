#include "Fakes.h"

#include "GameState.h"

#include <QDir>
#include <QFile>

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

QString shippedGameFiles()
{
    return qEnvironmentVariable("KOTEBU_GAME_FILES");
}

} // namespace kotebu::test
