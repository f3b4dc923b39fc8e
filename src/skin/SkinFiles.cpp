#include "skin/SkinFiles.h"

namespace vistrel {

QString skinFileName(const SkinPart& part, int index) {
    const QString name = QString::fromUtf8(part.name);
    return part.count > 0 ? name + QString::number(index) + ".bmp" : name + ".bmp";
}

} // namespace vistrel
