#pragma once

#include "Theme.h"

#include "skin/SkinFiles.h"
#include "window/Buttons.h"

#include <QImage>
#include <QPainterPath>
#include <QString>

namespace vistrel::discgen {

// The window's outline: the shape the mask keeps, cut-outs included.
QPainterPath windowOutline(const Theme& theme);

QImage drawMask(const Theme& theme);
QImage drawBackground(const Theme& theme);
// state: 0 component missing, 1 released, 2 pressed.
QImage drawActionButton(const Theme& theme, ButtonId button, int state);
QImage drawConsolePressed(const Theme& theme, ButtonId button);
QImage drawMenuPressed(const Theme& theme, ButtonId button);
QImage drawLogo(const Theme& theme);
QImage drawTitle(const Theme& theme);
// Picture index of a part of the skin.
QImage drawSkinPicture(const Theme& theme, const SkinPart& part, int index);

// Every picture of the skin into skinsFolder/theme.folder; false (with the reason) when a
// file cannot be written.
bool writeSkin(const QString& skinsFolder, const Theme& theme, QString& error);

} // namespace vistrel::discgen
