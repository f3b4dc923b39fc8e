#pragma once

namespace vistrel {

class Core;

// The picture slideshow driven by the playback buttons.
class Slideshow {
  public:
    explicit Slideshow(Core& core);
    void StartSlideShow();
    void AdvanceSlide();
    void stepBack(); // previous picture
};

} // namespace vistrel
