#include "platform/media/gst/GstVideoSink.h"

#include "platform/log/Log.h"

#include <gst/gst.h>
#include <gst/video/videooverlay.h>

namespace vistrel {

namespace {

// xvimagesink reaches READY only with an XVideo adaptor; asked once, the answer holds.
bool serverOffersXVideo() {
    static const bool offered = [] {
        GstElement* probe = gst_element_factory_make("xvimagesink", nullptr);
        if (!probe)
            return false;
        gst_object_ref_sink(probe);
        const bool ready =
            gst_element_set_state(probe, GST_STATE_READY) == GST_STATE_CHANGE_SUCCESS;
        gst_element_set_state(probe, GST_STATE_NULL);
        gst_object_unref(probe);
        return ready;
    }();
    return offered;
}

const char* sinkName() {
    return serverOffersXVideo() ? "xvimagesink" : "ximagesink";
}

} // namespace

GstElement* makeVideoSink() {
    const char* name = sinkName();
    GstElement* sink = gst_element_factory_make(name, nullptr);
    if (!sink) {
        qCWarning(logMedia) << "no video sink" << name;
        return nullptr;
    }
    qCDebug(logMedia) << "video sink:" << name;
    // The window's mouse and keys stay Qt's: double clicks and Esc are the control's.
    gst_video_overlay_handle_events(GST_VIDEO_OVERLAY(sink), FALSE);
    return sink;
}

} // namespace vistrel
