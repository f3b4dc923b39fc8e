#include "skin/PictureFile.h"

#include "platform/disc/DiscFile.h"
#include "skin/BitmapHeader.h"
#include "skin/PictureSignature.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMutex>

#include <optional>

namespace vistrel {

namespace {

std::string_view viewOf(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

// The reader's limit is program-wide; ours holds only while a skin picture is read. Skin pictures
// are read on several threads at once, one at a time through the reader, so that each restores
// the limit it found.
class AllocationLimit {
  public:
    explicit AllocationLimit(int megabytes)
        : hold_(&readerLimit()), previous_(QImageReader::allocationLimit()) {
        QImageReader::setAllocationLimit(megabytes);
    }
    ~AllocationLimit() { QImageReader::setAllocationLimit(previous_); }
    AllocationLimit(const AllocationLimit&) = delete;
    AllocationLimit& operator=(const AllocationLimit&) = delete;

  private:
    static QMutex& readerLimit() {
        static QMutex mutex;
        return mutex;
    }
    QMutexLocker<QMutex> hold_;
    int previous_;
};

// Qt's reader takes a 24-bit bitmap through its general path, pixel by pixel, and the three
// window-sized pictures of a skin were most of the start's own work; the commonest bitmap is
// read here a row at a time into the very image Qt's reader makes. Anything else goes to Qt.
std::optional<QImage> readPlainBitmap(QFile& file, const QByteArray& head) {
    constexpr std::uint64_t maxPixels = std::uint64_t(kPictureAllocationLimitMB) * 1024 * 1024 / 4;
    const std::optional<PlainBitmap> layout =
        plainBitmapLayout(viewOf(head), static_cast<std::uint64_t>(file.size()), maxPixels);
    if (!layout || !file.seek(qint64(layout->dataStart)))
        return std::nullopt;
    QImage image(layout->width, layout->height, QImage::Format_RGB32);
    if (image.isNull())
        return std::nullopt;
    // A row at a time, in the file's order, through one small buffer.
    QByteArray row(qsizetype(layout->rowBytes), Qt::Uninitialized);
    for (int stored = 0; stored < layout->height; ++stored) {
        if (file.read(row.data(), row.size()) != row.size())
            return std::nullopt;
        const int y = layout->topDown ? stored : layout->height - 1 - stored;
        const auto* from = reinterpret_cast<const uchar*>(row.constData());
        auto* to = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < layout->width; ++x, from += 3)
            to[x] = qRgb(from[2], from[1], from[0]);
    }
    return image;
}

} // namespace

QSize pictureFileSize(const QString& path) {
    QFile file(path);
    if (!openDiscFile(file, PictureFileLimit).isEmpty())
        return {};
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    return reader.size();
}

bool pictureFileWhole(const QString& path) {
    // A bitmap's file header and the smallest info header it can carry.
    constexpr qint64 BitmapHeadersBytes = 14 + 12;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return true;
    const QByteArray head = file.peek(64);
    if (head.size() < 2)
        return false;
    if (!head.startsWith("BM"))
        return true;
    return file.size() >= BitmapHeadersBytes &&
           !bitmapDataTruncated(viewOf(head), static_cast<std::uint64_t>(file.size()));
}

PictureFile loadPictureFile(const QString& path) {
    QFile file(path);
    PictureFile picture;
    picture.error = openDiscFile(file, PictureFileLimit);
    if (!picture.loaded()) {
        // A link that leads nowhere counts as missing, as it does for a look at the path.
        picture.missing = !QFileInfo::exists(path);
        return picture;
    }
    const QByteArray head = file.peek(64);
    if (bitmapDataTruncated(viewOf(head), static_cast<std::uint64_t>(file.size()))) {
        picture.error = QStringLiteral("the file ends before its picture data");
        return picture;
    }
    if (std::optional<QImage> plain = readPlainBitmap(file, head)) {
        picture.image = std::move(*plain);
        picture.format = QByteArrayLiteral("bmp");
        return picture;
    }
    file.seek(0);
    const AllocationLimit limit(kPictureAllocationLimitMB);
    // The content decides, never the name; where the first bytes name the format, the reader is
    // told (see PictureSignature.h).
    const std::string_view format = pictureFormatOf(viewOf(head));
    QImageReader reader(&file, QByteArray(format.data(), qsizetype(format.size())));
    if (format.empty())
        reader.setDecideFormatFromContent(true);
    else
        reader.setAutoDetectImageFormat(false);
    if (!reader.read(&picture.image) || picture.image.isNull()) {
        picture.image = QImage();
        picture.error = reader.errorString();
        if (picture.error.isEmpty())
            picture.error = QStringLiteral("unreadable picture");
        return picture;
    }
    picture.format = reader.format().toLower();
    return picture;
}

} // namespace vistrel
