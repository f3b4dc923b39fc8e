#pragma once

#include <functional>

namespace vistrel {

// Runs task on a thread of its own at a lower processor priority and waits for it. For heavy
// work that nothing on the screen waits for: the display server, and the window's frame on its
// way to the screen, get the processor first.
void runAtLowerPriority(const std::function<void()>& task);

} // namespace vistrel
