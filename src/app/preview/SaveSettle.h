#pragma once

#include <cstdint>

namespace vistrel {

// When the saves in a disc folder have settled enough to show them. An image editor writes a
// picture in steps, some save several files at once: the window is reloaded once the folder has
// been quiet for a moment and every picture saved is whole again, or once a picture has stayed
// half-written for long enough that the author should hear about it.
class SaveSettle {
  public:
    static constexpr std::int64_t QuietMs = 150;
    static constexpr std::int64_t HalfWrittenWaitMs = 3000;

    // One look at the folder at nowMs: whether it changed since the look before, and whether the
    // pictures saved since the last reload are whole. True when the window is to be reloaded now.
    bool reloadNow(std::int64_t nowMs, bool changed, bool picturesWhole);
    // The reload that reloadNow asked for has to wait (a menu or a message is open): the next
    // look asks again.
    void postpone() { pending_ = true; }

  private:
    bool pending_ = false;
    std::int64_t lastChangeMs_ = 0;
};

} // namespace vistrel
