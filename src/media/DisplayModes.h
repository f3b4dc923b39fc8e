#pragma once

#include <QList>
#include <QObject>
#include <QRect>
#include <QRegion>

namespace vistrel {

class MainDialog;
struct MediaState;

// Normal and full-screen display. A movie covers the screen by itself through the player
// control; pictures (no movie) take the whole window to full screen without its side buttons
// and title, the picture area and player stretched over it.
class DisplayModes : public QObject {
    Q_OBJECT
  public:
    // sideButtons: the side buttons on show in normal display; outline: the skin's outline of
    // the window, as it stands when the window comes back.
    DisplayModes(MainDialog& window, const MediaState& media, const QRegion& outline,
                 QList<QWidget*> sideButtons);

    void EnterFullScreen();
    void LeaveFullScreen();
    bool IsFullScreen() const { return isFullScreen_; }

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

    MainDialog& window_;
    const MediaState& media_;
    const QRegion& outline_;
    QList<QWidget*> sideButtons_;
    bool isFullScreen_ = false;
    QPoint normalPosition_;
};

} // namespace vistrel
