#pragma once

#include "app/check/DiscFindings.h"

#include <QStringList>

namespace vistrel {

// What a reload changed in the disc check, in --check's own words: "new: " before each finding
// that was not there before, "mended: " before each that went.
QStringList findingsChange(const Findings& before, const Findings& after);

} // namespace vistrel
