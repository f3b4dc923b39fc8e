#include "window/ReadingOrder.h"

#include <algorithm>

namespace vistrel {

namespace {

constexpr ButtonKind KindsInReadingOrder[] = {ButtonKind::Action, ButtonKind::Console,
                                              ButtonKind::TitleBar};

bool reachable(const ImageArea* button, const QWidget* window) {
    return button && button->isVisibleTo(window) && button->isEnabled();
}

} // namespace

// Within each kind the table already lists its buttons top to bottom, left to right.
QList<ImageArea*> reachableButtons(const ButtonWidgets& buttons) {
    QList<ImageArea*> order;
    for (ButtonKind kind : KindsInReadingOrder)
        for (const ButtonRow& row : Buttons) {
            ImageArea* button = buttons[static_cast<std::size_t>(row.id)];
            if (row.kind == kind && reachable(button, button ? button->window() : nullptr))
                order.append(button);
        }
    return order;
}

ImageArea* nextButton(const ButtonWidgets& buttons, const QWidget* current, bool forward) {
    const QList<ImageArea*> order = reachableButtons(buttons);
    if (order.isEmpty())
        return nullptr;
    const auto found = std::find_if(order.cbegin(), order.cend(), [current](const ImageArea* b) {
        return static_cast<const QWidget*>(b) == current;
    });
    if (found == order.cend()) {
        ImageArea* play = buttons[static_cast<std::size_t>(ButtonId::btnPlay)];
        return order.contains(play) ? play : order.first();
    }
    const qsizetype count = order.size();
    const qsizetype at = found - order.cbegin();
    return order[(at + (forward ? 1 : count - 1)) % count];
}

} // namespace vistrel
