#pragma once

#include <QElapsedTimer>
#include <QObject>

#include <functional>

class QTimer;

namespace vistrel {

class ImageArea;
class MediaPlayerControl;
struct MediaState;

// The start of playback once the window is up (TimerMovie) and the five playback buttons.
// The transport state is never kept here: every button reads PlayState from the control.
class Playback : public QObject {
    Q_OBJECT
  public:
    Playback(MediaPlayerControl& player, ImageArea& picShowPictures, QTimer& TimerMovie,
             QTimer& TimerSlideShow, MediaState& media, std::function<bool()> firstFramePainted);

    // How long the start of playback waits for the window's first frame at most (a window that
    // is covered from the start is never painted).
    static constexpr int FirstFrameWaitMs = 250;

    // Starts TimerMovie: playback begins as soon as the message loop runs after the window is
    // shown and its first frame is painted.
    void start();

    void startOfPlayback(); // TimerMovie Timer
    void playClicked();
    void pauseClicked();
    void stopClicked();
    void forwardClicked();
    void backwardClicked();
    // The framework refused the media after the start accepted it.
    void failedLate();
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
    void stopSlideTimer();

    MediaPlayerControl& player_;
    ImageArea& pictures_;
    QTimer& movieTimer_;
    QTimer& slideTimer_;
    MediaState& media_;
    std::function<bool()> firstFramePainted_;
    QElapsedTimer sinceStart_;
};

} // namespace vistrel
