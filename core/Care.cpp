// Placeholder until the rules land.
#include "Care.h"
namespace kotebu {
CareOutcome CareAction(GameState &, int) { return {}; }
}
