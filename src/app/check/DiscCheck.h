#pragma once

#include "app/check/DiscFindings.h"
#include "platform/media/MediaProbe.h"

#include <QString>

namespace vistrel {

// Every problem of the disc at root at once, found by reading it as the program reads it:
// configuration, button targets, skins, language files, media (opened with probe) and slideshow.
Findings checkDisc(const QString& root, const MediaProber& probe);

} // namespace vistrel
