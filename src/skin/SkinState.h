#pragma once

#include <QList>
#include <QPixmap>
#include <QRegion>
#include <QString>

namespace vistrel {

// The pictures of the current skin. A button shows the very pixmap of its set, so a set keeps
// its pixmaps for as long as the skin is in use.
struct SkinState {
    QString SkinName;
    QList<QPixmap> PicsCodec;
    QList<QPixmap> PicsPlayer;
    QList<QPixmap> PicsInfo;
    QList<QPixmap> PicsStart;
    QList<QPixmap> PicsExplore;
    QList<QPixmap> PicsExit;
    QList<QPixmap> PicsConsole;
    // A null pixmap stands for "no picture".
    QPixmap PicMenu0;
    QPixmap PicMenu1;
    QPixmap PicMenu2;
    QPixmap PicMenu3;
    // The last outline the loader made for the window.
    QRegion ShapeRegion;
};

} // namespace vistrel
