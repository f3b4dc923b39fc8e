#pragma once

#include "platform/common/StackingPlace.h"
#include "platform/media/MediaPlayerControl.h"

#include <functional>

namespace vistrel {

// Stands in for the media framework's player until something is to be played: the framework's
// module and libraries load on the first file (or the video widget) rather than before the window
// shows. Until then it keeps the placement, answers "nothing loaded", and holds the video's place
// in the window's stacking order. Where the framework does not load, every file fails as
// undecodable.
class DeferredPlayerControl : public MediaPlayerControl {
    Q_OBJECT
  public:
    using Factory = std::function<MediaPlayerControl*(QWidget* parent)>;

    DeferredPlayerControl(QWidget* parent, Factory makePlayer);
    ~DeferredPlayerControl() override;

    // The framework's player once made, else null.
    MediaPlayerControl* player() const;

    QWidget* widget() override;
    void open(const QString& path) override;
    QString fileName() const override;
    void Play() override;
    void Pause() override;
    void Stop() override;
    MediaPlayState PlayState() const override;
    void setCurrentPosition(double seconds) override;
    double CurrentPosition() const override;
    double Duration() const override;
    void place(const VideoPlacement& placement) override;

  private:
    // Makes the player once; false where the framework does not load.
    bool makePlayer();

    QWidget* parent_;
    StackingPlace stackingPlace_;
    Factory factory_;
    MediaPlayerControl* player_ = nullptr;
    bool tried_ = false;
    VideoPlacement placement_{{0, 0, 100, 30}};
};

} // namespace vistrel
