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
    moving_ = Moving::NotYet;
    pressPosition_ = globalPosition;
    windowStart_ = window_->pos();
}

void WindowDrag::move(QPoint globalPosition, bool leftHeld) {
    if (!pressed_ || moving_ == Moving::BySystem)
        return;
    if (!leftHeld) {
        release();
        return;
    }
    const QPoint travel = globalPosition - pressPosition_;
    if (moving_ == Moving::ByProgram) {
        window_->move(windowStart_ + travel);
        return;
    }
    if (travel.manhattanLength() < QApplication::startDragDistance())
        return;
    startMoving(travel);
}

void WindowDrag::startMoving(QPoint travel) {
    const WindowMoving how = howWindowsMove();
    // The system's loop follows the pointer from where it stands: the travel before it is the
    // program's to make, or the window would lag behind the pointer by it.
    if (how != WindowMoving::Compositor)
        window_->move(windowStart_ + travel);
    if (how == WindowMoving::Program) {
        moving_ = Moving::ByProgram;
        return;
    }
    QWindow* handle = window_->windowHandle();
    if (handle && handle->startSystemMove()) {
        moving_ = Moving::BySystem;
        qCInfo(logWindow) << "drag: system move";
        return;
    }
    if (how == WindowMoving::Compositor) {
        qCInfo(logWindow) << "drag: the compositor offers no move; the window stays";
        pressed_ = false;
        return;
    }
    moving_ = Moving::ByProgram;
}

void WindowDrag::release() {
    if (pressed_ && moving_ != Moving::BySystem && window_->pos() != windowStart_)
        qCInfo(logWindow) << "drag: moved to" << window_->pos();
    pressed_ = false;
    moving_ = Moving::NotYet;
}

} // namespace vistrel
