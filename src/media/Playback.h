#pragma once

#include <QElapsedTimer>
#include <QObject>

namespace vistrel {

class Core;
class MainDialog;

// The start of playback once the window is up (TimerMovie) and the five playback buttons.
// The transport state is never kept here: every button reads PlayState from the control.
class Playback : public QObject {
    Q_OBJECT
  public:
    explicit Playback(Core& core);

    // How long the start of playback waits for the window's first frame at most (a window that
    // is covered from the start is never painted).
    static constexpr int FirstFrameWaitMs = 250;

    // Wires TimerMovie, the five buttons and the control's late failure, and starts TimerMovie.
    void connectTo(MainDialog& dialog);

    void startOfPlayback(); // TimerMovie Timer
    void playClicked();
    void pauseClicked();
    void stopClicked();
    void forwardClicked();
    void backwardClicked();

  private:
    void openFailed();
    void failedLate();
    void stopSlideTimer();

    Core& core_;
    QElapsedTimer sinceStart_;
};

} // namespace vistrel
