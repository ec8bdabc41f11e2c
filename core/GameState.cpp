#include "GameState.h"

#include <algorithm>
#include <limits>

namespace kotebu {

QString GameState::heroineName() const
{
    return SecondGame ? QStringLiteral("ハルーネン") : QStringLiteral("ことぶ");
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

Int16 nextPhaseTick(Int16 tick)
{
    constexpr int top = std::numeric_limits<Int16>::max();
    return static_cast<Int16>(tick < top ? tick + 1 : (top + 1) % 3);
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
