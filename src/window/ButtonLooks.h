#pragma once

#include "skin/SkinState.h"

#include <QObject>

#include <functional>

namespace vistrel {

class Core;
class ImageArea;
class MainDialog;

// The pressed and released looks of the fifteen skinned buttons. A button has no drawing of
// its own: it shows a picture of the current skin, looked up at each press and release, so a
// skin loaded while a button is held shows on its release.
class ButtonLooks : public QObject {
    Q_OBJECT
  public:
    explicit ButtonLooks(Core& core);

    void connectTo(MainDialog& window);

  private:
    using PictureSet = QList<QPixmap> SkinState::*;
    using TitleBarLook = QPixmap SkinState::*;

    // Pressed: picture 2 of the set, any mouse button. Released: picture 1 when available()
    // says the component is there, else picture 0.
    void connectAction(ImageArea* button, PictureSet set, std::function<bool()> available);
    // Pressed: the console picture, left button only. Released: no picture.
    void connectPlayback(ImageArea* button, int index);
    // Pressed: the look, unless the button already shows it. Released: no picture.
    void connectTitleBar(ImageArea* button, TitleBarLook look);

    const SkinState& skin() const;

    Core& core_;
};

} // namespace vistrel
