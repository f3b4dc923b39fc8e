#include "skin/MaskRegion.h"

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QTest>

#include <random>

using vistrel::regionFromMaskImage;

namespace {

const QSize kWindow(699, 432);

// The outline the slow way: every non-black pixel inside the window, one by one.
QRegion pixelByPixel(const QImage& mask, QSize window) {
    QRegion region;
    for (int y = 0; y < std::min(mask.height(), window.height()); ++y)
        for (int x = 0; x < std::min(mask.width(), window.width()); ++x)
            if ((mask.pixel(x, y) & 0xFFFFFFu) != 0)
                region += QRect(x, y, 1, 1);
    return region;
}

QImage filled(QSize size, QRgb colour, QImage::Format format = QImage::Format_RGB32) {
    QImage image(size, format);
    image.fill(colour);
    return image;
}

} // namespace

class TestMaskRegion : public QObject {
    Q_OBJECT
  private slots:
    void sizesAreClippedToTheWindow_data();
    void sizesAreClippedToTheWindow();
    void drawnOutlineMatchesPixelByPixel();
    void randomMasksMatchPixelByPixel();
    void paletteMask();
    void monochromeMask();
    void alphaIsIgnored();
};

void TestMaskRegion::sizesAreClippedToTheWindow_data() {
    QTest::addColumn<QSize>("maskSize");
    QTest::addColumn<QRgb>("colour");
    QTest::addColumn<QRect>("bounds");
    QTest::addColumn<int>("rects");

    QTest::newRow("window size, white")
        << kWindow << qRgb(255, 255, 255) << QRect(0, 0, 699, 432) << 1;
    QTest::newRow("smaller mask keeps its own size")
        << QSize(105, 65) << qRgb(9, 9, 9) << QRect(0, 0, 105, 65) << 1;
    QTest::newRow("larger mask is cut at the window")
        << QSize(900, 600) << qRgb(200, 0, 0) << QRect(0, 0, 699, 432) << 1;
    QTest::newRow("wider only") << QSize(1000, 10) << qRgb(1, 0, 0) << QRect(0, 0, 699, 10) << 1;
    QTest::newRow("all black") << kWindow << qRgb(0, 0, 0) << QRect() << 0;
    QTest::newRow("empty picture") << QSize(0, 0) << qRgb(255, 255, 255) << QRect() << 0;
}

void TestMaskRegion::sizesAreClippedToTheWindow() {
    QFETCH(QSize, maskSize);
    QFETCH(QRgb, colour);
    QFETCH(QRect, bounds);
    QFETCH(int, rects);
    const QRegion region = regionFromMaskImage(filled(maskSize, colour), kWindow);
    QCOMPARE(region.boundingRect(), bounds);
    QCOMPARE(region.rectCount(), rects);
}

void TestMaskRegion::drawnOutlineMatchesPixelByPixel() {
    // Rounded corners, a notch in the bottom edge and a round hole, wider than the window.
    QImage mask = filled({720, 432}, qRgb(0, 0, 0));
    QPainter painter(&mask);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 250, 250));
    painter.drawRoundedRect(QRect(0, 0, 720, 432), 18, 18);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QRect(300, 410, 100, 40));
    painter.drawEllipse(QRect(600, 200, 31, 31));
    painter.end();

    const QRegion ours = regionFromMaskImage(mask, kWindow);
    const QRegion reference = pixelByPixel(mask, kWindow);
    QVERIFY((ours ^ reference).isEmpty());
    // One rectangle per run of each distinct band, far fewer than one per row.
    QVERIFY(ours.rectCount() <= reference.rectCount());
    QVERIFY(ours.rectCount() < 432);
    QVERIFY(!ours.contains(QPoint(0, 0)));
    QVERIFY(ours.contains(QPoint(698, 216)));
    QVERIFY(!ours.contains(QPoint(615, 215)));
}

void TestMaskRegion::randomMasksMatchPixelByPixel() {
    std::mt19937 random(7);
    for (int round = 0; round < 40; ++round) {
        QImage mask(1 + static_cast<int>(random() % 50), 1 + static_cast<int>(random() % 50),
                    QImage::Format_RGB32);
        for (int y = 0; y < mask.height(); ++y)
            for (int x = 0; x < mask.width(); ++x)
                mask.setPixel(x, y, random() % 3 == 0 ? 0u : random());
        const QSize window(1 + static_cast<int>(random() % 50),
                           1 + static_cast<int>(random() % 50));
        const QRegion ours = regionFromMaskImage(mask, window);
        QVERIFY2((ours ^ pixelByPixel(mask, window)).isEmpty(), qPrintable(QString::number(round)));
    }
}

void TestMaskRegion::paletteMask() {
    // Black sits at palette index 2; index 1 is a near-black that counts as opaque.
    QImage mask(4, 2, QImage::Format_Indexed8);
    mask.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 1), qRgb(0, 0, 0)});
    const uchar rows[2][4] = {{2, 0, 0, 2}, {1, 2, 2, 0}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            mask.setPixel(x, y, rows[y][x]);
    const QRegion region = regionFromMaskImage(mask, kWindow);
    QRegion expected(1, 0, 2, 1);
    expected += QRect(0, 1, 1, 1);
    expected += QRect(3, 1, 1, 1);
    QVERIFY((region ^ expected).isEmpty());
}

void TestMaskRegion::monochromeMask() {
    QImage mask(8, 1, QImage::Format_Mono);
    mask.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    mask.fill(0);
    mask.setPixel(7, 0, 1);
    QCOMPARE(regionFromMaskImage(mask, kWindow), QRegion(7, 0, 1, 1));
}

void TestMaskRegion::alphaIsIgnored() {
    QImage mask(3, 1, QImage::Format_ARGB32);
    mask.setPixel(0, 0, qRgba(0, 0, 0, 255));     // black: outside
    mask.setPixel(1, 0, qRgba(255, 255, 255, 0)); // white, see-through: inside
    mask.setPixel(2, 0, qRgba(0, 0, 0, 0));
    QCOMPARE(regionFromMaskImage(mask, kWindow), QRegion(1, 0, 1, 1));
}

QTEST_GUILESS_MAIN(TestMaskRegion)
#include "tst_maskregion.moc"
