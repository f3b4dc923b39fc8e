#include "Theme.h"

namespace vistrel::discgen {

Theme defaultTheme() {
    Theme t;
    t.folder = "default";
    t.bodyTop = QColor(196, 206, 218);
    t.bodyBottom = QColor(142, 156, 176);
    t.titleBar = QColor(44, 78, 128);
    t.panel = QColor(118, 132, 152);
    t.bevelLight = QColor(236, 242, 250);
    t.bevelDark = QColor(62, 74, 94);
    t.buttonTop = QColor(226, 232, 240);
    t.buttonBottom = QColor(176, 188, 206);
    t.accent = QColor(34, 96, 186);
    t.text = QColor(24, 32, 48);
    t.dimText = QColor(120, 128, 140);
    t.corners = Theme::Corners::Rounded;
    t.cornerSize = 14;
    t.menuLooks = true;
    t.monochromeMask = false;
    return t;
}

Theme nightfallTheme() {
    Theme t;
    t.folder = "Nightfall";
    t.bodyTop = QColor(38, 42, 62);
    t.bodyBottom = QColor(14, 16, 28);
    t.titleBar = QColor(10, 10, 18);
    t.panel = QColor(24, 26, 40);
    t.bevelLight = QColor(92, 98, 132);
    t.bevelDark = QColor(4, 4, 8);
    t.buttonTop = QColor(62, 66, 94);
    t.buttonBottom = QColor(32, 34, 52);
    t.accent = QColor(255, 168, 38);
    t.text = QColor(236, 226, 206);
    t.dimText = QColor(110, 108, 118);
    t.corners = Theme::Corners::Chamfered;
    t.cornerSize = 24;
    t.menuLooks = false;
    t.monochromeMask = true;
    return t;
}

} // namespace vistrel::discgen
