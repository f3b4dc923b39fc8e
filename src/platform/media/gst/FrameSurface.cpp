#include "platform/media/gst/FrameSurface.h"

#include "platform/media/gst/DrawnFrames.h"

#include <QPainter>

namespace vistrel {

FrameSurface::FrameSurface(QWidget* parent, std::shared_ptr<DrawnFrames> frames)
    : VideoSurface(parent), frames_(std::move(frames)) {
    // Every pixel is painted: nothing of the window beneath needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(frames_.get(), &DrawnFrames::arrived, this, qOverload<>(&QWidget::update));
}

void FrameSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const DrawnPicture picture = frames_->newest();
    if (picture.image.isNull()) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    const QSizeF shape(picture.image.width() * picture.pixelAspect, picture.image.height());
    QRectF area(QPointF(), shape.scaled(QSizeF(size()), Qt::KeepAspectRatio));
    area.moveCenter(QRectF(rect()).center());
    // The bars, then the picture: no pixel is painted twice.
    const QRegion bars = QRegion(rect()).subtracted(area.toAlignedRect());
    for (const QRect& bar : bars)
        painter.fillRect(bar, Qt::black);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(area, picture.image);
}

} // namespace vistrel
