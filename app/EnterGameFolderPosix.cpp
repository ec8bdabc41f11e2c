#include "EnterGameFolder.h"

namespace kotebu {

// The launcher (kotebu-launcher.in) seeded the folder and started us there.
void enterGameFolder()
{
}

} // namespace kotebu
