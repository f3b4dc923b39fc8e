#pragma once

#include "window/MainDialog.h"

namespace vistrel {

// The buttons a viewer can reach now (shown and enabled) in reading order: the side panel top to
// bottom, the player's buttons left to right, then the title bar's.
QList<ImageArea*> reachableButtons(const ButtonWidgets& buttons);

// The button after (or before) current, going round; where no button has the focus, the play
// button, or the first reachable one. Null when none can be reached.
ImageArea* nextButton(const ButtonWidgets& buttons, const QWidget* current, bool forward);

} // namespace vistrel
