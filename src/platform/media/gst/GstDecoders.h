#pragma once

namespace vistrel {

// Whether an installed decoder takes MPEG-4 Part 2 video (the disc movie's format), asked of
// GStreamer's registry without building a pipeline. Starts GStreamer; plain GStreamer and
// nothing else, so that a small process of its own can answer it. Where the registry was left
// out (GST_REGISTRY_DISABLE), the plugins that can bring such a decoder are looked for by name.
bool gstreamerDecodesMpeg4Video();

} // namespace vistrel
