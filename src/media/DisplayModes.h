#pragma once

#include <QObject>
#include <QRect>

namespace vistrel {

class Core;
class MainDialog;

// Normal and full-screen display. A movie covers the screen by itself through the player
// control; pictures (no movie) take the whole window to full screen without its side buttons
// and title, the picture area and player stretched over it.
class DisplayModes : public QObject {
    Q_OBJECT
  public:
    explicit DisplayModes(Core& core);

    // Wires btnMaximize, the control's double click and the double clicks of picShowPictures
    // and recDragWindow.
    void connectTo(MainDialog& dialog);

    void EnterFullScreen();
    void LeaveFullScreen();

    void maximizeClicked();
    // The double click on the video or the picture area: in or out.
    void toggleFullScreen();
    // The double click on the drag strip only ever goes in.
    void dragStripDoubleClicked();
    // A movie that can no longer play does not keep the screen.
    void movieEnded();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void refresh();
    void enterPictures();
    void leavePictures();
    void placeVideoElements(const QRect& area);
    void showSideButtons(bool visible);
    bool picturesFullScreen() const;

    Core& core_;
    QPoint normalPosition_;
};

} // namespace vistrel
