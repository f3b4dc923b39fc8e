#include "doubles/BmpFile.h"
#include "skin/BitmapHeader.h"
#include "skin/PictureFile.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>

using namespace vistrel;
using namespace vistrel::test;

namespace {

bool truncated(const QByteArray& bytes, qint64 size) {
    return bitmapDataTruncated(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
        static_cast<std::uint64_t>(size));
}

QByteArray coreHeaderBitmap() {
    // An OS/2 bitmap: 12-byte header with 16-bit sizes, 3 x 2 pixels at 24 bits, no palette.
    QByteArray out("BM");
    out += QByteArray::fromHex("00000000"
                               "00000000"
                               "1a000000");
    out += QByteArray::fromHex("0c000000"
                               "0300"
                               "0200"
                               "0100"
                               "1800");
    out += QByteArray(2 * 12, '\x40');
    return out;
}

// A 24-bit bitmap as Qt writes it (bottom-up), or turned top-down.
QByteArray trueColourBitmap(const QImage& picture, bool topDown) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "BMP");
    if (!topDown)
        return bytes;
    const int height = picture.height();
    const qsizetype rowBytes = (qsizetype(picture.width()) * 3 + 3) / 4 * 4;
    const qsizetype start = bytes.size() - rowBytes * height;
    QByteArray flipped = bytes.left(start);
    for (int row = height - 1; row >= 0; --row)
        flipped += bytes.mid(start + row * rowBytes, rowBytes);
    const qint32 negative = -height;
    std::memcpy(flipped.data() + 22, &negative, sizeof negative);
    return flipped;
}

} // namespace

class TestBitmapHeader : public QObject {
    Q_OBJECT
  private slots:
    void truncation_data();
    void truncation();
    void allocationLimitRefusesHugePictures();
    void trueColourBitmapsReadAsQtReadsThem();
};

void TestBitmapHeader::truncation_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("expected");

    const QStringList rows = {"#.#..", "....#", "#####"};
    for (int bits : {1, 4, 8, 16, 24, 32}) {
        const QByteArray whole = bmpBytes(rows, bits);
        QTest::addRow("%d bit, whole", bits) << whole << qint64(whole.size()) << false;
        QTest::addRow("%d bit, one byte short", bits) << whole << qint64(whole.size() - 1) << true;
        QTest::addRow("%d bit, headers only", bits) << whole.left(54) << qint64(54) << true;
    }
    const QByteArray topDown = bmpBytes(rows, 24, BmpCompression::None, true);
    QTest::newRow("top-down whole") << topDown << qint64(topDown.size()) << false;
    QTest::newRow("top-down short") << topDown << qint64(topDown.size() - 4) << true;
    const QByteArray rle = bmpBytes(rows, 8, BmpCompression::Rle8);
    QTest::newRow("RLE8 whole") << rle << qint64(rle.size()) << false;
    QTest::newRow("RLE8 short") << rle << qint64(rle.size() - 2) << true;
    QTest::newRow("claims 40000 x 40000") << bmpHeaderClaiming(40000, 40000) << qint64(54) << true;
    QTest::newRow("claims -2147483648 rows")
        << bmpHeaderClaiming(1, std::numeric_limits<int>::min()) << qint64(54) << true;
    const QByteArray core = coreHeaderBitmap();
    QTest::newRow("OS/2 header whole") << core << qint64(core.size()) << false;
    QTest::newRow("OS/2 header short") << core << qint64(core.size() - 1) << true;
    QTest::newRow("not a bitmap") << QByteArray("\x89PNG\r\n\x1a\n........") << qint64(5) << false;
    QTest::newRow("too short to judge") << QByteArray("BM") << qint64(2) << false;
    QTest::newRow("empty") << QByteArray() << qint64(0) << false;
}

void TestBitmapHeader::truncation() {
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, size);
    QFETCH(bool, expected);
    QCOMPARE(truncated(bytes, size), expected);
}

void TestBitmapHeader::allocationLimitRefusesHugePictures() {
    // The limit counts 4 bytes a pixel: 5000 x 5000 is 100 MB, more than our limit and less than
    // the reader's own.
    const int limitBefore = QImageReader::allocationLimit();
    QVERIFY(qint64(limitBefore) * 1024 * 1024 > 100 * 1000 * 1000 || limitBefore == 0);
    QTemporaryDir dir;
    const QString path = dir.filePath("huge.bmp");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bmpRleClaiming(5000, 5000));
    file.close();
    const PictureFile picture = loadPictureFile(path);
    QVERIFY(!picture.loaded());
    QVERIFY(picture.image.isNull());
    // The limit holds for skin pictures only; other readers keep their own.
    QCOMPARE(QImageReader::allocationLimit(), limitBefore);

    const QString small = dir.filePath("small.bmp");
    file.setFileName(small);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bmpRleClaiming(300, 200));
    file.close();
    const PictureFile smallPicture = loadPictureFile(small);
    QVERIFY2(smallPicture.loaded(), qPrintable(smallPicture.error));
}

// The program's own reading of the commonest bitmap gives Qt's picture, padding and row order
// included.
void TestBitmapHeader::trueColourBitmapsReadAsQtReadsThem() {
    QTemporaryDir dir;
    for (const QSize size : {QSize(1, 1), QSize(3, 2), QSize(5, 3), QSize(699, 4)}) {
        QImage picture(size, QImage::Format_RGB32);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                picture.setPixel(x, y, qRgb(x * 37 % 256, y * 91 % 256, (x + y) * 13 % 256));
        for (const bool topDown : {false, true}) {
            const QString path = dir.filePath(
                QString("p%1x%2-%3.bmp").arg(size.width()).arg(size.height()).arg(topDown));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            const QByteArray bytes = trueColourBitmap(picture, topDown);
            const std::optional<PlainBitmap> layout =
                plainBitmapLayout(std::string_view(bytes.constData(), std::size_t(bytes.size())),
                                  std::uint64_t(bytes.size()), 1 << 20);
            QVERIFY(layout && layout->topDown == topDown);
            file.write(bytes);
            file.close();
            const PictureFile read = loadPictureFile(path);
            QVERIFY2(read.loaded(), qPrintable(read.error));
            QCOMPARE(read.image,
                     QImageReader(path, "bmp").read().convertToFormat(read.image.format()));
            QCOMPARE(read.image, picture);
        }
    }
}

QTEST_GUILESS_MAIN(TestBitmapHeader)
#include "tst_bitmapheader.moc"
