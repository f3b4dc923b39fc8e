#pragma once

#include "window/Buttons.h"
#include "window/ImageArea.h"
#include "window/LanguageTexts.h"
#include "window/MenuTree.h"
#include "window/WindowAreas.h"

#include <QPixmap>
#include <QPoint>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

namespace vistrel {

class DocumentView;
class MediaPlayerControl;
class SingleInstance;
class Stage;
class VideoPlacer;
class WindowDrag;

// The program's one long-lived window: 699 x 432, no frame, its look taken from the skin. Its
// elements are built here, the buttons from the table of buttons; what they do is wired by the
// application, which hands each feature the elements it uses.
class MainDialog : public QWidget {
    Q_OBJECT
  public:
    using PlayerFactory = std::function<MediaPlayerControl*(QWidget* parent)>;
    using DocumentFactory = std::function<DocumentView*(QWidget* parent)>;

    MainDialog(const PlayerFactory& makePlayer, const DocumentFactory& makeDocument);
    ~MainDialog() override;

    // The creation steps; false when another instance runs (it has been activated and this
    // start must end without showing anything).
    bool load(SingleInstance& singleInstance);

    void setBackgroundPicture(const QPixmap& picture);
    const QPixmap& backgroundPicture() const { return background_; }
    // Shows the window on its screen the first time (firstWindowPlace), where it was afterwards.
    void showCentred();
    // The window shows at topLeft instead (a window that replaces another at its place).
    void placeAt(QPoint topLeft);
    // True once the window's first frame has been painted.
    bool hasPaintedFirstFrame() const { return painted_; }

    // A language's tooltips (of the buttons that have a language key) and menu captions.
    void showTexts(const LanguageTexts& texts);

    // The elements, named as the window's inventory names them.
    ImageArea* button(ButtonId id) const { return buttons_[static_cast<std::size_t>(id)]; }
    const ButtonWidgets& buttons() const { return buttons_; }
    ImageArea* recDragWindow() const { return recDragWindow_; }
    ImageArea* picShowPictures() const { return picShowPictures_; }
    ImageArea* picTitle() const { return picTitle_; }
    MediaPlayerControl* MediaPlayer() const { return MediaPlayer_; }
    // Where the video goes and whether it covers the screen.
    VideoPlacer* videoPlacer() const { return videoPlacer_; }
    DocumentView* WebBrowser() const { return WebBrowser_; }
    // What the video area shows and what plays there.
    Stage& stage() const { return *stage_; }

    MenuTree& menu() { return menu_; }

  signals:
    void firstFramePainted();
    // The window was closed: the program ends.
    void unloaded();
    // The pop-up menu is wanted from the keyboard (Menu key, Shift+F10): at btnMenu.
    void menuKeyPressed();
    // The pop-up menu is wanted by a right click off the buttons: at the pointer.
    void contextMenuWanted(QPoint globalPosition);
    // Esc where nothing else took it: out of full screen, or the document closed.
    void escapePressed();
    // Space while no button has the focus.
    void pauseKeyPressed();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool focusNextPrevChild(bool next) override;

  private:
    bool moveFocus(bool forward);
    void nameElements();
    void createButtons(bool titleBar);
    void createElements(const PlayerFactory& makePlayer, const DocumentFactory& makeDocument);
    void createMenu();

    ButtonWidgets buttons_{};
    ImageArea* recDragWindow_ = nullptr;
    ImageArea* picShowPictures_ = nullptr;
    MediaPlayerControl* MediaPlayer_ = nullptr;
    VideoPlacer* videoPlacer_ = nullptr;
    DocumentView* WebBrowser_ = nullptr;
    ImageArea* picTitle_ = nullptr;
    Stage* stage_ = nullptr;
    MenuTree menu_;

    std::unique_ptr<WindowDrag> drag_;
    QPixmap background_;
    bool centred_ = false;
    bool painted_ = false;
};

} // namespace vistrel
