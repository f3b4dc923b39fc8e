#pragma once

#include <QHash>
#include <QList>
#include <QPixmap>
#include <QRegion>
#include <QString>

#include <array>

namespace vistrel {

// The pictures of the current skin. A button shows the very pixmap of its set, so a set keeps
// its pixmaps for as long as the skin is in use; a new skin replaces them in place.
struct SkinState {
    QString SkinName;
    // Each action button's three pictures, by the base name of its set ("codec" holds
    // codec0.bmp .. codec2.bmp).
    QHash<QString, QList<QPixmap>> ActionSets;
    // The five playback buttons share one set (console0.bmp .. console4.bmp).
    QList<QPixmap> PicsConsole;
    // The title-bar looks menu0.bmp .. menu3.bmp; null pixmaps when the skin has none.
    std::array<QPixmap, 4> PicMenu;
    // The last outline the loader made for the window.
    QRegion ShapeRegion;

    // A picture of an action set; a null pixmap when there is none.
    const QPixmap& actionPicture(const QString& set, qsizetype index) const {
        static const QPixmap none;
        const auto found = ActionSets.constFind(set);
        return found != ActionSets.cend() && index < found->size() ? found->at(index) : none;
    }
    const QPixmap& consolePicture(qsizetype index) const {
        static const QPixmap none;
        return index < PicsConsole.size() ? PicsConsole[index] : none;
    }
};

} // namespace vistrel
