#pragma once

#include "skin/SkinState.h"

#include <QImage>
#include <QList>
#include <QPixmap>
#include <QString>

namespace vistrel {

class Core;
class MainDialog;

// Applies a skin folder of pictures to the main window and keeps the skin's pictures.
class SkinLoader {
  public:
    explicit SkinLoader(Core& core) : core_(core) {}

    // Applies the named skin (an empty name means the configured one). False, after its
    // message, when the skin's folder does not exist; then only SkinName has changed. A
    // picture that cannot be loaded ends the program (also false, right after the end).
    bool LoadSkin(const QString& name);

    // Loads setName0.bmp .. setName<lastIndex>.bmp of the current skin into set, replacing its
    // pictures in place. Ends the program on the first picture that cannot be loaded.
    bool LoadPictureSet(const QString& setName, int lastIndex, QList<QPixmap>& set);

    // AppPath/Skins/SkinName/ (with the trailing separator).
    QString SkinDir() const;

    SkinState skin;

  private:
    void chooseSkinName(const QString& name);
    bool loadFatal(const QString& path, QPixmap& picture);
    bool readFatal(const QString& path, QImage& image);
    bool applyBackground(MainDialog& window);
    bool applyOutline(MainDialog& window);
    bool applyButtonSets(MainDialog& window);
    bool applyTitle(MainDialog& window);
    bool loadMenuLooks();
    void clearTitleBarButtons(MainDialog& window);

    Core& core_;
};

} // namespace vistrel
