#include "skin/MaskRegion.h"

#include "skin/RegionFromMask.h"

#include <QList>
#include <QRect>

#include <algorithm>

namespace vistrel {

namespace {

// 32-bit pixels as 0x??RRGGBB; palette, grey, 16-bit and other formats are converted first.
QImage asRgb32(const QImage& mask) {
    switch (mask.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
        return mask;
    default:
        return mask.convertToFormat(QImage::Format_RGB32);
    }
}

} // namespace

QRegion regionFromMaskImage(const QImage& mask, QSize window) {
    const QImage pixels = asRgb32(mask);
    // Scanning only the part inside the window clips the outline to it: a run that crosses
    // the window's right edge ends there, as the column past the edge ends it.
    const int width = std::min(pixels.width(), window.width());
    const int height = std::min(pixels.height(), window.height());
    const std::vector<MaskRect> rects = RegionFromMask(width, height, [&pixels](int y) {
        return reinterpret_cast<const std::uint32_t*>(pixels.constScanLine(y));
    });
    if (rects.empty())
        return {};
    QList<QRect> qrects;
    qrects.reserve(static_cast<qsizetype>(rects.size()));
    for (const MaskRect& r : rects)
        qrects.append(QRect(r.left, r.top, r.right - r.left, r.bottom - r.top));
    QRegion region;
    // The bands are sorted, never overlap and runs of a band never touch: exactly the form
    // setRects takes in one go.
    region.setRects(qrects.constData(), static_cast<int>(qrects.size()));
    return region;
}

} // namespace vistrel
