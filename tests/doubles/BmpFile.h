#pragma once

#include <QByteArray>
#include <QStringList>

namespace vistrel::test {

// Windows bitmap files written byte by byte, in the variants a skin may hold. A picture is
// drawn as text, one string per row: '.' black, '#' white, 'n' the darkest blue that is not
// black in the chosen depth, 'r' red.
enum class BmpCompression { None = 0, Rle8 = 1, Rle4 = 2 };

QByteArray bmpBytes(const QStringList& rows, int bitsPerPixel,
                    BmpCompression compression = BmpCompression::None, bool topDown = false);

// Only the headers of a 24-bit bitmap that claims the given size; no pixel data follows.
QByteArray bmpHeaderClaiming(int width, int height);

// An 8-bit run-length bitmap that claims the given size but holds only its end marker: small
// on disk, enormous once decoded.
QByteArray bmpRleClaiming(int width, int height);

} // namespace vistrel::test
