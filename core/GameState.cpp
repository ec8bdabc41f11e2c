#include "GameState.h"

#include <QCoreApplication>

#include <algorithm>

namespace kotebu {

QString GameState::heroineName() const
{
    return SecondGame ? QCoreApplication::translate("GameState", "ハルーネン")
                      : QCoreApplication::translate("GameState", "ことぶ");
}

int ageOf(const GameState &state)
{
    const int year = state.Year;
    return (year >= 0 ? year / 4 : -((-year + 3) / 4)) + 8;
}

Int16 saturated(int value)
{
    return static_cast<Int16>(std::clamp(value, -32768, 32767));
}

Int16 saturated(double value)
{
    return static_cast<Int16>(std::clamp(value, -32768.0, 32767.0));
}

QString gameLineBreak()
{
    return QStringLiteral("\n\r");
}

GameState &game()
{
    static GameState state;
    return state;
}

} // namespace kotebu
