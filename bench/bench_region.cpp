// The window outline from a 699 x 432 mask: our banded scan against the per-pixel way (one
// QImage::pixel read per pixel and one QRegion union per run). Prints both medians and the ratio.
#include "skin/MaskRegion.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

const QSize kWindow(699, 432);

// An outline like a real skin's: rounded corners, a notch in the bottom edge, a cut-out
// between the video area and the side panel and a round hole.
QImage realisticMask() {
    QImage mask(kWindow, QImage::Format_RGB32);
    mask.fill(Qt::black);
    QPainter painter(&mask);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRect(QPoint(0, 0), kWindow), 16, 16);
    painter.setBrush(Qt::black);
    painter.drawRoundedRect(QRect(300, 420, 120, 30), 8, 8);
    painter.drawRect(QRect(535, 120, 4, 290));
    painter.drawEllipse(QRect(600, 100, 18, 18));
    return mask;
}

QRegion perPixel(const QImage& mask) {
    QRegion region;
    for (int y = 0; y < mask.height(); ++y) {
        int start = -1;
        for (int x = 0; x <= mask.width(); ++x) {
            const bool opaque = x < mask.width() && (mask.pixel(x, y) & 0xFFFFFFu) != 0;
            if (opaque && start < 0)
                start = x;
            if (!opaque && start >= 0) {
                region += QRect(start, y, x - start, 1);
                start = -1;
            }
        }
    }
    return region;
}

double medianMicroseconds(int runs, const std::function<QRegion()>& work, QRegion& result) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        result = work();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main() {
    const QImage mask = realisticMask();
    QRegion ours;
    QRegion reference;
    const double oursUs = medianMicroseconds(
        301, [&] { return vistrel::regionFromMaskImage(mask, kWindow); }, ours);
    const double perPixelUs = medianMicroseconds(
        15, [&] { return perPixel(mask); }, reference);
    if (!(ours ^ reference).isEmpty()) {
        std::printf("the two outlines differ\n");
        return 1;
    }
    std::printf("outline of a %dx%d mask (%d rectangles ours, %d per pixel)\n", kWindow.width(),
                kWindow.height(), ours.rectCount(), reference.rectCount());
    std::printf("ours:      median %9.1f us\n", oursUs);
    std::printf("per pixel: median %9.1f us\n", perPixelUs);
    std::printf("ratio:     %.1fx faster\n", perPixelUs / oursUs);
    return 0;
}
