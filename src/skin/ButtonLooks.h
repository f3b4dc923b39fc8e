#pragma once

#include "platform/settings/Detection.h"
#include "window/Buttons.h"

#include <QObject>

namespace vistrel {

struct SkinState;

// The pressed and released looks of the skinned buttons, by the kind of each button in the
// table. A button has no drawing of its own: it shows a picture of the current skin, looked up
// at each press and release, so a skin loaded while a button is held shows on its release.
class ButtonLooks : public QObject {
    Q_OBJECT
  public:
    ButtonLooks(const SkinState& skin, Components installed, const ButtonWidgets& buttons);

  private:
    // Pressed: picture 2 of the set, any mouse button. Released: picture 1 when what the button
    // needs is installed, else picture 0.
    void connectAction(ImageArea* button, const ButtonRow& row);
    // Pressed: the console picture, left button only. Released: no picture.
    void connectConsole(ImageArea* button, const ButtonRow& row);
    // Pressed: the look, unless the button already shows it. Released: no picture.
    void connectTitleBar(ImageArea* button, const ButtonRow& row);

    const SkinState& skin_;
    Components installed_;
};

} // namespace vistrel
