#include "platform/media/gst/DrawnFrames.h"

#include "platform/log/Log.h"

#include <gst/app/gstappsink.h>
#include <gst/gst.h>
#include <gst/video/video.h>

namespace vistrel {

std::shared_ptr<DrawnFrames> DrawnFrames::make() {
    return std::shared_ptr<DrawnFrames>(new DrawnFrames,
                                        [](DrawnFrames* frames) { frames->deleteLater(); });
}

void DrawnFrames::put(DrawnPicture picture) {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        newest_ = std::move(picture);
        if (told_)
            return;
        told_ = true;
    }
    QMetaObject::invokeMethod(
        this,
        [this] {
            {
                const std::lock_guard<std::mutex> lock(mutex_);
                told_ = false;
            }
            emit arrived();
        },
        Qt::QueuedConnection);
}

DrawnPicture DrawnFrames::newest() const {
    const std::lock_guard<std::mutex> lock(mutex_);
    return newest_;
}

void DrawnFrames::clear() {
    const std::lock_guard<std::mutex> lock(mutex_);
    newest_ = {};
}

namespace {

using Frames = std::shared_ptr<DrawnFrames>;

// The sample's picture copied out: the buffer goes back to the pipeline at once.
DrawnPicture pictureOf(GstSample* sample) {
    GstVideoInfo info;
    if (!gst_video_info_from_caps(&info, gst_sample_get_caps(sample)))
        return {};
    GstVideoFrame frame;
    if (!gst_video_frame_map(&frame, &info, gst_sample_get_buffer(sample), GST_MAP_READ))
        return {};
    const QImage view(static_cast<const uchar*>(GST_VIDEO_FRAME_PLANE_DATA(&frame, 0)),
                      GST_VIDEO_FRAME_WIDTH(&frame), GST_VIDEO_FRAME_HEIGHT(&frame),
                      GST_VIDEO_FRAME_PLANE_STRIDE(&frame, 0), QImage::Format_RGB32);
    DrawnPicture picture{view.copy()};
    gst_video_frame_unmap(&frame);
    const int parN = GST_VIDEO_INFO_PAR_N(&info), parD = GST_VIDEO_INFO_PAR_D(&info);
    if (parN > 0 && parD > 0)
        picture.pixelAspect = double(parN) / parD;
    return picture;
}

// A picture that cannot be read leaves the last one standing.
GstFlowReturn handOver(GstSample* sample, gpointer frames) {
    if (!sample)
        return GST_FLOW_EOS;
    DrawnPicture picture = pictureOf(sample);
    gst_sample_unref(sample);
    if (!picture.image.isNull())
        (*static_cast<Frames*>(frames))->put(std::move(picture));
    return GST_FLOW_OK;
}

GstFlowReturn handOverSample(GstAppSink* sink, gpointer frames) {
    return handOver(gst_app_sink_pull_sample(sink), frames);
}

// A paused picture (the first one, and after a seek) comes as a preroll sample.
GstFlowReturn handOverPreroll(GstAppSink* sink, gpointer frames) {
    return handOver(gst_app_sink_pull_preroll(sink), frames);
}

void forget(gpointer frames) {
    delete static_cast<Frames*>(frames);
}

} // namespace

GstElement* makeFrameSink(const std::shared_ptr<DrawnFrames>& frames) {
    GstElement* sink = gst_element_factory_make("appsink", nullptr);
    if (!sink) {
        qCWarning(logMedia) << "no video sink appsink";
        return nullptr;
    }
    qCDebug(logMedia) << "video sink: drawn by the window";
    GstCaps* caps = gst_caps_from_string("video/x-raw,format=BGRx");
    // One picture waits at most: a late window drops pictures rather than the sound's time.
    g_object_set(sink, "caps", caps, "sync", TRUE, "max-buffers", 1, "drop", TRUE, nullptr);
    gst_caps_unref(caps);
    GstAppSinkCallbacks callbacks{};
    callbacks.new_sample = handOverSample;
    callbacks.new_preroll = handOverPreroll;
    gst_app_sink_set_callbacks(GST_APP_SINK(sink), &callbacks, new Frames(frames), forget);
    return sink;
}

} // namespace vistrel
