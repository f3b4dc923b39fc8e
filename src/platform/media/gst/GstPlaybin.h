#pragma once

#include <QByteArray>

#include <atomic>
#include <memory>
#include <optional>

typedef struct _GstElement GstElement;

namespace vistrel {

class DrawnFrames;

// The native window the video sink draws into, kept up to date by the GUI thread.
using WindowHandle = std::shared_ptr<std::atomic<unsigned long>>;

// A playbin and its video sink, each with a reference of its own.
struct Playbin {
    GstElement* pipeline;
    GstElement* sink;
};

// On the pipeline thread: GStreamer started, the playbin for the uri with its sink, the sink
// given its window each time it asks, and a change of the video told on the bus. None (the reason
// logged) when GStreamer does not start or has no playbin. Frames given, the video goes to them.
std::optional<Playbin> makePlaybin(const QByteArray& uri,
                                   const std::shared_ptr<DrawnFrames>& frames,
                                   const WindowHandle& window);

} // namespace vistrel
