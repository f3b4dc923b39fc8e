#pragma once

#include "platform/media/VideoPlacement.h"

#include <QObject>

namespace vistrel {

class MediaPlayerControl;

// The one owner of where the video goes, whether it shows and whether it covers the screen:
// every change is a call here, and the player is handed the whole placement each time. A video
// that leaves full screen by itself (Esc) is heard of here.
class VideoPlacer : public QObject {
    Q_OBJECT
  public:
    VideoPlacer(MediaPlayerControl& player, const QRect& area);

    void show();
    void hide();
    void moveTo(const QRect& area);
    void enterFullScreen();
    void leaveFullScreen();
    bool fullScreen() const { return placement_.fullScreen; }
    const VideoPlacement& placement() const { return placement_; }

  private:
    void apply();

    MediaPlayerControl& player_;
    VideoPlacement placement_;
};

} // namespace vistrel
