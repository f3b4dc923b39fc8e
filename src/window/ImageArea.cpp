#include "window/ImageArea.h"

#include "platform/log/Log.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace vistrel {

int buttonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

ImageArea::ImageArea(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
}

void ImageArea::setPicture(const QPixmap& picture) {
    picture_ = picture;
    if (autoSize_ && !picture_.isNull())
        resize(picture_.deviceIndependentSize().toSize());
    update();
}

void ImageArea::clearPicture() {
    picture_ = QPixmap();
    update();
}

void ImageArea::setStretch(bool stretch) {
    stretch_ = stretch;
    update();
}

// The window gives the focus to its buttons itself (ReadingOrder.h): left to the toolkit, a
// window that comes to the front would put it on its first button unasked.
void ImageArea::makeButton() {
    button_ = true;
}

void ImageArea::press() {
    emit mouseDown(1);
    emit mouseUp(1);
    clickByKey();
}

void ImageArea::clickByKey() {
    clickedByKey_ = true;
    emit clicked();
    clickedByKey_ = false;
}

void ImageArea::paintEvent(QPaintEvent*) {
    const bool ring = button_ && hasFocus();
    if (picture_.isNull() && !ring)
        return;
    QPainter painter(this);
    // On a high-density screen a picture is drawn larger than its pixels: smoothly, not as
    // blocks.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!picture_.isNull()) {
        if (stretch_)
            painter.drawPixmap(rect(), picture_);
        else
            painter.drawPixmap(0, 0, picture_);
    }
    if (ring)
        paintFocusRing(painter);
}

// Black, white, black from the edge inwards: one of them stands out on any picture.
void ImageArea::paintFocusRing(QPainter& painter) const {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    const QColor colours[] = {Qt::black, Qt::white, Qt::black};
    for (int inset = 0; inset < 3; ++inset) {
        const QRect ring = rect().adjusted(inset, inset, -inset - 1, -inset - 1);
        if (ring.width() < 1 || ring.height() < 1)
            break;
        painter.setPen(QPen(colours[inset], 0));
        painter.drawRect(ring);
    }
}

void ImageArea::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool pressKey = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    if (!button_ || !pressKey || event->modifiers() & ~Qt::KeypadModifier) {
        event->ignore();
        return;
    }
    if (!event->isAutoRepeat() && pressedByKey_ == 0) {
        pressedByKey_ = key;
        qCInfo(logWindow).noquote() << "key press on" << objectName();
        emit mouseDown(1);
    }
}

// The click belongs to the release of the key that pressed it, as a mouse click to its release.
void ImageArea::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat() || event->key() != pressedByKey_ || pressedByKey_ == 0) {
        event->ignore();
        return;
    }
    pressedByKey_ = 0;
    emit mouseUp(1);
    clickByKey();
}

void ImageArea::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (button_)
        qCInfo(logWindow).noquote() << "focus:" << objectName();
    update();
}

// A key that pressed the button and lost it on the way up releases it without a click.
void ImageArea::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    if (pressedByKey_ != 0) {
        pressedByKey_ = 0;
        emit mouseUp(1);
    }
    update();
}

// A button is named by its tooltip: a new tooltip (another language) is a new name.
bool ImageArea::event(QEvent* event) {
    if (event->type() == QEvent::ToolTipChange && button_) {
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
    if (event->type() == QEvent::ToolTip && button_ && !toolTip().isEmpty())
        qCInfo(logWindow).noquote() << "tooltip shown:" << toolTip();
    return QWidget::event(event);
}

void ImageArea::mousePressEvent(QMouseEvent* event) {
    emit mouseDown(buttonCode(event->button()));
}

void ImageArea::mouseReleaseEvent(QMouseEvent* event) {
    emit mouseUp(buttonCode(event->button()));
    // The click belongs to a release over the element with the left button; the release that
    // ends a double click ends the double click, which is no second click.
    const bool endsDoubleClick = doubleClickHeld_ && event->button() == Qt::LeftButton;
    if (event->button() == Qt::LeftButton)
        doubleClickHeld_ = false;
    if (event->button() == Qt::LeftButton && !endsDoubleClick &&
        rect().contains(event->position().toPoint()))
        emit clicked();
    // A right click on what is no button belongs to the window, which opens its menu.
    if (event->button() == Qt::RightButton && !button_)
        event->ignore();
}

void ImageArea::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved(event->globalPosition().toPoint(), event->buttons());
}

void ImageArea::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click arrives as the double click itself; its release
    // still comes as a mouse-up.
    if (event->button() == Qt::LeftButton) {
        doubleClickHeld_ = true;
        emit doubleClicked();
    } else
        emit mouseDown(buttonCode(event->button()));
}

} // namespace vistrel
