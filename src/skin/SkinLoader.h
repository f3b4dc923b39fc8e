#pragma once

#include "skin/SkinState.h"

#include <QList>
#include <QPixmap>
#include <QString>

namespace vistrel {

class Core;

// Applies a skin folder of pictures to the main window.
class SkinLoader {
public:
    explicit SkinLoader(Core& core) : core_(core) {}

    // False (after its message) when the skin's folder does not exist; an empty name means
    // the configured skin. An incomplete skin ends the program.
    bool LoadSkin(const QString& name);

    SkinState skin;

private:
    QString skinDir() const;

    Core& core_;
};

} // namespace vistrel
