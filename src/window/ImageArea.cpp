#include "window/ImageArea.h"

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

void ImageArea::paintEvent(QPaintEvent*) {
    if (picture_.isNull())
        return;
    QPainter painter(this);
    if (stretch_)
        painter.drawPixmap(rect(), picture_);
    else
        painter.drawPixmap(0, 0, picture_);
}

void ImageArea::mousePressEvent(QMouseEvent* event) {
    emit mouseDown(buttonCode(event->button()));
}

void ImageArea::mouseReleaseEvent(QMouseEvent* event) {
    emit mouseUp(buttonCode(event->button()));
    // The click belongs to a release over the element with the left button.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void ImageArea::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved(event->globalPosition().toPoint(), event->buttons());
}

void ImageArea::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click arrives as the double click itself; its release
    // still comes as a mouse-up.
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
    else
        emit mouseDown(buttonCode(event->button()));
}

} // namespace vistrel
