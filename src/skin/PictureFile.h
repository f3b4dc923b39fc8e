#pragma once

#include <QImage>
#include <QString>

namespace vistrel {

// A picture read from a file, or why it could not be read.
struct PictureFile {
    QImage image;
    QString error; // empty when the picture was read

    bool loaded() const { return error.isEmpty(); }
};

// Largest picture the reader will allocate; a header claiming more is refused unread.
constexpr int kPictureAllocationLimitMB = 64;

// Reads a picture in any format the image reader knows, decided by the file's content (a
// skin's ".bmp" may hold any of them).
PictureFile loadPictureFile(const QString& path);

} // namespace vistrel
