#pragma once

namespace vistrel {

// What the windowing system Qt runs on does for a window. X11 cuts a window's outline itself
// (its shape extension) and tells every window where it lies; a Wayland compositor does neither:
// a window shows its cut-out parts as transparent pixels (its input region lets the pointer
// through there), and where a window lies is the compositor's to choose, unknown to the program.
bool windowsDrawTheirOutline();
bool compositorPlacesWindows();

} // namespace vistrel
