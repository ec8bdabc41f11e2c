#pragma once

namespace kotebu {

// Installs the window-system implementations of the platform seams: real
// message boxes and the primary screen's size. The clock, the generator and
// the immediate exit keep their defaults.
void installWidgetPlatform();

} // namespace kotebu
