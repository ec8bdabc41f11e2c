// Placeholder until the rules land.
#include "Ending.h"
namespace kotebu {
Int16 Score(const GameState &) { return 0; }
EndingView Ending(const GameState &) { return {}; }
}
