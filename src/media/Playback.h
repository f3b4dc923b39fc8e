#pragma once

#include "media/MediaState.h"

#include <QElapsedTimer>
#include <QObject>

#include <functional>

class QTimer;

namespace vistrel {

class ImageArea;
class MediaPlayerControl;
class VideoPlacer;

// The start of playback once the window is up (TimerMovie) and the five playback buttons.
// The transport state is never kept here: every button reads PlayState from the control. What
// plays is this feature's own: chosen at start, and given up when the media cannot be opened.
class Playback : public QObject {
    Q_OBJECT
  public:
    Playback(MediaPlayerControl& player, VideoPlacer& video, ImageArea& picShowPictures,
             QTimer& TimerMovie, QTimer& TimerSlideShow, MediaState media,
             std::function<bool()> firstFramePainted);

    // How long the start of playback waits for the window's first frame at most (a window that
    // is covered from the start is never painted).
    static constexpr int FirstFrameWaitMs = 250;

    // Starts TimerMovie: playback begins as soon as the message loop runs after the window is
    // shown and its first frame is painted.
    void start();

    void startOfPlayback(); // TimerMovie Timer
    // The player's verdict on the file startOfPlayback named, or a failure later on.
    void mediaOpened();
    void mediaFailed();
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
    // A movie that can no longer play: it must not keep the screen.
    void movieEnded();
    // The media framework cannot play the disc's movie or music.
    void mediaNotOpened(const QString& path);

  private:
    void openFailed();
    void failedLate();
    void startSlideshow();
    void stopSlideTimer();

    MediaPlayerControl& player_;
    VideoPlacer& video_;
    ImageArea& pictures_;
    QTimer& movieTimer_;
    QTimer& slideTimer_;
    MediaState media_;
    // The file is named and the player's verdict not yet in.
    bool opening_ = false;
    std::function<bool()> firstFramePainted_;
    QElapsedTimer sinceStart_;
};

} // namespace vistrel
