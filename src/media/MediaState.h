#pragma once

#include <QString>

namespace vistrel {

// What plays in the window: chosen once at start, and given up when the media cannot be opened.
struct MediaState {
    // The movie or music file; empty when none is configured or the file is missing.
    QString MediaPath;
    bool IsMovie = false;
    bool IsMusic = false;
    // The picture slideshow runs (only without a movie).
    bool SlideShowOn = false;

    bool opensMedia() const { return !MediaPath.isEmpty() && (IsMovie || IsMusic); }
};

} // namespace vistrel
