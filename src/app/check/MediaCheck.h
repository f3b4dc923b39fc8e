#pragma once

#include "app/check/CheckedDisc.h"
#include "app/check/DiscFindings.h"
#include "platform/media/MediaProbe.h"

namespace vistrel {

// How long the media framework may take to open the movie or music.
inline constexpr int MediaProbeTimeoutMs = 5000;

// The movie or music: there, opened by the media framework, and shaped for the video area.
Findings checkMedia(const CheckedDisc& disc, const MediaProber& probeMedia);

// The slideshow: its pictures there and readable, its interval a number.
Findings checkSlideshow(const CheckedDisc& disc);

} // namespace vistrel
