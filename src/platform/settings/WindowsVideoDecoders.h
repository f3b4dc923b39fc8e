#pragma once

#include <functional>

namespace vistrel {

// Whether Windows itself has a decoder for MPEG-4 Part 2 video (Media Foundation's, or one a codec
// pack registered with it): what an external player that plays with Windows' own codecs can show.
// The program's own decoders do not count; it plays the film whatever this says.
bool windowsDecodesMpeg4Video();

// Asks windowsDecodesMpeg4Video on a thread of its own, started now: Media Foundation's platform
// library is loaded for it alone, and the window's start need not wait for that. The function
// returned waits for the answer.
std::function<bool()> startWindowsCodecTest();

} // namespace vistrel
