#pragma once

#include "window/ImageArea.h"

#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QWidget>

#include <functional>
#include <memory>

class QAction;
class QMenu;
class QTimer;

namespace vistrel {

class DocumentView;
class MediaPlayerControl;
class SingleInstance;
class WindowDrag;

// The program's one long-lived window: 699 x 432, no frame, its look taken from the skin.
// Elements are public members named as the window's inventory names them.
class MainDialog : public QWidget {
    Q_OBJECT
  public:
    static constexpr int WindowWidth = 699;
    static constexpr int WindowHeight = 432;
    static constexpr QRect VideoArea{13, 24, 517, 378};

    using PlayerFactory = std::function<MediaPlayerControl*(QWidget* parent)>;
    using DocumentFactory = std::function<DocumentView*(QWidget* parent)>;

    MainDialog(const PlayerFactory& makePlayer, const DocumentFactory& makeDocument);
    ~MainDialog() override;

    // The creation steps; false when another instance runs (it has been activated and this
    // start must end without showing anything).
    bool load(SingleInstance& singleInstance, bool& isFullScreen);

    void setBackgroundPicture(const QPixmap& picture);
    const QPixmap& backgroundPicture() const { return background_; }
    // Shows the window centred on its screen the first time, where it was afterwards.
    void showCentred();
    // True once the window's first frame has been painted.
    bool hasPaintedFirstFrame() const { return painted_; }

    ImageArea* btnMenu;
    ImageArea* recDragWindow;
    ImageArea* btnMinimize;
    ImageArea* btnMaximize;
    ImageArea* btnClose;
    ImageArea* picShowPictures;
    MediaPlayerControl* MediaPlayer;
    DocumentView* WebBrowser;
    ImageArea* picTitle;
    PictureBox* btnInstallCodec;
    PictureBox* btnInstallPlayer;
    PictureBox* btnInfo;
    PictureBox* btnStartPlayer;
    PictureBox* btnExplore;
    PictureBox* btnExit;
    ImageArea* btnBackward;
    ImageArea* btnPlay;
    ImageArea* btnPause;
    ImageArea* btnStop;
    ImageArea* btnForward;
    PictureBox* picTransparentMask;
    QTimer* TimerSlideShow;
    QTimer* TimerMovie;

    // The menu tree; mnuMain is shown as a pop-up, never as a menu bar.
    QMenu* mnuMain;
    QMenu* mnuChooseSkin;
    QList<QAction*> mnuSkin;
    QMenu* mnuChooseLanguage;
    QList<QAction*> mnuLanguage;
    QAction* mnuRule1;
    QAction* mnuAbout;
    QAction* mnuRule2;
    QAction* mnuExit;

  signals:
    // The window was closed: the program ends.
    void unloaded();
    // The window itself was pressed on its background (no element lies there).
    void backgroundMouseDown(int button);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void createElements(const PlayerFactory& makePlayer, const DocumentFactory& makeDocument);
    void createMenu();
    void placeInVideoArea();

    std::unique_ptr<WindowDrag> drag_;
    QPixmap background_;
    bool centred_ = false;
    bool painted_ = false;
};

} // namespace vistrel
