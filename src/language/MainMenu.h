#pragma once

#include "language/MenuPopup.h"

#include <QObject>
#include <QPoint>

class QWidget;

namespace vistrel {

class Desktop;
class ImageArea;
struct MenuTree;

// The pop-up menu behind btnMenu: its language and skin lists, the about box and exit. Choices
// are announced; what follows them is wired elsewhere.
class MainMenu : public QObject {
    Q_OBJECT
  public:
    // Where the menu opens, in the main window's pixels, wherever the skin draws btnMenu.
    static constexpr QPoint PopupPoint{3, 14};

    // Connects to btnMenu and the menu's entries; the lists must be filled. The menu opens over
    // window, the about box in front of it.
    MainMenu(QWidget& window, ImageArea& btnMenu, MenuTree& menu, Desktop& desktop);

    // The menu asked for from the keyboard opens at btnMenu; by a right click, at the pointer.
    void popUpAtButton();
    void popUpAt(QPoint globalPosition);

    // Checks the entry of the language (skin) in use, and only that one, until told another.
    void markLanguage(const QString& name);
    void markSkin(const QString& name);

  signals:
    void languageChosen(const QString& name);
    void skinChosen(const QString& name);
    // The menu ends the program (its exit entry, or a double click on btnMenu).
    void endRequested(const QString& reason);

  private:
    void popUp(QPoint globalPosition, MenuPopup::Opened opened);
    void btnMenuMouseDown(int button);
    void btnMenuClick();
    void btnMenuDoubleClickEvent();
    void btnMenuDblClick();
    void mnuLanguageClick(int index);
    void mnuSkinClick(int index);
    void mnuAboutClick();
    void mnuExitClick();

    QWidget& window_;
    MenuTree& menu_;
    Desktop& desktop_;
    ImageArea* btnMenu_ = nullptr;
    MenuPopup* popup_ = nullptr;
    // A click counts only when btnMenu also had the press; a release left over from the press
    // that closed the menu must not open it again.
    bool pressedOnButton_ = false;
    QString languageInUse_;
    QString skinInUse_;
};

} // namespace vistrel
