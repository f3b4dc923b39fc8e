#pragma once

namespace vistrel {

// What the windowing system Qt runs on does for a window. X11 cuts a window's outline itself
// (its shape extension) and tells every window where it lies; a Wayland compositor does neither:
// a window shows its cut-out parts as transparent pixels (its input region lets the pointer
// through there), and where a window lies is the compositor's to choose, unknown to the program.
bool windowsDrawTheirOutline();
bool compositorPlacesWindows();

// How a drag moves a window. X11's move loop (the window manager's) starts from a pointer position
// that Qt has mapped with the window's last known place, which lags behind the travel made
// before it; the program follows the pointer itself there. Windows starts its loop from where the
// pointer and the window stand; a Wayland compositor from the press.
enum class WindowMoving { SystemLoop, Compositor, Program };
WindowMoving howWindowsMove();

} // namespace vistrel
