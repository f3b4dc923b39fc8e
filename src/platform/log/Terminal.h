#pragma once

#include <QString>

namespace vistrel {

// One line on standard output, at once: the preview's author watches it as they save.
void sayOnTerminal(const QString& line);

} // namespace vistrel
