#pragma once

#include "platform/media/MediaProbe.h"

#include <QString>

namespace vistrel {

// vistrel --check: prints every problem of the disc at root on standard output, as text or as
// JSON, and gives the program's exit code (0 without errors, 1 with).
int runDiscCheck(const QString& root, bool json, const MediaProber& probe);

} // namespace vistrel
