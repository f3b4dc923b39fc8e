#pragma once

#include "app/check/DiscFindings.h"

#include <QString>

namespace vistrel {

// Every problem of the disc at root at once, found by reading it as the program reads it:
// configuration, button targets, skins, language files, media and slideshow.
Findings checkDisc(const QString& root);

} // namespace vistrel
