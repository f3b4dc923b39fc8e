#include "language/MainMenu.h"

#include "app/Core.h"
#include "language/AboutDialog.h"
#include "language/MenuLists.h"
#include "language/MenuPopup.h"
#include "platform/Log.h"
#include "window/MainDialog.h"

#include <QAction>
#include <QMenu>

namespace vistrel {

MainMenu::MainMenu(Core& core) : core_(core) {}

void MainMenu::connectTo(MainDialog& dialog) {
    dialog_ = &dialog;
    popup_ = new MenuPopup(dialog.mnuMain, dialog.btnMenu);
    connect(dialog.btnMenu, &ImageArea::mouseDown, this, &MainMenu::btnMenuMouseDown);
    connect(dialog.btnMenu, &ImageArea::clicked, this, &MainMenu::btnMenuClick);
    connect(dialog.btnMenu, &ImageArea::doubleClicked, this, &MainMenu::btnMenuDoubleClickEvent);
    for (int i = 0; i < dialog.mnuLanguage.size(); ++i)
        connect(dialog.mnuLanguage[i], &QAction::triggered, this,
                [this, i] { mnuLanguageClick(i); });
    for (int i = 0; i < dialog.mnuSkin.size(); ++i)
        connect(dialog.mnuSkin[i], &QAction::triggered, this, [this, i] { mnuSkinClick(i); });
    connect(dialog.mnuAbout, &QAction::triggered, this, &MainMenu::mnuAboutClick);
    connect(dialog.mnuExit, &QAction::triggered, this, &MainMenu::mnuExitClick);
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
    if (popup_->exec(dialog_->mapToGlobal(PopupPoint)))
        btnMenuDblClick();
}

void MainMenu::btnMenuDoubleClickEvent() {
    // The toolkit pairs this press with the one before it. When that one closed the menu, the
    // button did not have it: this is the first press of a new click, which opens the menu.
    if (!popup_->followsButtonPress()) {
        btnMenuMouseDown(1);
        return;
    }
    btnMenuDblClick();
}

void MainMenu::btnMenuDblClick() {
    pressedOnButton_ = false;
    qCInfo(logMenu) << "menu: btnMenu double click";
    core_.unload("btnMenu double click");
}

void MainMenu::mnuLanguageClick(int index) {
    const QString name = menuEntryName(*dialog_->mnuLanguage[index]);
    qCInfo(logMenu).noquote() << "menu: language" << name;
    core_.language.LoadLanguage(name);
}

void MainMenu::mnuSkinClick(int index) {
    const QString name = menuEntryName(*dialog_->mnuSkin[index]);
    qCInfo(logMenu).noquote() << "menu: skin" << name;
    core_.skins.LoadSkin(name);
}

void MainMenu::mnuAboutClick() {
    qCInfo(logMenu) << "menu: about";
    AboutDialog about(core_.services.desktop, dialog_);
    about.exec();
}

void MainMenu::mnuExitClick() {
    qCInfo(logMenu) << "menu: exit";
    // Unlike btnExit, the menu's exit leaves the player as it is.
    core_.unload("mnuExit");
}

} // namespace vistrel
