#include "platform/media/gst/GstPipeline.h"

#include "platform/log/Log.h"
#include "platform/media/gst/GstBusWatch.h"
#include "platform/media/gst/GstRuntime.h"
#include "platform/media/gst/GstVideoSink.h"

#include <QSemaphore>
#include <QUrl>

#include <mutex>

#include <gst/gst.h>
#include <gst/video/videooverlay.h>

namespace vistrel {

namespace {

// Where in the stream the picture the sink shows lies: the film's position says where the
// sound is, and at the end the sound may run on past the last picture.
GstClockTime shownPictureTime(GstElement* sink) {
    GstSample* sample = nullptr;
    g_object_get(sink, "last-sample", &sample, nullptr);
    if (!sample)
        return GST_CLOCK_TIME_NONE;
    GstClockTime time = GST_CLOCK_TIME_NONE;
    const GstBuffer* buffer = gst_sample_get_buffer(sample);
    if (const GstSegment* segment = gst_sample_get_segment(sample);
        buffer && segment && GST_BUFFER_PTS_IS_VALID(buffer))
        time = gst_segment_to_stream_time(segment, GST_FORMAT_TIME, GST_BUFFER_PTS(buffer));
    gst_sample_unref(sample);
    return time;
}

GstVideoOverlay* overlayOf(GstElement* sink) {
    return sink && GST_IS_VIDEO_OVERLAY(sink) ? GST_VIDEO_OVERLAY(sink) : nullptr;
}

// The media type a "missing decoder" message names, e.g. "video/x-xvid"; empty for others.
QByteArray missingDecoderFor(GstMessage* message) {
    const GstStructure* s = gst_message_get_structure(message);
    if (!s || !gst_structure_has_name(s, "missing-plugin") ||
        g_strcmp0(gst_structure_get_string(s, "type"), "decoder") != 0)
        return {};
    const GValue* detail = gst_structure_get_value(s, "detail");
    if (!detail || !GST_VALUE_HOLDS_CAPS(detail))
        return {};
    const GstCaps* caps = gst_value_get_caps(detail);
    if (!caps || gst_caps_get_size(caps) == 0)
        return {};
    return gst_structure_get_name(gst_caps_get_structure(caps, 0));
}

QString errorText(GstMessage* message) {
    GError* error = nullptr;
    gst_message_parse_error(message, &error, nullptr);
    const QString text = QString::fromUtf8(error ? error->message : "unknown error");
    g_clear_error(&error);
    return text;
}

// The sink asks for its window each time it leaves NULL (again after Stop), from a streaming
// thread: the window's id is there for it, kept up to date by the GUI thread.
GstBusSyncReply giveWindow(GstBus*, GstMessage* message, gpointer handle) {
    if (!gst_is_video_overlay_prepare_window_handle_message(message))
        return GST_BUS_PASS;
    gst_video_overlay_set_window_handle(GST_VIDEO_OVERLAY(GST_MESSAGE_SRC(message)),
                                        static_cast<std::atomic<guintptr>*>(handle)->load());
    gst_message_unref(message);
    return GST_BUS_DROP;
}

void forgetWindow(gpointer handle) {
    delete static_cast<std::atomic<guintptr>*>(handle);
}

// playbin says so from a streaming thread; the message brings it to the GUI thread, and none comes
// once the bus is no longer watched.
void videoChanged(GstElement* playbin, gpointer) {
    gst_element_post_message(playbin, gst_message_new_application(
                                          GST_OBJECT(playbin), gst_structure_new_empty("video")));
}

bool eventOf(GstMessage* message, PipelineEvent& event) {
    using Kind = PipelineEvent::Kind;
    switch (GST_MESSAGE_TYPE(message)) {
    case GST_MESSAGE_ERROR:
        event = {Kind::Error, errorText(message)};
        return true;
    case GST_MESSAGE_ELEMENT: {
        const QByteArray mediaType = missingDecoderFor(message);
        event = {Kind::MissingVideoDecoder, QString::fromUtf8(mediaType)};
        return mediaType.startsWith("video/") || mediaType.startsWith("image/");
    }
    case GST_MESSAGE_APPLICATION:
        event = {Kind::VideoChanged, {}};
        return true;
    case GST_MESSAGE_ASYNC_DONE:
        event = {Kind::Prerolled, {}};
        return true;
    case GST_MESSAGE_EOS:
        event = {Kind::Ended, {}};
        return true;
    case GST_MESSAGE_DURATION_CHANGED:
        event = {Kind::DurationChanged, {}};
        return true;
    default:
        return false;
    }
}

GstState gstState(GstPipeline::State state) {
    switch (state) {
    case GstPipeline::State::Paused:
        return GST_STATE_PAUSED;
    case GstPipeline::State::Playing:
        return GST_STATE_PLAYING;
    case GstPipeline::State::Null:
        break;
    }
    return GST_STATE_NULL;
}

} // namespace

// What the GUI thread has asked of the pipeline since the pipeline thread last acted on it.
struct GstPipeline::Requests {
    std::mutex mutex;
    bool queued = false;
    GstState target = GST_STATE_NULL;
    bool throughNull = false;
};

GstPipeline::GstPipeline() = default;

GstPipeline::~GstPipeline() {
    drop(false);
}

bool GstPipeline::create(const QString& file, unsigned long windowId, EventHandler onEvent) {
    if (!startGstreamer())
        return false;
    GstElement* playbin = gst_element_factory_make("playbin", nullptr);
    if (!playbin) {
        qCWarning(logMedia) << "the media framework has no playbin";
        return false;
    }
    pipeline_ = GST_ELEMENT(gst_object_ref_sink(playbin));
    requests_ = std::make_shared<Requests>();
    const QByteArray uri = QUrl::fromLocalFile(file).toEncoded();
    g_object_set(pipeline_, "uri", uri.constData(), nullptr);
    if (GstElement* sink = makeVideoSink()) {
        videoSink_ = GST_ELEMENT(gst_object_ref(sink));
        g_object_set(pipeline_, "video-sink", sink, nullptr);
    }
    g_signal_connect(pipeline_, "video-changed", G_CALLBACK(videoChanged), nullptr);
    GstBus* bus = gst_element_get_bus(pipeline_);
    // The bus owns the handle; it outlives the pipeline's teardown on the pipeline thread.
    windowHandle_ = new std::atomic<guintptr>(windowId);
    gst_bus_set_sync_handler(bus, giveWindow, windowHandle_, forgetWindow);
    bus_ = std::make_unique<GstBusWatch>(bus, [onEvent](GstMessage* message) {
        PipelineEvent event{PipelineEvent::Kind::Ended, {}};
        if (eventOf(message, event))
            onEvent(event);
    });
    gst_object_unref(bus);
    return true;
}

void GstPipeline::drop(bool wait) {
    bus_.reset();
    windowHandle_ = nullptr;
    if (videoSink_)
        gst_object_unref(videoSink_);
    videoSink_ = nullptr;
    if (!pipeline_)
        return;
    GstElement* pipeline = pipeline_;
    pipeline_ = nullptr;
    QSemaphore* done = wait ? new QSemaphore : nullptr;
    runOnPipelineThread([pipeline, done] {
        gst_element_set_state(pipeline, GST_STATE_NULL);
        gst_object_unref(pipeline);
        if (done)
            done->release();
    });
    if (done) {
        done->acquire();
        delete done;
    }
}

void GstPipeline::changeState(State state) {
    if (!pipeline_)
        return;
    {
        const std::lock_guard lock(requests_->mutex);
        requests_->target = gstState(state);
        requests_->throughNull = requests_->throughNull || state == State::Null;
        if (requests_->queued)
            return;
        requests_->queued = true;
    }
    GstElement* pipeline = GST_ELEMENT(gst_object_ref(pipeline_));
    runOnPipelineThread([pipeline, requests = requests_] {
        GstState target = GST_STATE_NULL;
        bool throughNull = false;
        {
            const std::lock_guard lock(requests->mutex);
            target = requests->target;
            throughNull = requests->throughNull;
            requests->queued = requests->throughNull = false;
        }
        if (throughNull && target != GST_STATE_NULL)
            gst_element_set_state(pipeline, GST_STATE_NULL);
        gst_element_set_state(pipeline, target);
        gst_object_unref(pipeline);
    });
}

void GstPipeline::restart() {
    if (!pipeline_)
        return;
    GstElement* pipeline = GST_ELEMENT(gst_object_ref(pipeline_));
    runOnPipelineThread([pipeline, requests = requests_] {
        bool playing = false;
        {
            const std::lock_guard lock(requests->mutex);
            playing = !requests->queued && requests->target == GST_STATE_PLAYING;
        }
        if (playing) {
            gst_element_set_state(pipeline, GST_STATE_PAUSED);
            gst_element_set_state(pipeline, GST_STATE_PLAYING);
        }
        gst_object_unref(pipeline);
    });
}

void GstPipeline::seek(qint64 ms) {
    if (!pipeline_)
        return;
    GstElement* pipeline = GST_ELEMENT(gst_object_ref(pipeline_));
    runOnPipelineThread([pipeline, ms] {
        gst_element_seek_simple(pipeline, GST_FORMAT_TIME,
                                GstSeekFlags(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE),
                                ms * GST_MSECOND);
        gst_object_unref(pipeline);
    });
}

void GstPipeline::setWindow(unsigned long windowId) {
    if (windowHandle_)
        windowHandle_->store(windowId);
    if (GstVideoOverlay* overlay = overlayOf(videoSink_))
        gst_video_overlay_set_window_handle(overlay, windowId);
}

// Drawing waits for the sink and the X server (a screen-sized picture after full screen), so the
// pipeline thread does it.
void GstPipeline::expose() {
    if (!overlayOf(videoSink_))
        return;
    GstElement* sink = GST_ELEMENT(gst_object_ref(videoSink_));
    runOnPipelineThread([sink] {
        gst_video_overlay_expose(GST_VIDEO_OVERLAY(sink));
        gst_object_unref(sink);
    });
}

void GstPipeline::decodeStillAgain() {
    if (!pipeline_ || !videoSink_)
        return;
    GstElement* pipeline = GST_ELEMENT(gst_object_ref(pipeline_));
    GstElement* sink = GST_ELEMENT(gst_object_ref(videoSink_));
    runOnPipelineThread([pipeline, sink] {
        constexpr auto flush = GST_SEEK_FLAG_FLUSH;
        const GstClockTime shown = shownPictureTime(sink);
        gint64 position = 0;
        if (GST_CLOCK_TIME_IS_VALID(shown))
            gst_element_seek_simple(pipeline, GST_FORMAT_TIME,
                                    GstSeekFlags(flush | GST_SEEK_FLAG_ACCURATE), gint64(shown));
        // A jump to the very end decodes no picture there: the last key picture before it.
        else if (gst_element_query_position(pipeline, GST_FORMAT_TIME, &position))
            gst_element_seek_simple(
                pipeline, GST_FORMAT_TIME,
                GstSeekFlags(flush | GST_SEEK_FLAG_KEY_UNIT | GST_SEEK_FLAG_SNAP_BEFORE), position);
        gst_object_unref(sink);
        gst_object_unref(pipeline);
    });
}

bool GstPipeline::position(qint64& ms) const {
    gint64 position = 0;
    if (!pipeline_ || !gst_element_query_position(pipeline_, GST_FORMAT_TIME, &position))
        return false;
    ms = position / GST_MSECOND;
    return true;
}

bool GstPipeline::duration(qint64& ms) const {
    gint64 duration = 0;
    if (!pipeline_ || !gst_element_query_duration(pipeline_, GST_FORMAT_TIME, &duration))
        return false;
    ms = duration / GST_MSECOND;
    return true;
}

int GstPipeline::videoStreams() const {
    gint streams = 0;
    if (pipeline_)
        g_object_get(pipeline_, "n-video", &streams, nullptr);
    return streams;
}

} // namespace vistrel
