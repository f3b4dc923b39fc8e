#include "app/preview/SaveSettle.h"

namespace vistrel {

bool SaveSettle::reloadNow(std::int64_t nowMs, bool changed, bool picturesWhole) {
    if (changed) {
        pending_ = true;
        lastChangeMs_ = nowMs;
        return false;
    }
    const std::int64_t quiet = nowMs - lastChangeMs_;
    if (!pending_ || quiet < QuietMs || (!picturesWhole && quiet < HalfWrittenWaitMs))
        return false;
    pending_ = false;
    return true;
}

} // namespace vistrel
