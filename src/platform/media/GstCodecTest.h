#pragma once

#include <functional>
#include <optional>
#include <string>

namespace vistrel {

// The codec test (is MPEG-4 Part 2 video decodable?) in a process of its own, started with the
// program: reading GStreamer's registry takes about as long as making and painting the window and
// keeps megabytes, none of which the window needs unless something plays.

// The small program beside the executable that answers by its exit code (0: decodable), and the
// argument that makes the program itself answer so where that one is missing.
inline constexpr const char* CodecTestProgram = "vistrel-codectest";
inline constexpr const char* CodecTestArgument = "--gstreamer-decodes-mpeg4";

// A made disc knows the answer for its own plugins: its maker ran the test and left the answer
// ("yes" or "no") in this file beside the program, so that a viewer's first start, with no
// plugin registry yet, never waits for a scan of the plugins before the window shows.
inline constexpr const char* CodecTestAnswerFile = "vistrel-codectest.answer";

// The answer in the file at path, if it reads as one.
std::optional<bool> readCodecTestAnswer(const std::string& path);

// Whether GStreamer will find a plugin registry of this user's (where GST_REGISTRY_1_0 or
// GST_REGISTRY, else the user's cache, puts it). Without one its start scans every plugin, which
// the test then leaves out: it loads only the plugins that can bring the decoder.
bool pluginRegistryExists();

// Starts the test, unless its answer was left beside the program; the function returned waits for
// its answer. Where the process cannot be started or gives no answer, askHere answers instead.
std::function<bool()> startCodecTest(std::function<bool()> askHere);

} // namespace vistrel
