#pragma once

#include "platform/media/MediaOpenError.h"

namespace vistrel {

// Whether a file the pipeline is opening counts as opened, from what the pipeline has said by
// the time of the verdict (its first preroll or error, or the end of the wait: taken as opened).
// A video stream that nothing decodes fails the file even after a preroll: it would leave sound
// over a black area, or nothing at all.
class OpenVerdict {
  public:
    // A decoder for a picture stream is missing (the preroll may still come, with sound alone).
    void missingVideoDecoder() { videoUndecodable_ = true; }
    void videoDecoded() { hasVideo_ = true; }
    void prerolled(bool hasVideo) { hasVideo_ = hasVideo_ || hasVideo; }
    void refused() { refused_ = true; }

    MediaOpenError result() const;
    // A decoded picture stream has been seen.
    bool hasVideo() const { return hasVideo_; }
    // A file taken as opened whose video turns out to have no decoder after all.
    bool failsLater() const { return videoUndecodable_ && !hasVideo_; }

  private:
    bool refused_ = false;
    bool videoUndecodable_ = false;
    bool hasVideo_ = false;
};

} // namespace vistrel
