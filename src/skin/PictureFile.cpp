#include "skin/PictureFile.h"

#include "platform/DiscFile.h"
#include "skin/BitmapHeader.h"

#include <QFile>
#include <QImageReader>

namespace vistrel {

namespace {

bool truncatedBitmap(QFile& file) {
    const QByteArray head = file.peek(64);
    return bitmapDataTruncated(
        std::string_view(head.constData(), static_cast<std::size_t>(head.size())),
        static_cast<std::uint64_t>(file.size()));
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
    if (truncatedBitmap(file))
        return {{}, QStringLiteral("the file ends before its picture data")};
    const AllocationLimit limit(kPictureAllocationLimitMB);
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
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
