#pragma once

typedef struct _GstElement GstElement;

namespace vistrel {

// The video sink the platform's own player would take on X11: xvimagesink where the X server
// offers XVideo, else ximagesink (no OpenGL: without a GPU that is software rendering, several
// times the CPU). Floating reference, or null when no sink can be made. Any thread.
GstElement* makeVideoSink();

} // namespace vistrel
