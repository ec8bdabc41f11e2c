// Placeholder until the rules land.
#include "EnemyBook.h"
namespace kotebu {
QString enemyBookName(bool, int) { return {}; }
QString enemyBookDescription(bool, int) { return {}; }
}
