#pragma once

#include <functional>

namespace vistrel {

// GStreamer is started on first need, never at program start: loading its registry takes longer
// than painting the whole window. False when it cannot start (the reason is logged).
bool startGstreamer();

// Runs the task on the one thread that changes pipeline states, in the order given: a state
// change or a flushing seek can wait for streaming threads, which the GUI thread never does.
void runOnPipelineThread(std::function<void()> task);

} // namespace vistrel
