#include "skin/PictureFile.h"

#include "platform/DiscFile.h"
#include "skin/BitmapHeader.h"
#include "skin/PictureSignature.h"

#include <QFile>
#include <QImageReader>

namespace vistrel {

namespace {

std::string_view viewOf(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

// The reader's limit is program-wide; ours holds only while a skin picture is read.
class AllocationLimit {
  public:
    explicit AllocationLimit(int megabytes) : previous_(QImageReader::allocationLimit()) {
        QImageReader::setAllocationLimit(megabytes);
    }
    ~AllocationLimit() { QImageReader::setAllocationLimit(previous_); }
    AllocationLimit(const AllocationLimit&) = delete;
    AllocationLimit& operator=(const AllocationLimit&) = delete;

  private:
    int previous_;
};

} // namespace

PictureFile loadPictureFile(const QString& path) {
    QFile file(path);
    const QString refused = openDiscFile(file, PictureFileLimit);
    if (!refused.isEmpty())
        return {{}, refused};
    const QByteArray head = file.peek(64);
    if (bitmapDataTruncated(viewOf(head), static_cast<std::uint64_t>(file.size())))
        return {{}, QStringLiteral("the file ends before its picture data")};
    const AllocationLimit limit(kPictureAllocationLimitMB);
    // The content decides, never the name; where the first bytes name the format, the reader is
    // told (see PictureSignature.h).
    const std::string_view format = pictureFormatOf(viewOf(head));
    QImageReader reader(&file, QByteArray(format.data(), qsizetype(format.size())));
    if (format.empty())
        reader.setDecideFormatFromContent(true);
    else
        reader.setAutoDetectImageFormat(false);
    PictureFile picture;
    if (!reader.read(&picture.image) || picture.image.isNull()) {
        picture.image = QImage();
        picture.error = reader.errorString();
        if (picture.error.isEmpty())
            picture.error = QStringLiteral("unreadable picture");
    }
    return picture;
}

} // namespace vistrel
