#pragma once

typedef struct _GstElement GstElement;

namespace vistrel {

// The video sink the platform's own player would take here: xvimagesink where the X server offers
// XVideo, else ximagesink (no OpenGL: without a GPU that is software rendering, several times the
// CPU). Without an X display (onX11 false: offscreen) frames are consumed in time and shown
// nowhere. Floating reference, or null when no sink can be made. Any thread.
GstElement* makeVideoSink(bool onX11);

} // namespace vistrel
