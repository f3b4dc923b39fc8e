// Draws the sample disc's skins, writes its language files and the program's icons.
//   vistrel_discgen <disc folder>       Skins/default, Skins/Nightfall, Language/*.lng
//   vistrel_discgen --icons <folder>    vistrel-<size>.png, 16 to 256 pixels
//   vistrel_discgen --layout <file.png> the window's map for skin authors
#include "LanguageFiles.h"
#include "LayoutPicture.h"
#include "ProgramIcon.h"
#include "SkinArt.h"
#include "Theme.h"

#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

using namespace vistrel::discgen;

namespace {

int fail(const QString& error) {
    std::fprintf(stderr, "vistrel_discgen: %s\n", qPrintable(error));
    return 1;
}

} // namespace

int main(int argc, char* argv[]) {
    // Nothing is shown: drawing text needs the font database, not a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    QString error;
    if (args.size() == 2 && args[0] == "--icons")
        return writeProgramIcons(args[1], error) ? 0 : fail(error);
    if (args.size() == 2 && args[0] == "--layout")
        return writeLayoutPicture(args[1], error) ? 0 : fail(error);
    if (args.size() != 1)
        return fail(
            "usage: vistrel_discgen <disc folder> | --icons <folder> | --layout <file.png>");
    const QString disc = args[0];
    for (const Theme& theme : {defaultTheme(), nightfallTheme()})
        if (!writeSkin(disc + "/Skins", theme, error))
            return fail(error);
    if (!writeLanguageFiles(disc, error))
        return fail(error);
    return 0;
}
