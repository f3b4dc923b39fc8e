#include "platform/media/gst/GstPipeline.h"

#include "platform/log/Log.h"
#include "platform/media/gst/GstBusWatch.h"
#include "platform/media/gst/GstPlaybin.h"
#include "platform/media/gst/GstRuntime.h"
#include "platform/media/gst/PipelineEvents.h"

#include <QCoreApplication>
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

// While it starts, playbin links its streams from streaming threads; a change of state in the
// middle of that leaves it half linked (a crash on the next start, or a stream error reported
// later). So a change waits for the one before to finish; bounded, so that a start that never
// ends (a stalled file) cannot hold Stop back for ever.
void settle(GstElement* pipeline) {
    constexpr GstClockTime longestStart = 5 * GST_SECOND;
    gst_element_get_state(pipeline, nullptr, nullptr, longestStart);
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

// One pipeline as both threads know it. The elements are made, changed and released on the
// pipeline thread alone; the requests are what the GUI thread has asked since that thread last
// acted on them; the owner is the GUI thread's, and goes when the pipeline is dropped.
struct GstPipeline::Shared {
    GstElement* pipeline = nullptr;
    GstElement* sink = nullptr;
    std::mutex mutex;
    bool queued = false;
    GstState target = GST_STATE_NULL;
    bool throughNull = false;
    GstPipeline* owner = nullptr;
};

GstPipeline::GstPipeline() = default;

GstPipeline::~GstPipeline() {
    drop(false);
}

void GstPipeline::create(const QString& file, unsigned long windowId,
                         const std::shared_ptr<DrawnFrames>& frames, EventHandler onEvent,
                         ReadyHandler onReady) {
    drop(false);
    auto shared = std::make_shared<Shared>();
    shared->owner = this;
    shared_ = shared;
    onEvent_ = std::move(onEvent);
    onReady_ = std::move(onReady);
    windowHandle_ = std::make_shared<std::atomic<unsigned long>>(windowId);
    const QByteArray uri = QUrl::fromLocalFile(file).toEncoded();
    runOnPipelineThread([shared, uri, frames, window = windowHandle_] {
        const std::optional<Playbin> made = makePlaybin(uri, frames, window);
        if (made) {
            shared->pipeline = made->pipeline;
            shared->sink = made->sink;
        }
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [shared, made = made.has_value()] {
                if (shared->owner)
                    shared->owner->ready(shared, made);
            },
            Qt::QueuedConnection);
    });
}

// The bus is read from the GUI thread's event loop; what it said meanwhile waits on it.
void GstPipeline::ready(const std::shared_ptr<Shared>& shared, bool made) {
    if (made) {
        pipeline_ = shared->pipeline;
        videoSink_ = shared->sink;
        GstBus* bus = gst_element_get_bus(pipeline_);
        bus_ = std::make_unique<GstBusWatch>(bus, [onEvent = onEvent_](GstMessage* message) {
            PipelineEvent event{PipelineEvent::Kind::Ended, {}};
            if (pipelineEventOf(message, event))
                onEvent(event);
        });
        gst_object_unref(bus);
    }
    const ReadyHandler onReady = onReady_;
    onReady(made);
}

void GstPipeline::drop(bool wait) {
    bus_.reset();
    pipeline_ = videoSink_ = nullptr;
    if (!shared_)
        return;
    std::shared_ptr<Shared> shared = std::move(shared_);
    shared->owner = nullptr;
    QSemaphore* done = wait ? new QSemaphore : nullptr;
    runOnPipelineThread([shared, done] {
        if (shared->pipeline) {
            gst_element_set_state(shared->pipeline, GST_STATE_NULL);
            gst_object_unref(shared->pipeline);
        }
        if (shared->sink)
            gst_object_unref(shared->sink);
        shared->pipeline = shared->sink = nullptr;
        if (done)
            done->release();
    });
    if (done) {
        done->acquire();
        delete done;
    }
}

void GstPipeline::changeState(State state) {
    if (!shared_)
        return;
    {
        const std::lock_guard lock(shared_->mutex);
        shared_->target = gstState(state);
        shared_->throughNull = shared_->throughNull || state == State::Null;
        if (shared_->queued)
            return;
        shared_->queued = true;
    }
    runOnPipelineThread([shared = shared_] {
        // What is asked meanwhile joins this change.
        if (shared->pipeline)
            settle(shared->pipeline);
        GstState target = GST_STATE_NULL;
        bool throughNull = false;
        {
            const std::lock_guard lock(shared->mutex);
            target = shared->target;
            throughNull = shared->throughNull;
            shared->queued = shared->throughNull = false;
        }
        if (!shared->pipeline)
            return;
        if (throughNull && target != GST_STATE_NULL)
            gst_element_set_state(shared->pipeline, GST_STATE_NULL);
        gst_element_set_state(shared->pipeline, target);
    });
}

void GstPipeline::restart() {
    if (!shared_)
        return;
    runOnPipelineThread([shared = shared_] {
        bool playing = false;
        {
            const std::lock_guard lock(shared->mutex);
            playing = !shared->queued && shared->target == GST_STATE_PLAYING;
        }
        if (playing && shared->pipeline) {
            gst_element_set_state(shared->pipeline, GST_STATE_PAUSED);
            gst_element_set_state(shared->pipeline, GST_STATE_PLAYING);
        }
    });
}

void GstPipeline::seek(qint64 ms) {
    if (!shared_)
        return;
    runOnPipelineThread([shared = shared_, ms] {
        if (shared->pipeline)
            gst_element_seek_simple(shared->pipeline, GST_FORMAT_TIME,
                                    GstSeekFlags(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE),
                                    ms * GST_MSECOND);
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
    runOnPipelineThread([shared = shared_] {
        if (GstVideoOverlay* overlay = overlayOf(shared->sink))
            gst_video_overlay_expose(overlay);
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
