#include "app/check/SkinPictures.h"

#include "platform/FilePaths.h"
#include "skin/HighDensityPicture.h"
#include "skin/PictureFile.h"

#include <QFileInfo>

namespace vistrel {

namespace {

QString sizeText(QSize size) {
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

} // namespace

SkinPictures::SkinPictures(const CheckedDisc& disc, QString folder, Findings& findings)
    : disc_(disc), folder_(std::move(folder)), findings_(findings) {}

QString SkinPictures::path(const QString& name) const {
    return resolvePath(joinPath(folder_, name));
}

QString SkinPictures::relative(const QString& name) const {
    return disc_.relative(path(name));
}

bool SkinPictures::exists(const QString& name) const {
    return PathFileExists(path(name));
}

std::optional<QImage> SkinPictures::read(const QString& name, bool required) {
    if (!exists(name)) {
        if (required)
            findings_.append(error(relative(name),
                                   name + " is missing; the program ends when it loads this skin",
                                   "add " + name + " to the skin"));
        return std::nullopt;
    }
    return readFile(disc_, path(name), findings_);
}

std::optional<QImage> SkinPictures::readFile(const CheckedDisc& disc, const QString& path,
                                             Findings& findings) {
    const PictureFile file = loadPictureFile(path);
    if (file.loaded()) {
        checkHighDensity(disc, path, file.image.size(), findings);
        return file.image;
    }
    findings.append(
        error(disc.relative(path),
              "the picture cannot be read (" + file.error + "); the program ends when it loads it",
              "save it again as an uncompressed BMP"));
    return std::nullopt;
}

// A doubled picture that cannot be used leaves high-density screens with the 1x one scaled up.
void SkinPictures::checkHighDensity(const CheckedDisc& disc, const QString& path, QSize size,
                                    Findings& findings) {
    const HighDensityPicture sharp = loadHighDensityPicture(path, size);
    if (sharp.problem.isEmpty())
        return;
    const QString name = QFileInfo(sharp.path).fileName();
    findings.append(warning(disc.relative(sharp.path),
                            name + " is not used: " + sharp.problem +
                                "; high-density screens show the 1x picture scaled up",
                            QStringLiteral("draw it at exactly %1x%2 and save it as a BMP")
                                .arg(size.width() * 2)
                                .arg(size.height() * 2)));
}

void SkinPictures::readPlaced(const QString& name, QSize place) {
    if (const std::optional<QImage> image = read(name))
        compareSize(name, image->size(), place);
}

void SkinPictures::compareSize(const QString& name, QSize size, QSize place) {
    if (size == place)
        return;
    QStringList effects;
    if (size.width() > place.width() || size.height() > place.height())
        effects.append("is cut");
    if (size.width() < place.width() || size.height() < place.height())
        effects.append("leaves part of its place empty");
    findings_.append(warning(relative(name),
                             QStringLiteral("%1 is %2, its place %3: it %4")
                                 .arg(name, sizeText(size), sizeText(place), effects.join(" and ")),
                             "draw it at " + sizeText(place)));
}

} // namespace vistrel
