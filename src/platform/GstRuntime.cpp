#include "platform/GstRuntime.h"

#include "platform/Log.h"

#include <QRunnable>
#include <QThreadPool>

#include <gst/gst.h>

namespace vistrel {

bool startGstreamer() {
    static const bool started = [] {
        qCDebug(logMedia) << "starting the media framework";
        GError* error = nullptr;
        if (gst_init_check(nullptr, nullptr, &error))
            return true;
        qCWarning(logMedia) << "the media framework does not start:"
                            << (error ? error->message : "unknown reason");
        g_clear_error(&error);
        return false;
    }();
    return started;
}

bool gstreamerDecodes(const char* caps) {
    if (!startGstreamer())
        return false;
    GstCaps* wanted = gst_caps_from_string(caps);
    GList* decoders =
        gst_element_factory_list_get_elements(GST_ELEMENT_FACTORY_TYPE_DECODER, GST_RANK_MARGINAL);
    GList* fitting = gst_element_factory_list_filter(decoders, wanted, GST_PAD_SINK, FALSE);
    const bool found = fitting != nullptr;
    gst_plugin_feature_list_free(fitting);
    gst_plugin_feature_list_free(decoders);
    gst_caps_unref(wanted);
    return found;
}

bool gstreamerDecodesMpeg4Video() {
    return gstreamerDecodes("video/mpeg, mpegversion=(int)4, systemstream=(boolean)false");
}

void runOnPipelineThread(std::function<void()> task) {
    // One thread keeps the order; it is waited for when the program ends.
    static QThreadPool pool;
    static const bool configured = [] {
        pool.setMaxThreadCount(1);
        return true;
    }();
    Q_UNUSED(configured);
    pool.start(std::move(task));
}

} // namespace vistrel
