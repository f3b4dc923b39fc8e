#pragma once

#include <QFont>

namespace vistrel::discgen {

// The one face the generated pictures use, in pixels so that they look alike on every machine.
inline QFont font(int pixelSize, bool bold = false) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

} // namespace vistrel::discgen
