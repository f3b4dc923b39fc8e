#pragma once

#include <QList>

class QAction;
class QMenu;

namespace vistrel {

// The main window's menu elements, named as the window's inventory names them. mnuMain is shown
// as a pop-up, never as a menu bar; the two lists grow by one entry per language or skin.
struct MenuTree {
    QMenu* mnuMain = nullptr;
    QMenu* mnuChooseSkin = nullptr;
    QList<QAction*> mnuSkin;
    QMenu* mnuChooseLanguage = nullptr;
    QList<QAction*> mnuLanguage;
    QAction* mnuAbout = nullptr;
    QAction* mnuExit = nullptr;
};

} // namespace vistrel
