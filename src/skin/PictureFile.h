#pragma once

#include <QImage>
#include <QString>

namespace vistrel {

// A picture read from a file, or why it could not be read.
struct PictureFile {
    QImage image;
    QString error; // empty when the picture was read
    // The format of the file's content as the image reader names it ("bmp", "png", "jpeg"...),
    // whatever the file's name says; empty when it was not read.
    QByteArray format;
    // Nothing at all is at the path (a skin may go without some pictures).
    bool missing = false;

    bool loaded() const { return error.isEmpty(); }
};

// Largest picture the reader will allocate; a header claiming more is refused unread.
constexpr int kPictureAllocationLimitMB = 64;
// Largest picture file read: a picture file is hardly ever larger than its decoded picture, so a
// larger one could not be read within the allocation limit anyway.
constexpr qint64 PictureFileLimit = qint64(kPictureAllocationLimitMB) * 1024 * 1024;

// Reads a picture in any format the image reader knows, decided by the file's content (a
// skin's ".bmp" may hold any of them). A path that is no regular file within the limit is
// refused unread. Missing or not is told from the failure, never by a look beforehand.
PictureFile loadPictureFile(const QString& path);

// False while a Windows bitmap is still being written: empty, shorter than its headers, or
// ending before its pixel data. Any other file counts as whole.
bool pictureFileWhole(const QString& path);

// The size its header gives, read without the pixels; invalid when it cannot be told.
QSize pictureFileSize(const QString& path);

} // namespace vistrel
