#pragma once

#include <functional>

namespace vistrel {

// GStreamer is started on first need, never at program start: loading its registry takes longer
// than painting the whole window. False when it cannot start (the reason is logged).
bool startGstreamer();

// Whether an installed decoder takes the given caps (e.g. "video/mpeg, mpegversion=4"), asked of
// GStreamer's registry without building a pipeline. Starts GStreamer.
bool gstreamerDecodes(const char* caps);

// Whether GStreamer decodes MPEG-4 Part 2 video, the disc movie's format.
bool gstreamerDecodesMpeg4Video();

// Runs the task on the one thread that changes pipeline states, in the order given: a state
// change or a flushing seek can wait for streaming threads, which the GUI thread never does.
void runOnPipelineThread(std::function<void()> task);

} // namespace vistrel
