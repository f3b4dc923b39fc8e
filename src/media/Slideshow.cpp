#include "media/Slideshow.h"

// Placeholder until the slideshow itself lands; playback only needs these entry points.

namespace vistrel {

Slideshow::Slideshow(Core&) {}
void Slideshow::StartSlideShow() {}
void Slideshow::AdvanceSlide() {}
void Slideshow::stepBack() {}

} // namespace vistrel
