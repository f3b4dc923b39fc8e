#include "ProgramIcon.h"

#include <QDir>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>

namespace vistrel::discgen {

QImage drawProgramIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    // A disc-blue rounded tile with a silver disc and a play mark on it.
    const QRectF tile(s * 0.03, s * 0.03, s * 0.94, s * 0.94);
    QLinearGradient blue(tile.topLeft(), tile.bottomLeft());
    blue.setColorAt(0, QColor(70, 130, 210));
    blue.setColorAt(1, QColor(24, 56, 116));
    p.setPen(QPen(QColor(12, 28, 60), s / 32));
    p.setBrush(blue);
    p.drawRoundedRect(tile, s * 0.2, s * 0.2);
    QLinearGradient silver(QPointF(0, s * 0.15), QPointF(s, s * 0.85));
    silver.setColorAt(0, QColor(250, 252, 255));
    silver.setColorAt(1, QColor(168, 180, 198));
    p.setPen(Qt::NoPen);
    p.setBrush(silver);
    p.drawEllipse(QPointF(s / 2, s / 2), s * 0.34, s * 0.34);
    p.setBrush(QColor(24, 56, 116));
    p.drawEllipse(QPointF(s / 2, s / 2), s * 0.06, s * 0.06);
    p.setBrush(QColor(255, 168, 38));
    p.drawPolygon(QPolygonF() << QPointF(s * 0.62, s * 0.6) << QPointF(s * 0.9, s * 0.76)
                              << QPointF(s * 0.62, s * 0.92));
    return image;
}

bool writeProgramIcons(const QString& folder, QString& error) {
    if (!QDir().mkpath(folder)) {
        error = "cannot make the folder " + folder;
        return false;
    }
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString path = folder + "/vistrel-" + QString::number(size) + ".png";
        if (!drawProgramIcon(size).save(path, "PNG")) {
            error = "cannot write " + path;
            return false;
        }
    }
    return true;
}

} // namespace vistrel::discgen
