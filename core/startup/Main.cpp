// Placeholder until the start-up sequence lands.
#include "Main.h"
namespace kotebu {
void Main() {}
}
