#pragma once

#include "platform/settings/Detection.h"
#include "skin/PicturePrefetch.h"
#include "skin/SkinState.h"
#include "window/Buttons.h"

#include <QImage>
#include <QList>
#include <QPixmap>
#include <QString>

#include <functional>

class QWidget;

namespace vistrel {

class Messages;
class ProgramEnd;
struct SkinPart;
enum class ButtonKind;

// What a skin dresses: the window (its outline, and the screen it is on), the picture the window
// draws beneath its elements, and the elements that show the skin's pictures.
struct SkinnedElements {
    QWidget& window;
    std::function<void(const QPixmap&)> setBackgroundPicture;
    ButtonWidgets buttons;
    ImageArea& picShowPictures;
    ImageArea& picTitle;
};

// Where a disc keeps its skins.
struct SkinSources {
    // The folder that holds one folder per skin.
    QString skinsFolder;
    // The skin used when no name is given.
    QString configuredSkin;
    // The disc's own title picture, found on the disc; empty: each skin's title.bmp.
    QString titlePicture;
};

// Applies a skin folder of pictures to the main window and keeps the skin's pictures.
class SkinLoader {
  public:
    // installed is asked when the buttons' pictures are chosen, not before.
    SkinLoader(SkinnedElements elements, SkinSources sources, std::function<Components()> installed,
               const Messages& messages, ProgramEnd& programEnd);

    // Applies the named skin (an empty name means the configured one). False, after its
    // message, when the skin's folder does not exist; then only SkinName has changed. A
    // picture that cannot be loaded ends the program (also false, right after the end).
    bool LoadSkin(const QString& name);

    // Loads setName0.bmp .. setName<lastIndex>.bmp of the current skin into set, replacing its
    // pictures in place. Ends the program on the first picture that cannot be loaded.
    bool LoadPictureSet(const QString& setName, int lastIndex, QList<QPixmap>& set);

    // The current skin's folder (with the trailing separator).
    QString SkinDir() const;

    const SkinState& skin() const { return skin_; }

  private:
    // How reading a picture went; a picture that cannot be read ends the program.
    enum class Read { Done, Missing, Ended };

    void prefetchButtonPictures();
    bool applyPart(const SkinPart& part);
    bool applyBackground(const SkinPart& part);
    bool applyOutline(const SkinPart& part);
    bool applyActionSet(const SkinPart& part);
    bool applyConsoleSet(const SkinPart& part);
    bool applyTitleBarSet(const SkinPart& part);
    bool applyLogo(const SkinPart& part);
    bool applyTitle(const SkinPart& part);
    void clearButtons(ButtonKind kind);

    QString pathOf(const SkinPart& part, int index = 0) const;
    // Missing only for a picture the skin may go without (optional).
    Read loadFatal(const QString& path, QPixmap& picture, bool optional = false);
    bool loadSharp(const QString& path, QPixmap& picture) const;
    Read readFatal(const QString& path, QImage& image, bool optional = false);
    ImageArea& button(ButtonId id) const;

    SkinnedElements elements_;
    SkinSources sources_;
    std::function<Components()> installed_;
    const Messages& messages_;
    ProgramEnd& programEnd_;
    SkinState skin_;
    // The screen's device pixel ratio when the skin was loaded.
    qreal ratio_ = 1;
    PicturePrefetch prefetch_;
};

} // namespace vistrel
