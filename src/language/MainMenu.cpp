#include "language/MainMenu.h"

#include "language/AboutDialog.h"
#include "language/MenuLists.h"
#include "language/MenuPopup.h"
#include "platform/disc/FilePaths.h"
#include "platform/log/Log.h"
#include "window/ImageArea.h"
#include "window/MenuTree.h"

#include <QAction>

namespace vistrel {

namespace {

// Names on the disc are found without regard to case or to how an accent is written; so is the
// entry of the one in use.
void markEntry(const QList<QAction*>& entries, const QString& name) {
    for (QAction* entry : entries) {
        entry->setCheckable(true);
        entry->setChecked(sameDiscName(menuEntryName(*entry), name));
    }
}

} // namespace

MainMenu::MainMenu(QWidget& window, ImageArea& btnMenu, MenuTree& menu, Desktop& desktop)
    : window_(window), menu_(menu), desktop_(desktop) {
    popup_ = new MenuPopup(menu.mnuMain, &btnMenu);
    btnMenu_ = &btnMenu;
    connect(&btnMenu, &ImageArea::mouseDown, this, &MainMenu::btnMenuMouseDown);
    connect(&btnMenu, &ImageArea::clicked, this, &MainMenu::btnMenuClick);
    connect(&btnMenu, &ImageArea::doubleClicked, this, &MainMenu::btnMenuDoubleClickEvent);
    for (int i = 0; i < menu.mnuLanguage.size(); ++i)
        connect(menu.mnuLanguage[i], &QAction::triggered, this, [this, i] { mnuLanguageClick(i); });
    for (int i = 0; i < menu.mnuSkin.size(); ++i)
        connect(menu.mnuSkin[i], &QAction::triggered, this, [this, i] { mnuSkinClick(i); });
    connect(menu.mnuAbout, &QAction::triggered, this, &MainMenu::mnuAboutClick);
    connect(menu.mnuExit, &QAction::triggered, this, &MainMenu::mnuExitClick);
}

void MainMenu::btnMenuMouseDown(int button) {
    pressedOnButton_ = button == 1;
    if (pressedOnButton_)
        popup_->buttonPressed();
}

void MainMenu::btnMenuClick() {
    if (!pressedOnButton_)
        return;
    pressedOnButton_ = false;
    qCInfo(logMenu) << "menu: open";
    const auto opened =
        btnMenu_->clickedByKey() ? MenuPopup::Opened::ByKeyboard : MenuPopup::Opened::ByMouse;
    if (popup_->exec(window_.mapToGlobal(PopupPoint), opened))
        btnMenuDblClick();
}

void MainMenu::markLanguage(const QString& name) {
    languageInUse_ = name;
    markEntry(menu_.mnuLanguage, name);
}

void MainMenu::markSkin(const QString& name) {
    skinInUse_ = name;
    markEntry(menu_.mnuSkin, name);
}

void MainMenu::popUpAtButton() {
    popUp(window_.mapToGlobal(PopupPoint), MenuPopup::Opened::ByKeyboard);
}

void MainMenu::popUpAt(QPoint globalPosition) {
    popUp(globalPosition, MenuPopup::Opened::ByMouse);
}

// Not a press on btnMenu: closing this menu with a press on btnMenu is no double click on it.
void MainMenu::popUp(QPoint globalPosition, MenuPopup::Opened opened) {
    pressedOnButton_ = false;
    qCInfo(logMenu) << "menu: open at" << window_.mapFromGlobal(globalPosition);
    popup_->exec(globalPosition, opened);
}

void MainMenu::btnMenuDoubleClickEvent() {
    // The toolkit pairs this press with the one before it. When that one closed the menu, the
    // button did not have it: this is the first press of a new click, which opens the menu.
    if (!popup_->followsButtonPress()) {
        btnMenu_->takeDoubleClickAsPress();
        btnMenuMouseDown(1);
        return;
    }
    btnMenuDblClick();
}

void MainMenu::btnMenuDblClick() {
    pressedOnButton_ = false;
    qCInfo(logMenu) << "menu: btnMenu double click";
    emit endRequested("btnMenu double click");
}

// The toolkit checks a chosen entry at once; the mark stays with what is in use until whoever
// loads the choice says it is in use.
void MainMenu::mnuLanguageClick(int index) {
    const QString name = menuEntryName(*menu_.mnuLanguage[index]);
    qCInfo(logMenu).noquote() << "menu: language" << name;
    markEntry(menu_.mnuLanguage, languageInUse_);
    emit languageChosen(name);
}

void MainMenu::mnuSkinClick(int index) {
    const QString name = menuEntryName(*menu_.mnuSkin[index]);
    qCInfo(logMenu).noquote() << "menu: skin" << name;
    markEntry(menu_.mnuSkin, skinInUse_);
    emit skinChosen(name);
}

void MainMenu::mnuAboutClick() {
    qCInfo(logMenu) << "menu: about";
    AboutDialog about(desktop_, &window_);
    about.exec();
}

void MainMenu::mnuExitClick() {
    qCInfo(logMenu) << "menu: exit";
    // Unlike btnExit, the menu's exit leaves the player as it is.
    emit endRequested("mnuExit");
}

} // namespace vistrel
