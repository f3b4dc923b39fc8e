#include "app/check/SkinPictures.h"

#include "platform/disc/FilePaths.h"
#include "skin/HighDensityPicture.h"
#include "skin/PictureFile.h"

#include <QFileInfo>

namespace vistrel {

namespace {

QString sizeText(QSize size) {
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

// The format a picture's name says, as the image reader names formats.
QByteArray formatOfName(const QString& path) {
    const QByteArray suffix = QFileInfo(path).suffix().toLower().toLatin1();
    if (suffix == "jpg" || suffix == "jpe")
        return "jpeg";
    if (suffix == "tif")
        return "tiff";
    return suffix;
}

// The program goes by a picture's content, but an author who finds the name saying otherwise
// has been misled by an editor; for the mask, a lossy format also changes the outline.
std::optional<Finding> misnamed(const CheckedDisc& disc, const QString& path,
                                const QByteArray& format) {
    const QByteArray named = formatOfName(path);
    if (format.isEmpty() || named.isEmpty() || format == named)
        return std::nullopt;
    const QString name = QFileInfo(path).fileName();
    const QString held = QString::fromLatin1(format.toUpper());
    const QString said = QString::fromLatin1(named.toUpper());
    if (name.compare(QLatin1String("transp.bmp"), Qt::CaseInsensitive) == 0 && format == "jpeg")
        return warning(
            disc.relative(path),
            QStringLiteral("%1 holds a JPEG picture, not a %2: JPEG turns exact black "
                           "into near-black along the edges, and near-black is inside "
                           "the window, so the outline comes out ragged")
                .arg(name, said),
            QStringLiteral("save the mask as a %1 (or PNG), which keeps black exact").arg(said));
    return note(
        disc.relative(path),
        QStringLiteral("%1 holds a %2 picture, not a %3 as its name says; the program "
                       "goes by the content and shows it")
            .arg(name, held, said),
        QStringLiteral("save it as a %1 to match its name, or leave it: it works").arg(said));
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
    const QString at = path(name);
    const PictureFile file = loadPictureFile(at);
    if (file.missing) {
        if (required)
            findings_.append(error(disc_.relative(at),
                                   name + " is missing; the program ends when it loads this skin",
                                   "add " + name + " to the skin"));
        return std::nullopt;
    }
    return checked(disc_, at, file, findings_);
}

std::optional<QImage> SkinPictures::readFile(const CheckedDisc& disc, const QString& path,
                                             Findings& findings) {
    const std::optional<QImage> image = checked(disc, path, loadPictureFile(path), findings);
    // Shown at its own size: any size is the right one.
    if (image)
        checkHighDensity(disc, path, image->size(), image->size(), findings);
    return image;
}

std::optional<QImage> SkinPictures::checked(const CheckedDisc& disc, const QString& path,
                                            const PictureFile& file, Findings& findings) {
    if (file.loaded()) {
        if (const std::optional<Finding> finding = misnamed(disc, path, file.format))
            findings.append(*finding);
        return file.image;
    }
    findings.append(
        error(disc.relative(path),
              "the picture cannot be read (" + file.error + "); the program ends when it loads it",
              "save it again as an uncompressed BMP"));
    return std::nullopt;
}

void SkinPictures::checkHighDensity(const QString& name, QSize size, QSize needed) {
    checkHighDensity(disc_, path(name), size, needed, findings_);
}

// A doubled picture that cannot be used leaves high-density screens with the 1x one scaled up.
// It is used when it is twice its 1x picture; beside a 1x picture of the wrong size, one drawn
// at twice the size needed is right, and used once the 1x picture is mended.
void SkinPictures::checkHighDensity(const CheckedDisc& disc, const QString& path, QSize size,
                                    QSize needed, Findings& findings) {
    const HighDensityPicture sharp = loadHighDensityPicture(path, size);
    const QString name = QFileInfo(sharp.path).fileName();
    const QString fix =
        QStringLiteral("draw it at exactly %1, twice the %2 the skin needs of %3")
            .arg(sizeText(needed * 2), sizeText(needed), QFileInfo(path).fileName());
    if (sharp.usable()) {
        if (size != needed)
            findings.append(warning(disc.relative(sharp.path),
                                    name + " is twice its 1x picture, which is of the wrong size",
                                    fix));
        return;
    }
    if (sharp.problem.isEmpty() || (size != needed && pictureFileSize(sharp.path) == needed * 2))
        return;
    findings.append(warning(disc.relative(sharp.path),
                            name + " is not used: " + sharp.problem +
                                "; high-density screens show the 1x picture scaled up",
                            fix));
}

void SkinPictures::readPlaced(const QString& name, QSize place) {
    if (const std::optional<QImage> image = read(name)) {
        compareSize(name, image->size(), place);
        checkHighDensity(name, image->size(), place);
    }
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
