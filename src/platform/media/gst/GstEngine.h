#pragma once

#include "platform/media/MediaEngine.h"
#include "platform/media/gst/GstPipeline.h"

#include <QSize>

#include <memory>

namespace vistrel {

class DrawnFrames;
class GstVideoWindow;

// GStreamer as an engine: one pipeline per file (GstPipeline), its video in a window of its own
// (GstVideoWindow), drawn there by a sink or by the window itself. GStreamer itself is started on
// the first file.
class GstEngine : public MediaEngine {
    Q_OBJECT
  public:
    explicit GstEngine(QWidget* parent);
    ~GstEngine() override;

    void make(const QString& file) override;
    void changeState(State state) override;
    void restart() override { pipeline_.restart(); }
    void seek(qint64 ms) override { pipeline_.seek(ms); }
    bool position(qint64& ms) const override { return pipeline_.position(ms); }
    qint64 duration() const override;
    QWidget* widget() override;
    void place(const VideoPlacement& placement) override;
    void setHasPicture(bool hasPicture) override;
    void redrawStill() override { pipeline_.decodeStillAgain(); }

  private:
    void pipelineEvent(const PipelineEvent& event);
    void exposed();

    // The pictures the window draws itself; null where a sink draws into it.
    std::shared_ptr<DrawnFrames> frames_;
    GstVideoWindow* window_;
    GstPipeline pipeline_;
    // The video window's size when it was last drawn into.
    QSize exposedSize_;
};

} // namespace vistrel
