#pragma once

#include "platform/media/gst/PipelineEvents.h"

#include <QString>

#include <atomic>
#include <functional>
#include <memory>

typedef struct _GstElement GstElement;

namespace vistrel {

class DrawnFrames;
class GstBusWatch;

// One playbin for one file, its video drawn by the sink into a native window, or handed to the
// frames that the window draws.
//
// The pipeline is made, and every state change and seek runs, on a pipeline thread, in order:
// starting GStreamer reads (or first builds) its plugin registry, state changes can wait for
// streaming threads, and going back to NULL would hold the window for as long. The GUI thread
// only names the state it wants and reads positions, which never wait. Events come from the Qt
// event loop; none comes once the pipeline is dropped.
class GstPipeline {
  public:
    enum class State { Null, Paused, Playing };
    using EventHandler = std::function<void(const PipelineEvent&)>;
    // Told from the event loop once the pipeline is made: false (the reason logged) when
    // GStreamer does not start or cannot make it.
    using ReadyHandler = std::function<void(bool made)>;

    GstPipeline();
    ~GstPipeline(); // drops the pipeline without waiting
    GstPipeline(const GstPipeline&) = delete;
    GstPipeline& operator=(const GstPipeline&) = delete;

    // Starts GStreamer on first use. States asked for meanwhile are taken up once it is made.
    // Frames given, the video goes to them; else into the native window windowId.
    void create(const QString& file, unsigned long windowId,
                const std::shared_ptr<DrawnFrames>& frames, EventHandler onEvent,
                ReadyHandler onReady);
    // Back to NULL and gone; waited for only where the video's window is about to go.
    void drop(bool wait);

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

    // The pipeline as both threads know it.
    struct Shared;

  private:
    void ready(const std::shared_ptr<Shared>& shared, bool made);

    std::shared_ptr<Shared> shared_;
    EventHandler onEvent_;
    ReadyHandler onReady_;
    // The GUI thread's view of the pipeline, once it is made; owned by shared_.
    GstElement* pipeline_ = nullptr;
    GstElement* videoSink_ = nullptr;
    std::unique_ptr<GstBusWatch> bus_;
    // The video window's id as the sink reads it, from a streaming thread.
    std::shared_ptr<std::atomic<unsigned long>> windowHandle_;
};

} // namespace vistrel
