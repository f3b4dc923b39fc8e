#pragma once

#include <QByteArray>
#include <QString>

class QFile;

namespace vistrel {

// A disc is untrusted: a name on it may be a pipe that never ends, a device that never stops
// giving, or a file far larger than its kind can be. Every file the program reads from a disc is
// therefore a regular file (links followed; the system refuses loops and chains deeper than its
// own bound) of a bounded size; anything else counts as missing.

// True for a regular file, or a link that leads to one.
bool isDiscFile(const QString& path);

// Why the file at path is no disc file of at most sizeLimit bytes; empty when it is one.
QString discFileProblem(const QString& path, qint64 sizeLimit);

// Opens file (named already) for reading when it is a regular file of at most sizeLimit bytes.
// Empty when opened, else why not.
QString openDiscFile(QFile& file, qint64 sizeLimit);

// The whole of a disc file, or why it cannot be read.
struct DiscFileBytes {
    QByteArray bytes;
    QString error; // empty when read

    bool read() const { return error.isEmpty(); }
};
DiscFileBytes readDiscFile(const QString& path, qint64 sizeLimit);

} // namespace vistrel
