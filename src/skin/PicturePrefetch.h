#pragma once

#include "skin/PictureFile.h"

#include <QFuture>
#include <QHash>
#include <QString>
#include <QStringList>

namespace vistrel {

// Reads picture files on the thread pool ahead of their use. Each file costs a few system calls
// whatever its size, and under Wine those are slow: a skin's thirty small button pictures, read
// one after the other, held the Windows program's first frame back by about 30 ms.
class PicturePrefetch {
  public:
    // Starts reading the files; a path asked for again replaces the earlier reading.
    void start(const QStringList& paths);
    // The file read ahead (waiting for it), once; read here where it was not asked for.
    PictureFile take(const QString& path);

  private:
    QHash<QString, QFuture<PictureFile>> pending_;
};

} // namespace vistrel
