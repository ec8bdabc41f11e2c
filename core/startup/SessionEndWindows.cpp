// The end of the session on Windows arrives as WM_QUERYENDSESSION, which Qt
// turns into commitDataRequest (SessionEnd.cpp): a windowed program has no
// signal to catch.
#include "SessionEnd.h"

namespace kotebu {

void installSystemSessionEnd()
{
}

} // namespace kotebu
