#pragma once

#include "platform/media/MediaOpenError.h"

#include <QElapsedTimer>
#include <QObject>

#include <functional>

namespace vistrel {

class MediaPlayerControl;
class Stage;

// The start of playback once the window is up and the five playback buttons. The transport
// state is never kept here: every button reads PlayState from the control. What plays and what is
// in front are the stage's.
class Playback : public QObject {
    Q_OBJECT
  public:
    Playback(MediaPlayerControl& player, Stage& stage, std::function<bool()> firstFramePainted);

    // How long the start of playback waits for the window's first frame at most (a window that
    // is covered from the start is never painted).
    static constexpr int FirstFrameWaitMs = 250;

    // Playback begins as soon as the message loop runs after the window is shown and its first
    // frame is painted.
    void start();
    // Before start: what plays begins at this many seconds rather than at its start.
    void startAt(double seconds) { startAt_ = seconds; }

    void startOfPlayback();
    // The player's verdict on the file startOfPlayback named, or a failure later on.
    void mediaOpened();
    void mediaFailed(vistrel::MediaOpenError error);
    void playClicked();
    void pauseClicked();
    void stopClicked();
    void forwardClicked();
    void backwardClicked();
    // Space with no button focused: holds what plays (movie, music, the slides' stepping) or
    // lets it go on from where it was held.
    void pauseOrResume();

  signals:
    void slideshowStarts();
    void nextSlideWanted();
    void previousSlideWanted();
    // The media framework cannot play the disc's movie or music.
    void mediaNotOpened(const QString& path, vistrel::MediaOpenError error);

  private:
    void giveUp(MediaOpenError error);
    void startSlideshow();
    void holdSlides();

    MediaPlayerControl& player_;
    Stage& stage_;
    // The file is named and the player's verdict not yet in.
    bool opening_ = false;
    std::function<bool()> firstFramePainted_;
    QElapsedTimer sinceStart_;
    double startAt_ = 0;
};

} // namespace vistrel
