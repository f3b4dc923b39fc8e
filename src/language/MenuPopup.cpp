#include "language/MenuPopup.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QStyleHints>

namespace vistrel {

MenuPopup::MenuPopup(QMenu* menu, QWidget* button)
    : QObject(button), menu_(menu), button_(button) {}

void MenuPopup::buttonPressed() {
    sinceButtonPress_.start();
}

QList<QMenu*> MenuPopup::menus() const {
    QList<QMenu*> all{menu_};
    all.append(menu_->findChildren<QMenu*>());
    return all;
}

bool MenuPopup::exec(QPoint globalPosition, Opened opened) {
    closedByDoubleClick_ = false;
    opened_ = opened;
    const QList<QMenu*> all = menus();
    for (QMenu* menu : all)
        menu->installEventFilter(this);
    menu_->exec(globalPosition);
    for (QMenu* menu : all)
        menu->removeEventFilter(this);
    sinceButtonPress_.invalidate();
    return closedByDoubleClick_;
}

bool MenuPopup::eventFilter(QObject* watched, QEvent* event) {
    // The first entry, as the first Down would highlight it (without opening its submenu).
    if (event->type() == QEvent::Show && watched == menu_ && opened_ == Opened::ByKeyboard) {
        QCoreApplication::postEvent(menu_,
                                    new QKeyEvent(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier));
        return false;
    }
    const bool press = event->type() == QEvent::MouseButtonPress;
    // The second press of a double click may come as the double click alone.
    const bool doubleClick = event->type() == QEvent::MouseButtonDblClick;
    if (!press && !doubleClick)
        return false;
    // Whatever closes the menu now must not reach the window beneath it.
    for (QMenu* menu : menus())
        menu->setAttribute(Qt::WA_NoMouseReplay);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint at = mouse->globalPosition().toPoint();
    if (isOverOpenMenu(at) || !isOverButton(at))
        return false;
    closedByDoubleClick_ =
        mouse->button() == Qt::LeftButton && (doubleClick || followsButtonPress());
    closeMenus();
    return true;
}

bool MenuPopup::isOverOpenMenu(QPoint globalPosition) const {
    for (const QMenu* menu : menus()) {
        if (menu->isVisible() && menu->geometry().contains(globalPosition))
            return true;
    }
    return false;
}

bool MenuPopup::isOverButton(QPoint globalPosition) const {
    return QRect(button_->mapToGlobal(QPoint(0, 0)), button_->size()).contains(globalPosition);
}

bool MenuPopup::followsButtonPress() const {
    return sinceButtonPress_.isValid() &&
           sinceButtonPress_.elapsed() < QGuiApplication::styleHints()->mouseDoubleClickInterval();
}

void MenuPopup::closeMenus() {
    // Closing the outermost open menu each time; a submenu may be open over the main one.
    for (qsizetype left = menus().size(); left > 0; --left) {
        QWidget* popup = QApplication::activePopupWidget();
        if (!popup)
            break;
        popup->close();
    }
    menu_->hide();
}

} // namespace vistrel
