#include "GameState.h"

namespace kotebu {

QString GameState::heroineName() const
{
    return SecondGame ? QStringLiteral("ハルーネン") : QStringLiteral("ことぶ");
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
