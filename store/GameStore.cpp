// Placeholder until the store lands.
#include "GameStore.h"
namespace kotebu {
void LoadGameState(GameState &, const std::function<void()> &) {}
void PrepareNewGame(const GameState &) {}
void SaveDay(const GameState &) {}
}
