#include "app/check/SkinCheck.h"

#include "app/check/ConfiguredPath.h"
#include "app/check/SkinPictures.h"
#include "language/MenuLists.h"
#include "platform/disc/FilePaths.h"
#include "skin/MaskRegion.h"
#include "skin/SkinFiles.h"
#include "window/Buttons.h"

namespace vistrel {

namespace {

qint64 areaOf(const QRegion& region) {
    qint64 area = 0;
    for (const QRect& rect : region)
        area += qint64(rect.width()) * rect.height();
    return area;
}

// A button mostly outside the outline can hardly be clicked: the desktop takes the clicks there.
void checkButtonsInOutline(SkinPictures& skin, const QRegion& outline, const CheckedDisc& disc,
                           Findings& findings) {
    for (const ButtonRow& row : Buttons) {
        if (!disc.offersAnywhere(row.id))
            continue;
        const qint64 whole = qint64(row.rect.width()) * row.rect.height();
        const qint64 inside = areaOf(outline.intersected(row.rect));
        if (inside * 2 >= whole)
            continue;
        const QString place = QStringLiteral("%1,%2 %3x%4")
                                  .arg(row.rect.x())
                                  .arg(row.rect.y())
                                  .arg(row.rect.width())
                                  .arg(row.rect.height());
        findings.append(warning(
            skin.relative("transp.bmp"),
            QStringLiteral("%1 (%2) lies %3% outside the outline transp.bmp cuts: clicks there "
                           "go to the desktop, so the viewer can hardly press it")
                .arg(QString::fromUtf8(row.name), place)
                .arg(100 - inside * 100 / whole),
            QStringLiteral("paint %1 in transp.bmp in any colour but black").arg(place)));
    }
}

// The outline the program cuts from the mask; without a mask the window is its rectangle.
void checkMask(SkinPictures& skin, const SkinPart& part, const CheckedDisc& disc,
               Findings& findings) {
    const QString name = skinFileName(part);
    if (!skin.exists(name)) {
        findings.append(note(skin.relative(""),
                             QStringLiteral("no %1: the window is a plain rectangle").arg(name),
                             "add a mask to shape it (black is outside the window)"));
        return;
    }
    const std::optional<QImage> mask = skin.read(name);
    if (!mask)
        return;
    const QString doubled = QString::fromUtf8(part.name) + "@2x.bmp";
    if (skin.exists(doubled))
        findings.append(note(skin.relative(doubled),
                             QStringLiteral("%1 is not used: the outline is cut from %2 at "
                                            "every screen density")
                                 .arg(doubled, name)));
    const QSize window = placeOf(part);
    const QRegion outline = regionFromMaskImage(*mask, window);
    if (outline.isEmpty())
        findings.append(warning(skin.relative(name),
                                name + " is all black, which leaves no outline: the window "
                                       "shows as its full rectangle",
                                "paint the window's shape in any colour but black"));
    else if (outline == QRegion(QRect(QPoint(), window)))
        findings.append(note(skin.relative(name),
                             name + " has no black pixel: the window is a plain rectangle"));
    else
        checkButtonsInOutline(skin, outline, disc, findings);
    if (mask->width() < window.width() || mask->height() < window.height())
        skin.compareSize(name, mask->size(), window);
}

// A set a skin may go without is used only with its first picture, and then wholly.
void checkButtonSet(SkinPictures& skin, const SkinPart& part, Findings& findings) {
    const QString first = skinFileName(part, 0);
    if (part.presence == Presence::AllOrNone && !skin.exists(first)) {
        const QString last = skinFileName(part, part.count - 1);
        for (int i = 1; i < part.count; ++i)
            if (skin.exists(skinFileName(part, i)))
                findings.append(note(skin.relative(skinFileName(part, i)),
                                     "without " + first + " the title-bar looks are not used",
                                     "add " + first + " to " + last + ", or none of them"));
        return;
    }
    for (int i = 0; i < part.count; ++i)
        skin.readPlaced(skinFileName(part, i), placeOf(part, i));
}

// The logo fills the video area, stretched to it.
void checkLogo(SkinPictures& skin, const SkinPart& part, Findings& findings) {
    const QString name = skinFileName(part);
    const std::optional<QImage> logo = skin.read(name);
    const QSize area = placeOf(part);
    if (!logo)
        return;
    if (logo->size() != area)
        findings.append(
            warning(skin.relative(name),
                    QStringLiteral("%1 is %2x%3, the video area %4x%5: it is "
                                   "stretched to fit")
                        .arg(name)
                        .arg(logo->width())
                        .arg(logo->height())
                        .arg(area.width())
                        .arg(area.height()),
                    QStringLiteral("draw it at %1x%2").arg(area.width()).arg(area.height())));
    skin.checkHighDensity(name, logo->size(), area);
}

void checkSkinFolder(const CheckedDisc& disc, const QString& folder, Findings& findings) {
    SkinPictures skin(disc, folder, findings);
    for (const SkinPart& part : SkinFiles) {
        switch (part.role) {
        case SkinRole::Background:
            skin.readPlaced(skinFileName(part), placeOf(part));
            break;
        case SkinRole::Outline:
            checkMask(skin, part, disc, findings);
            break;
        case SkinRole::Buttons:
            checkButtonSet(skin, part, findings);
            break;
        case SkinRole::Logo:
            checkLogo(skin, part, findings);
            break;
        case SkinRole::Title:
            // Shown at its own size: any size will do.
            if (disc.config.title.isEmpty())
                if (const std::optional<QImage> title = skin.read(skinFileName(part)))
                    skin.checkHighDensity(skinFileName(part), title->size(), title->size());
            break;
        }
    }
}

// The disc's own title picture, in place of every skin's title.bmp.
void checkTitle(const CheckedDisc& disc, Findings& findings) {
    const LocatedPath title = locatePath(disc, "[Main] Title", disc.config.title, PathKind::Entry);
    findings.append(title.findings);
    if (!title.found.isEmpty())
        SkinPictures::readFile(disc, title.found, findings);
}

} // namespace

Findings checkSkins(const CheckedDisc& disc) {
    const QString skinsFolder = joinPath(disc.folder.root(), "Skins");
    const QStringList skins = listSkinFolders(skinsFolder);
    if (skins.isEmpty())
        return {error("Skins", "there is no skin folder under Skins; the program ends",
                      "add Skins/" + disc.config.skin + " with the skin's pictures")};
    Findings findings;
    const QString configured = joinPath(skinsFolder, disc.config.skin);
    // Without its configured skin the program ends: the others are never reached.
    if (!PathIsDirectory(configured))
        return {error("Skins/" + disc.config.skin,
                      "the skin " + disc.config.skin +
                          " of [Main] Skin is not under Skins; the program ends",
                      "set [Main] Skin to one of " + skins.join(", "))};
    checkSkinFolder(disc, resolvePath(configured), findings);
    for (const QString& skin : skins) {
        const QString folder = resolvePath(joinPath(skinsFolder, skin));
        if (folder == resolvePath(configured))
            continue;
        if (disc.config.showSkinMenu)
            checkSkinFolder(disc, folder, findings);
        else
            findings.append(note(disc.relative(folder),
                                 "the viewer cannot choose this skin: the skin menu is hidden",
                                 "set [Main] ShowSkinMenu=1 to offer it"));
    }
    if (!disc.config.title.isEmpty())
        checkTitle(disc, findings);
    return findings;
}

} // namespace vistrel
