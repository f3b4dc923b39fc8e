#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace vistrel {

// The most memory one slide picture may take while it is decoded. Formats that cannot decode
// scaled (PNG, BMP) are read whole first, so this bounds the largest picture they may hold; a
// larger or damaged file decodes as nothing instead of exhausting memory.
inline constexpr int SlideAllocationLimitMb = 128;
// The largest slide file read: several times the largest camera photo, and as much as the
// decoder may take anyway.
inline constexpr qint64 SlideFileLimit = qint64(SlideAllocationLimitMb) * 1024 * 1024;

// The size a picture of naturalSize is decoded at for an area of areaSize pixels: the area
// itself when the picture holds more pixels than the area (it is stretched over the area anyway),
// otherwise its own size. An empty area leaves the picture at its own size.
QSize slideDecodeSize(QSize naturalSize, QSize areaSize);

// Decodes the picture file for display in an area of areaSize pixels. Safe to call from any
// thread. A file that is missing, is no regular file within the limit, or does not decode gives
// a null image.
QImage decodeSlidePicture(const QString& path, QSize areaSize);

} // namespace vistrel
