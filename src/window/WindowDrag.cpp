#include "window/WindowDrag.h"

#include "platform/common/WindowingSystem.h"
#include "platform/log/Log.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

namespace vistrel {

void WindowDrag::press(int button, QPoint globalPosition) {
    if (button != 1)
        return;
    pressed_ = true;
    systemMove_ = false;
    pressPosition_ = globalPosition;
    windowStart_ = window_->pos();
}

void WindowDrag::move(QPoint globalPosition, bool leftHeld) {
    if (!pressed_ || systemMove_)
        return;
    if (!leftHeld) {
        release();
        return;
    }
    const QPoint travel = globalPosition - pressPosition_;
    if (travel.manhattanLength() < QApplication::startDragDistance())
        return;
    QWindow* handle = window_->windowHandle();
    if (handle && handle->startSystemMove()) {
        systemMove_ = true;
        qCInfo(logWindow) << "drag: system move";
        return;
    }
    // Without a system move loop the window follows the pointer's travel, where the windowing
    // system lets a program place its window.
    if (compositorPlacesWindows()) {
        qCInfo(logWindow) << "drag: the compositor offers no move; the window stays";
        pressed_ = false;
        return;
    }
    window_->move(windowStart_ + travel);
}

void WindowDrag::release() {
    if (pressed_ && !systemMove_ && window_->pos() != windowStart_)
        qCInfo(logWindow) << "drag: moved to" << window_->pos();
    pressed_ = false;
    systemMove_ = false;
}

} // namespace vistrel
