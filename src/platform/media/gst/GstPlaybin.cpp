#include "platform/media/gst/GstPlaybin.h"

#include "platform/log/Log.h"
#include "platform/media/gst/DrawnFrames.h"
#include "platform/media/gst/GstRuntime.h"
#include "platform/media/gst/GstVideoSink.h"

#include <gst/gst.h>
#include <gst/video/videooverlay.h>

namespace vistrel {

namespace {

// The sink asks for its window each time it leaves NULL (again after Stop), from a streaming
// thread: the window's id is there for it, kept up to date by the GUI thread.
GstBusSyncReply giveWindow(GstBus*, GstMessage* message, gpointer handle) {
    if (!gst_is_video_overlay_prepare_window_handle_message(message))
        return GST_BUS_PASS;
    gst_video_overlay_set_window_handle(GST_VIDEO_OVERLAY(GST_MESSAGE_SRC(message)),
                                        (*static_cast<WindowHandle*>(handle))->load());
    gst_message_unref(message);
    return GST_BUS_DROP;
}

void forgetWindow(gpointer handle) {
    delete static_cast<WindowHandle*>(handle);
}

// playbin says so from a streaming thread; the message brings it to the GUI thread, and none comes
// once the bus is no longer watched.
void videoChanged(GstElement* playbin, gpointer) {
    gst_element_post_message(playbin, gst_message_new_application(
                                          GST_OBJECT(playbin), gst_structure_new_empty("video")));
}

} // namespace

std::optional<Playbin> makePlaybin(const QByteArray& uri,
                                   const std::shared_ptr<DrawnFrames>& frames,
                                   const WindowHandle& window) {
    if (!startGstreamer())
        return std::nullopt;
    GstElement* playbin = gst_element_factory_make("playbin", nullptr);
    if (!playbin) {
        qCWarning(logMedia) << "the media framework has no playbin";
        return std::nullopt;
    }
    Playbin made{GST_ELEMENT(gst_object_ref_sink(playbin)), nullptr};
    g_object_set(made.pipeline, "uri", uri.constData(), nullptr);
    GstElement* sink = frames ? makeFrameSink(frames) : makeVideoSink();
    if (!sink) {
        // Without a sink of its own playbin would pick one that opens a window of its own.
        qCWarning(logMedia) << "the video is not shown: no sink for it";
        sink = gst_element_factory_make("fakesink", nullptr);
        if (sink)
            g_object_set(sink, "sync", TRUE, nullptr);
    }
    if (sink) {
        made.sink = GST_ELEMENT(gst_object_ref(sink));
        g_object_set(made.pipeline, "video-sink", sink, nullptr);
    }
    g_signal_connect(made.pipeline, "video-changed", G_CALLBACK(videoChanged), nullptr);
    GstBus* bus = gst_element_get_bus(made.pipeline);
    gst_bus_set_sync_handler(bus, giveWindow, new WindowHandle(window), forgetWindow);
    gst_object_unref(bus);
    return made;
}

} // namespace vistrel
