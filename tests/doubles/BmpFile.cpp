#include "doubles/BmpFile.h"

#include <array>

namespace vistrel::test {

namespace {

struct Rgb {
    quint8 r, g, b;
};

// The palette order of every indexed variant; index = position of the character.
const char kPaletteChars[] = {'.', '#', 'n', 'r'};
const std::array<Rgb, 4> kPalette = {{{0, 0, 0}, {255, 255, 255}, {0, 0, 1}, {255, 0, 0}}};

int paletteIndex(QChar c) {
    for (int i = 0; i < 4; ++i)
        if (c == QLatin1Char(kPaletteChars[i]))
            return i;
    return 0;
}

void put16(QByteArray& out, int value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

void put32(QByteArray& out, qint64 value) {
    put16(out, static_cast<int>(value & 0xFFFF));
    put16(out, static_cast<int>((value >> 16) & 0xFFFF));
}

void pad(QByteArray& row) {
    while (row.size() % 4 != 0)
        row.append('\0');
}

QByteArray packedRow(const QString& text, int bits) {
    QByteArray row;
    if (bits >= 8) {
        for (QChar c : text) {
            const Rgb rgb = kPalette[static_cast<std::size_t>(paletteIndex(c))];
            if (bits == 8) {
                row.append(static_cast<char>(paletteIndex(c)));
            } else if (bits == 16) {
                // 5-5-5: the darkest non-black blue is 1, not 0,0,1.
                const int value = c == QLatin1Char('n')
                                      ? 1
                                      : ((rgb.r >> 3) << 10) | ((rgb.g >> 3) << 5) | (rgb.b >> 3);
                put16(row, value);
            } else {
                row.append(static_cast<char>(rgb.b));
                row.append(static_cast<char>(rgb.g));
                row.append(static_cast<char>(rgb.r));
                if (bits == 32)
                    row.append('\0');
            }
        }
    } else {
        const int perByte = 8 / bits;
        for (qsizetype x = 0; x < text.size(); x += perByte) {
            int byte = 0;
            for (int i = 0; i < perByte; ++i) {
                const int index =
                    x + i < text.size() ? paletteIndex(text[x + i]) & ((1 << bits) - 1) : 0;
                byte |= index << (8 - bits * (i + 1));
            }
            row.append(static_cast<char>(byte));
        }
    }
    pad(row);
    return row;
}

// Runs of one index as (count, index) pairs; RLE4 repeats the index in both nibbles.
QByteArray rleRow(const QString& text, BmpCompression compression) {
    QByteArray row;
    for (qsizetype x = 0; x < text.size();) {
        const int index = paletteIndex(text[x]);
        qsizetype count = 1;
        while (x + count < text.size() && paletteIndex(text[x + count]) == index && count < 255)
            ++count;
        row.append(static_cast<char>(count));
        row.append(
            static_cast<char>(compression == BmpCompression::Rle4 ? (index << 4) | index : index));
        x += count;
    }
    row.append('\0');
    row.append('\0'); // end of line
    return row;
}

QByteArray headers(int width, int height, int bits, BmpCompression compression, int colours,
                   qsizetype dataSize) {
    const int headerSize = 14 + 40 + colours * 4;
    QByteArray out("BM");
    put32(out, headerSize + dataSize);
    put32(out, 0);
    put32(out, headerSize);
    put32(out, 40);
    put32(out, width);
    put32(out, height);
    put16(out, 1);
    put16(out, bits);
    put32(out, static_cast<int>(compression));
    put32(out, dataSize);
    put32(out, 2835);
    put32(out, 2835);
    put32(out, colours);
    put32(out, 0);
    for (int i = 0; i < colours; ++i) {
        const Rgb rgb = i < 4 ? kPalette[static_cast<std::size_t>(i)] : Rgb{0, 0, 0};
        out.append(static_cast<char>(rgb.b));
        out.append(static_cast<char>(rgb.g));
        out.append(static_cast<char>(rgb.r));
        out.append('\0');
    }
    return out;
}

} // namespace

QByteArray bmpBytes(const QStringList& rows, int bitsPerPixel, BmpCompression compression,
                    bool topDown) {
    const int width = rows.isEmpty() ? 0 : static_cast<int>(rows.first().size());
    const int height = static_cast<int>(rows.size());
    QByteArray data;
    // Bottom-up unless asked otherwise: the last row of the picture comes first.
    for (int i = 0; i < height; ++i) {
        const QString& row = rows[topDown ? i : height - 1 - i];
        data += compression == BmpCompression::None ? packedRow(row, bitsPerPixel)
                                                    : rleRow(row, compression);
    }
    if (compression != BmpCompression::None) {
        data.append('\0');
        data.append('\1'); // end of bitmap
    }
    const int colours = bitsPerPixel <= 8 ? (bitsPerPixel == 1 ? 2 : 4) : 0;
    return headers(width, topDown ? -height : height, bitsPerPixel, compression, colours,
                   data.size()) +
           data;
}

QByteArray bmpHeaderClaiming(int width, int height) {
    const qint64 rowBytes = (static_cast<qint64>(width) * 3 + 3) / 4 * 4;
    QByteArray out = headers(width, height, 24, BmpCompression::None, 0, 0);
    // Claim the full size in the file header too, as a real file of that size would.
    const qint64 total = out.size() + rowBytes * height;
    out[2] = static_cast<char>(total & 0xFF);
    out[3] = static_cast<char>((total >> 8) & 0xFF);
    out[4] = static_cast<char>((total >> 16) & 0xFF);
    out[5] = static_cast<char>((total >> 24) & 0xFF);
    return out;
}

QByteArray bmpRleClaiming(int width, int height) {
    const QByteArray data("\0\1", 2);
    return headers(width, height, 8, BmpCompression::Rle8, 4, data.size()) + data;
}

} // namespace vistrel::test
