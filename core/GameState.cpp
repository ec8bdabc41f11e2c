#include "GameState.h"

#include <limits>

namespace kotebu {

QString GameState::heroineName() const
{
    return SecondGame ? QStringLiteral("ハルーネン") : QStringLiteral("ことぶ");
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
