#pragma once

#include <functional>

namespace kotebu {

// Pauses for the given seconds (at the time scale) while the windows stay live. Ends early when
// the story's next-scene or skip flag is raised (it never clears them), or
// when the time of day falls below its start (midnight passed). It sleeps on
// the event queue and wakes for its own deadline.
void Wait(float seconds);

// Lets events run until the condition holds, sleeping on the event queue
// between events. The condition is tested first, so a true one returns at once.
void waitUntil(const std::function<bool()> &condition);

} // namespace kotebu
