#include "window/WindowPlacement.h"

namespace vistrel {

QPoint firstWindowPlace(const QRect& available, QSize window) {
    const int left = window.width() <= available.width()
                         ? available.left() + (available.width() - window.width()) / 2
                         : available.left() + available.width() - window.width();
    const int top = window.height() <= available.height()
                        ? available.top() + (available.height() - window.height()) / 2
                        : available.top();
    return {left, top};
}

} // namespace vistrel
