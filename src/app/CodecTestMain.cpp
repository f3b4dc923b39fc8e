// vistrel-codectest: answers by its exit code whether GStreamer decodes MPEG-4 Part 2 video (0)
// or not (1). The program starts it beside itself at once, so the answer is ready when the skin
// needs it and GStreamer's registry never fills the window's memory; it links GStreamer alone
// and starts in a few milliseconds.
#include "platform/media/gst/GstDecoders.h"

#include <unistd.h>

int main() {
    // It runs while the window is made: the window and the X server come first.
    (void)nice(10);
    return vistrel::gstreamerDecodesMpeg4Video() ? 0 : 1;
}
