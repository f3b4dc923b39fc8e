#include "platform/media/gst/OpenVerdict.h"

namespace vistrel {

MediaOpenError OpenVerdict::result() const {
    if (failsLater())
        return NoVideoDecoder;
    if (refused_)
        return Undecodable;
    return NoError; // prerolled, or no verdict within the wait: taken as opened
}

} // namespace vistrel
