#pragma once

#include "platform/media/MediaProbe.h"

namespace vistrel {

// probeMedia through GStreamer's own discoverer: the framework the Linux player plays with, so
// that --check judges a file as the player will (and a disc needs no second framework for it).
MediaFacts probeMediaWithGstreamer(const QString& path, int timeoutMs);

} // namespace vistrel
