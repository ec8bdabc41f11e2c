#include "Settings.h"

#include "Ini.h"

#include <cstddef>

namespace kotebu::settings {

namespace {

// Each game keeps its values in its own section; the picture folders of both
// games sit together.
enum class Scope { Game, Pack };

enum Key : std::size_t { DayLength, StartMinimised, SkipStory, Gaming, FirstFolder, SecondFolder, KeyCount };

struct KeyRow {
    Scope scope;
    const char *name;
};

// In Key's order. A key the file lacks reads as empty text.
constexpr std::array<KeyRow, KeyCount> Keys{{
    {Scope::Game, "TimeOfDay"},
    {Scope::Game, "ICONIC"},
    {Scope::Game, "DemoSkip"},
    {Scope::Game, "Gaming"},
    {Scope::Pack, "KoTeBuPath"},
    {Scope::Pack, "KoTeBu2Path"},
}};

constexpr std::array<HeroineKey, 7> HeroineKeys{{
    {"KotebuYear", &GameState::Year},
    {"KotebuEx", &GameState::Experience},
    {"Tairyoku", &GameState::Stamina},
    {"Chiryoku", &GameState::Knowledge},
    {"Joho", &GameState::Information},
    {"Aijo", &GameState::Love},
    {"Miryoku", &GameState::Charm},
}};

// Switches are stored as exactly "ON" or "OFF": "on" or "On" do not count.
const QString On = QStringLiteral("ON");
const QString Off = QStringLiteral("OFF");

QString sectionOf(Scope scope, bool secondGame)
{
    if (scope == Scope::Pack)
        return QStringLiteral("Pack");
    return secondGame ? QStringLiteral("KoTeBu2") : QStringLiteral("KoTeBu");
}

QString read(Key key, bool secondGame)
{
    const KeyRow &row = Keys[key];
    return ReadIni(stateFile(), sectionOf(row.scope, secondGame), QString::fromLatin1(row.name)).value_or(QString());
}

void write(const QString &file, Key key, bool secondGame, const QString &value)
{
    const KeyRow &row = Keys[key];
    WriteIni(file, sectionOf(row.scope, secondGame), QString::fromLatin1(row.name), value);
}

bool second(const GameState &state)
{
    return state.SecondGame != False;
}

} // namespace

QString stateFile()
{
    return QStringLiteral("KTBSP");
}

QString templateFile()
{
    return QStringLiteral("KTBSPST");
}

QString gameSection(const GameState &state)
{
    return sectionOf(Scope::Game, second(state));
}

const std::array<HeroineKey, 7> &heroineKeys()
{
    return HeroineKeys;
}

QString dayLengthText(const GameState &state)
{
    return read(DayLength, second(state));
}

void setDayLength(const GameState &state, int milliseconds)
{
    write(stateFile(), DayLength, second(state), QString::number(milliseconds));
}

bool startMinimised(const GameState &state)
{
    return read(StartMinimised, second(state)) == On;
}

void setStartMinimised(const GameState &state, bool on)
{
    write(stateFile(), StartMinimised, second(state), on ? On : Off);
}

bool skipStory(const GameState &state)
{
    return read(SkipStory, second(state)) == On;
}

void setSkipStory(const GameState &state, bool on)
{
    write(stateFile(), SkipStory, second(state), on ? On : Off);
}

bool gameFinished(const GameState &state)
{
    return read(Gaming, second(state)) == Off;
}

void markGameFinished(const GameState &state)
{
    write(stateFile(), Gaming, second(state), Off);
}

QString pictureFolder(bool secondGame)
{
    return read(secondGame ? SecondFolder : FirstFolder, secondGame);
}

void setPictureFolders(const QString &first, const QString &second)
{
    for (const QString &file : {stateFile(), templateFile()}) {
        write(file, FirstFolder, false, first);
        write(file, SecondFolder, true, second);
    }
}

} // namespace kotebu::settings
