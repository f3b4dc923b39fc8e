#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace vistrel {

// The sharper picture of a skin file for high-density screens: "name@2x.bmp" beside
// "name.bmp", drawn at twice the size in each direction.
struct HighDensityPicture {
    QImage image;    // null when there is none to use
    QString path;    // where it was looked for
    QString problem; // why a picture found there is not used; empty when used or absent

    bool usable() const { return !image.isNull(); }
};

// From a device pixel ratio of 1.5 up the doubled picture is the nearer one.
constexpr bool wantsHighDensity(qreal devicePixelRatio) {
    return devicePixelRatio >= 1.5;
}

// "Skins/a/back.bmp" -> "Skins/a/back@2x.bmp" (found without regard to case).
QString highDensityPath(const QString& path);

// Reads the doubled picture of the file at path, whose own picture is baseSize. A picture that
// does not read, or is not exactly twice baseSize, is not used: its problem says why.
HighDensityPicture loadHighDensityPicture(const QString& path, QSize baseSize);

} // namespace vistrel
