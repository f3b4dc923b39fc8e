#include "window/ButtonAccessible.h"

#include "platform/log/Log.h"
#include "window/ImageArea.h"
#include "window/MainDialog.h"

namespace vistrel {

namespace {

// The buttons, and the main window as a window (a plain widget would be a mere pane), named by
// its title.
QAccessibleInterface* accessibleElement(const QString&, QObject* object) {
    auto* area = qobject_cast<ImageArea*>(object);
    if (area && area->isButton())
        return new ButtonAccessible(area);
    if (auto* window = qobject_cast<MainDialog*>(object))
        return new QAccessibleWidget(window, QAccessible::Window);
    return nullptr;
}

} // namespace

ButtonAccessible::ButtonAccessible(ImageArea* button)
    : QAccessibleWidget(button, QAccessible::Button) {}

ImageArea* ButtonAccessible::button() const {
    return static_cast<ImageArea*>(widget());
}

QString ButtonAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) {
        const QString name = button()->accessibleName();
        return name.isEmpty() ? button()->toolTip() : name;
    }
    if (t == QAccessible::Description)
        return QString();
    return QAccessibleWidget::text(t);
}

// The window hands the focus round its buttons itself, so the toolkit's focus policy is not theirs.
QAccessible::State ButtonAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.focusable = button()->isEnabled();
    return state;
}

QStringList ButtonAccessible::actionNames() const {
    QStringList names = QAccessibleWidget::actionNames();
    if (button()->isEnabled())
        names.prepend(pressAction());
    return names;
}

void ButtonAccessible::doAction(const QString& actionName) {
    if (actionName != pressAction() || !button()->isEnabled()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    qCInfo(logWindow).noquote() << "accessible press on" << button()->objectName();
    button()->press();
}

QStringList ButtonAccessible::keyBindingsForAction(const QString& actionName) const {
    if (actionName == pressAction())
        return {QStringLiteral("Space")};
    return QAccessibleWidget::keyBindingsForAction(actionName);
}

void installButtonAccessibility() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(accessibleElement);
}

} // namespace vistrel
