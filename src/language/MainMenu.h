#pragma once

#include <QObject>
#include <QPoint>

namespace vistrel {

class Core;
class MainDialog;
class MenuPopup;

// The pop-up menu behind btnMenu: its language and skin lists, the about box and exit.
class MainMenu : public QObject {
    Q_OBJECT
  public:
    // Where the menu opens, in the main window's pixels, wherever the skin draws btnMenu.
    static constexpr QPoint PopupPoint{3, 14};

    explicit MainMenu(Core& core);

    // Connects the handlers to the window's btnMenu and menu entries; the lists must be filled.
    void connectTo(MainDialog& dialog);

  private:
    void btnMenuMouseDown(int button);
    void btnMenuClick();
    void btnMenuDoubleClickEvent();
    void btnMenuDblClick();
    void mnuLanguageClick(int index);
    void mnuSkinClick(int index);
    void mnuAboutClick();
    void mnuExitClick();

    Core& core_;
    MainDialog* dialog_ = nullptr;
    MenuPopup* popup_ = nullptr;
    // A click counts only when btnMenu also had the press; a release left over from the press
    // that closed the menu must not open it again.
    bool pressedOnButton_ = false;
};

} // namespace vistrel
