#pragma once

#include <functional>

namespace vistrel {

// For heavy work that nothing on the screen waits for: the display server, and a frame on its way
// to the screen, get the processor first. Where the system keeps no priority per thread (only
// Linux does here), nothing changes.

// Lowers the calling thread's processor priority; a second call on the same thread does nothing.
void lowerThisThreadsPriority();

// Runs task on a thread of its own at the lower priority and waits for it.
void runAtLowerPriority(const std::function<void()>& task);

} // namespace vistrel
