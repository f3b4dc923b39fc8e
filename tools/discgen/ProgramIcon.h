#pragma once

#include <QImage>
#include <QString>

namespace vistrel::discgen {

// The program's icon at one size (square, with transparency).
QImage drawProgramIcon(int size);

// vistrel-32.png and vistrel-48.png into folder; false (with the reason) on failure.
bool writeProgramIcons(const QString& folder, QString& error);

} // namespace vistrel::discgen
