#pragma once

#include <QColor>
#include <QString>

namespace vistrel::discgen {

// The colours and shape of one skin.
struct Theme {
    enum class Corners { Rounded, Chamfered };

    QString folder;
    QColor bodyTop;    // window body, top of its gradient
    QColor bodyBottom; // window body, bottom of its gradient
    QColor titleBar;   // the strip along the top edge
    QColor panel;      // recessed panels: side panel, console strip
    QColor bevelLight; // lit edge of raised things
    QColor bevelDark;  // shaded edge of raised things
    QColor buttonTop;  // action buttons, released
    QColor buttonBottom;
    QColor accent; // glyphs and highlights
    QColor text;
    QColor dimText;
    Corners corners = Corners::Rounded;
    int cornerSize = 14;
    bool menuLooks = true;       // draws menu0..menu3.bmp
    bool monochromeMask = false; // stores transp.bmp with a two-colour palette
};

Theme defaultTheme();
Theme nightfallTheme();

} // namespace vistrel::discgen
