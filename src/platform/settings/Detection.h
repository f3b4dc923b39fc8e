#pragma once

namespace vistrel {

class Registry;

// What the machine has installed, as detected once at start.
struct Components {
    bool CodecInstalled = false;
    bool PlayerInstalled = false;
};

// Whether the video codec is installed: either of its two machine-wide registry entries.
bool DetectCodec(Registry& registry);
// Whether the recommended external player is installed.
bool DetectPlayer(Registry& registry);

} // namespace vistrel
