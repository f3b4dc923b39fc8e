#pragma once

class QString;

namespace vistrel {

// The player controls' error indicator values; 0 means the file was opened.
enum MediaOpenError {
    NoError = 0,
    Missing = 1,
    Unreadable = 2,
    Empty = 3,
    Undecodable = 4,
    NoVideoDecoder = 5
};

// What the file itself says before any framework reads it: only a readable, non-empty regular
// file is media (opening a pipe blocks, and a framework would read a device for ever).
MediaOpenError checkMediaFile(const QString& resolved);

} // namespace vistrel
