#include "Glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace vistrel::discgen {

namespace {

// A square of side s centred in box, so glyphs keep their proportions in any box.
QRectF squareIn(const QRectF& box) {
    const qreal side = std::min(box.width(), box.height());
    return QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
}

void triangle(QPainter& p, const QRectF& r, bool pointsRight) {
    QPolygonF shape;
    if (pointsRight)
        shape << r.topLeft() << QPointF(r.right(), r.center().y()) << r.bottomLeft();
    else
        shape << r.topRight() << QPointF(r.left(), r.center().y()) << r.bottomRight();
    p.drawPolygon(shape);
}

void drawPlayback(QPainter& p, Glyph glyph, const QRectF& s) {
    const qreal w = s.width();
    switch (glyph) {
    case Glyph::Play:
        triangle(p, s.adjusted(w * 0.15, 0, -w * 0.05, 0), true);
        break;
    case Glyph::Pause:
        p.drawRect(QRectF(s.left() + w * 0.1, s.top(), w * 0.3, s.height()));
        p.drawRect(QRectF(s.left() + w * 0.6, s.top(), w * 0.3, s.height()));
        break;
    case Glyph::Stop:
        p.drawRect(s.adjusted(w * 0.05, w * 0.05, -w * 0.05, -w * 0.05));
        break;
    case Glyph::Backward:
        p.drawRect(QRectF(s.left(), s.top(), w * 0.15, s.height()));
        triangle(p, QRectF(s.left() + w * 0.15, s.top(), w * 0.42, s.height()), false);
        triangle(p, QRectF(s.left() + w * 0.57, s.top(), w * 0.42, s.height()), false);
        break;
    case Glyph::Forward:
        triangle(p, QRectF(s.left(), s.top(), w * 0.42, s.height()), true);
        triangle(p, QRectF(s.left() + w * 0.42, s.top(), w * 0.42, s.height()), true);
        p.drawRect(QRectF(s.right() - w * 0.15, s.top(), w * 0.15, s.height()));
        break;
    default:
        break;
    }
}

void drawTitleBar(QPainter& p, Glyph glyph, const QRectF& s, const QColor& colour) {
    QPen pen(colour, std::max<qreal>(1.5, s.width() / 6));
    pen.setCapStyle(Qt::FlatCap);
    switch (glyph) {
    case Glyph::Menu:
        // Three bars: the menu.
        for (int i = 0; i < 3; ++i)
            p.drawRect(QRectF(s.left(), s.top() + s.height() * (0.1 + 0.33 * i), s.width(),
                              s.height() * 0.18));
        break;
    case Glyph::Minimize:
        p.drawRect(QRectF(s.left(), s.bottom() - s.height() * 0.22, s.width(), s.height() * 0.22));
        break;
    case Glyph::Maximize:
        p.setBrush(Qt::NoBrush);
        p.setPen(pen);
        p.drawRect(
            s.adjusted(pen.widthF() / 2, pen.widthF() / 2, -pen.widthF() / 2, -pen.widthF() / 2));
        break;
    case Glyph::Close:
        p.setPen(pen);
        p.drawLine(s.topLeft(), s.bottomRight());
        p.drawLine(s.topRight(), s.bottomLeft());
        break;
    default:
        break;
    }
}

void drawAction(QPainter& p, Glyph glyph, const QRectF& s, const QColor& colour) {
    const qreal w = s.width();
    QPen pen(colour, std::max<qreal>(1.5, w / 9));
    switch (glyph) {
    case Glyph::Codec: {
        // A film strip.
        p.drawRect(s.adjusted(0, w * 0.1, 0, -w * 0.1));
        p.setBrush(QColor(255, 255, 255, 200));
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 4; ++i) {
            const qreal x = s.left() + w * (0.08 + 0.24 * i);
            p.drawRect(QRectF(x, s.top() + w * 0.17, w * 0.12, w * 0.1));
            p.drawRect(QRectF(x, s.bottom() - w * 0.27, w * 0.12, w * 0.1));
        }
        break;
    }
    case Glyph::Player:
        // A screen with a play mark.
        p.setBrush(Qt::NoBrush);
        p.setPen(pen);
        p.drawRoundedRect(s.adjusted(w * 0.05, w * 0.1, -w * 0.05, -w * 0.2), 2, 2);
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        triangle(p, QRectF(s.left() + w * 0.4, s.top() + w * 0.3, w * 0.25, w * 0.3), true);
        p.drawRect(QRectF(s.left() + w * 0.3, s.bottom() - w * 0.1, w * 0.4, w * 0.08));
        break;
    case Glyph::Info:
        p.drawEllipse(s);
        p.setBrush(QColor(255, 255, 255));
        p.drawRect(QRectF(s.center().x() - w * 0.07, s.top() + w * 0.42, w * 0.14, w * 0.38));
        p.drawEllipse(QPointF(s.center().x(), s.top() + w * 0.26), w * 0.09, w * 0.09);
        break;
    case Glyph::StartMovie:
        p.drawEllipse(s);
        p.setBrush(QColor(255, 255, 255));
        triangle(p, s.adjusted(w * 0.36, w * 0.26, -w * 0.22, -w * 0.26), true);
        break;
    case Glyph::Explore: {
        // A folder.
        QPainterPath folder;
        folder.moveTo(s.left(), s.top() + w * 0.2);
        folder.lineTo(s.left() + w * 0.38, s.top() + w * 0.2);
        folder.lineTo(s.left() + w * 0.48, s.top() + w * 0.32);
        folder.lineTo(s.right(), s.top() + w * 0.32);
        folder.lineTo(s.right(), s.bottom() - w * 0.1);
        folder.lineTo(s.left(), s.bottom() - w * 0.1);
        folder.closeSubpath();
        p.drawPath(folder);
        break;
    }
    case Glyph::Exit: {
        // A power symbol.
        p.setBrush(Qt::NoBrush);
        pen.setCapStyle(Qt::RoundCap);
        p.setPen(pen);
        const QRectF ring = s.adjusted(w * 0.1, w * 0.15, -w * 0.1, -w * 0.05);
        p.drawArc(ring, 125 * 16, -250 * 16);
        p.drawLine(QPointF(s.center().x(), s.top()), QPointF(s.center().x(), s.center().y()));
        break;
    }
    default:
        break;
    }
}

} // namespace

void drawGlyph(QPainter& painter, Glyph glyph, const QRectF& box, const QColor& colour) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const QRectF square = squareIn(box);
    switch (glyph) {
    case Glyph::Backward:
    case Glyph::Play:
    case Glyph::Pause:
    case Glyph::Stop:
    case Glyph::Forward:
        drawPlayback(painter, glyph, box);
        break;
    case Glyph::Menu:
    case Glyph::Minimize:
    case Glyph::Maximize:
    case Glyph::Close:
        drawTitleBar(painter, glyph, square, colour);
        break;
    default:
        drawAction(painter, glyph, square, colour);
        break;
    }
    painter.restore();
}

} // namespace vistrel::discgen
