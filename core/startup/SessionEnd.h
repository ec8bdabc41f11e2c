#pragma once

namespace kotebu {

// The end of the desktop session reaches the game on Linux as SIGTERM
// (logout, shutdown, a service manager), SIGHUP (its terminal closing) or the
// session manager's commitDataRequest, on Windows as commitDataRequest (a
// logout or shutdown). Nobody may be there to answer the end-of-day
// question, so once play has begun the day is saved as Exit > Yes saves it,
// without asking, and the program ends (status 0; 1 when the save failed).
// Before play has begun, and once the game is over, it ends at once and
// writes nothing. Call once, after the QApplication exists.
void installSessionEndHandler();

// The system's part (SessionEnd{Posix,Windows}.cpp): whatever reaches the
// game besides commitDataRequest ends in endSession().
void installSystemSessionEnd();
[[noreturn]] void endSession();

} // namespace kotebu
