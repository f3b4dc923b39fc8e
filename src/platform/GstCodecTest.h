#pragma once

#include <functional>

namespace vistrel {

// The codec test (is MPEG-4 Part 2 video decodable?) in a process of its own, started with the
// program: reading GStreamer's registry takes about as long as making and painting the window and
// keeps megabytes, none of which the window needs unless something plays.

// The small program beside the executable that answers by its exit code (0: decodable), and the
// argument that makes the program itself answer so where that one is missing.
inline constexpr const char* CodecTestProgram = "vistrel-codectest";
inline constexpr const char* CodecTestArgument = "--gstreamer-decodes-mpeg4";

// Starts the test; the function returned waits for its answer. Where the process cannot be
// started or gives no answer, askHere answers instead.
std::function<bool()> startCodecTest(std::function<bool()> askHere);

} // namespace vistrel
