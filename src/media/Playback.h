#pragma once

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
};

} // namespace vistrel
