#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>

typedef struct _GstElement GstElement;

namespace vistrel {

class GstBusWatch;

// What a pipeline tells the GUI thread, its bus messages read for the player.
struct PipelineEvent {
    enum class Kind { Prerolled, VideoChanged, MissingVideoDecoder, Error, Ended, DurationChanged };
    Kind kind;
    // Error: the framework's text. MissingVideoDecoder: the picture's media type, e.g.
    // "video/x-xvid" (a missing sound decoder leaves the picture to play).
    QString text;
};

// One playbin for one file, its video drawn by the sink into a native window.
//
// Every state change and seek runs on a pipeline thread, in order: they can wait for streaming
// threads, and going back to NULL would hold the window for as long. The GUI thread only names
// the state it wants and reads positions, which never wait. Events come from the Qt event loop;
// none comes once the pipeline is dropped.
class GstPipeline {
  public:
    enum class State { Null, Paused, Playing };
    using EventHandler = std::function<void(const PipelineEvent&)>;

    GstPipeline();
    ~GstPipeline(); // drops the pipeline without waiting
    GstPipeline(const GstPipeline&) = delete;
    GstPipeline& operator=(const GstPipeline&) = delete;

    // Starts GStreamer on first use; false (the reason logged) when it cannot make the pipeline.
    bool create(const QString& file, unsigned long windowId, EventHandler onEvent);
    // Back to NULL and gone; waited for only where the video's window is about to go.
    void drop(bool wait);
    bool exists() const { return pipeline_ != nullptr; }

    // Requests that come faster than the pipeline thread acts on them are merged: it goes to the
    // last state asked for, back through NULL first when a Stop came between. Going up and down
    // again many times in a row raced inside playbin (an "internal data stream error", now and
    // then an assertion) when the pipeline thread lagged behind, as on a loaded machine.
    void changeState(State state);
    // Pauses and plays again at once, unless another state has been asked for meanwhile.
    void restart();
    void seek(qint64 ms);
    // The sink's window, for the next time it asks and for now.
    void setWindow(unsigned long windowId);
    // The sink draws a paused picture again.
    void expose();
    // The picture the sink shows decoded again (after an expose): a sink that does not scale
    // takes a new size of its window only with the next picture.
    void decodeStillAgain();

    bool position(qint64& ms) const;
    bool duration(qint64& ms) const;
    int videoStreams() const;

  private:
    struct Requests;

    GstElement* pipeline_ = nullptr;
    std::shared_ptr<Requests> requests_;
    GstElement* videoSink_ = nullptr;
    std::unique_ptr<GstBusWatch> bus_;
    // The video window's id as the sink reads it; owned by the pipeline's bus.
    std::atomic<unsigned long>* windowHandle_ = nullptr;
};

} // namespace vistrel
