#pragma once

namespace kotebu {

// The whole run: folder check, logo, selector, new game, story, start screen,
// loading, and the day loop until the ending window.
void Main();

} // namespace kotebu
