#include "app/check/SkinCheck.h"

#include "app/check/ConfiguredPath.h"
#include "app/check/SkinPictures.h"
#include "language/MenuLists.h"
#include "platform/disc/FilePaths.h"
#include "skin/MaskRegion.h"
#include "window/Buttons.h"
#include "window/MainDialog.h"

namespace vistrel {

namespace {

constexpr int LastActionPicture = 2;
constexpr int LastConsolePicture = 4;
constexpr int LastMenuLook = 3;
constexpr QSize Window(MainDialog::WindowWidth, MainDialog::WindowHeight);

QString numbered(const QString& set, int index) {
    return set + QString::number(index) + ".bmp";
}

qint64 areaOf(const QRegion& region) {
    qint64 area = 0;
    for (const QRect& rect : region)
        area += qint64(rect.width()) * rect.height();
    return area;
}

// A button mostly outside the outline can hardly be clicked: the desktop takes the clicks there.
void checkButtonsInOutline(SkinPictures& skin, const QRegion& outline,
                           const OfferedButtons& offered, Findings& findings) {
    for (const ButtonRow& row : Buttons) {
        if (!offered.offers(row.offer))
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
void checkMask(SkinPictures& skin, const OfferedButtons& offered, Findings& findings) {
    const QString name = QStringLiteral("transp.bmp");
    if (!skin.exists(name)) {
        findings.append(note(skin.relative(""), "no transp.bmp: the window is a plain rectangle",
                             "add a mask to shape it (black is outside the window)"));
        return;
    }
    const std::optional<QImage> mask = skin.read(name);
    if (!mask)
        return;
    if (skin.exists("transp@2x.bmp"))
        findings.append(note(skin.relative("transp@2x.bmp"),
                             "transp@2x.bmp is not used: the outline is cut from transp.bmp at "
                             "every screen density"));
    const QRegion outline = regionFromMaskImage(*mask, Window);
    if (outline.isEmpty())
        findings.append(warning(skin.relative(name),
                                "transp.bmp is all black, which leaves no outline: the window "
                                "shows as its full rectangle",
                                "paint the window's shape in any colour but black"));
    else if (outline == QRegion(QRect(QPoint(), Window)))
        findings.append(note(skin.relative(name),
                             "transp.bmp has no black pixel: the window is a plain rectangle"));
    else
        checkButtonsInOutline(skin, outline, offered, findings);
    if (mask->width() < Window.width() || mask->height() < Window.height())
        skin.compareSize(name, mask->size(), Window);
}

void checkButtonPictures(SkinPictures& skin) {
    for (const ButtonRow& row : Buttons) {
        if (row.kind == ButtonKind::Action)
            for (int i = 0; i <= LastActionPicture; ++i)
                skin.readPlaced(numbered(row.pictureSet, i), row.rect.size());
    }
    const QSize console = buttonRow(ButtonId::btnPlay).rect.size();
    for (int i = 0; i <= LastConsolePicture; ++i)
        skin.readPlaced(numbered("console", i), console);
}

// The logo fills the video area, stretched to it.
void checkLogo(SkinPictures& skin, Findings& findings) {
    const std::optional<QImage> logo = skin.read("logo.bmp");
    const QSize area = MainDialog::VideoArea.size();
    if (!logo || logo->size() == area)
        return;
    findings.append(
        warning(skin.relative("logo.bmp"),
                QStringLiteral("logo.bmp is %1x%2, the video area %3x%4: it is "
                               "stretched to fit")
                    .arg(logo->width())
                    .arg(logo->height())
                    .arg(area.width())
                    .arg(area.height()),
                QStringLiteral("draw it at %1x%2").arg(area.width()).arg(area.height())));
}

// All four title-bar looks or none; menu0.bmp decides.
void checkMenuLooks(SkinPictures& skin, Findings& findings) {
    const QSize place = buttonRow(ButtonId::btnMenu).rect.size();
    if (skin.exists(numbered("menu", 0))) {
        for (int i = 0; i <= LastMenuLook; ++i)
            skin.readPlaced(numbered("menu", i), place);
        return;
    }
    for (int i = 1; i <= LastMenuLook; ++i)
        if (skin.exists(numbered("menu", i)))
            findings.append(note(skin.relative(numbered("menu", i)),
                                 "without menu0.bmp the title-bar looks are not used",
                                 "add menu0.bmp to menu3.bmp, or none of them"));
}

void checkSkinFolder(const CheckedDisc& disc, const QString& folder, Findings& findings) {
    SkinPictures skin(disc, folder, findings);
    skin.readPlaced("back.bmp", Window);
    checkMask(skin, disc.config.offered(), findings);
    checkButtonPictures(skin);
    checkLogo(skin, findings);
    if (disc.config.title.isEmpty())
        skin.read("title.bmp");
    checkMenuLooks(skin, findings);
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
