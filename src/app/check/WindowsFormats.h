#pragma once

#include <QString>

#include <optional>

namespace vistrel {

// Whether a player that uses Windows' own codecs (an external player; the Windows program carries
// its own decoders) plays a film with only what Windows itself ships: Media
// Foundation's own containers (ASF, AVI, MP4, MP3, WAVE, ADTS) and decoders (H.264, MPEG-4
// Part 2 and Microsoft's MPEG-4 v1 to v3, WMV, Motion-JPEG; AAC, MP3, WMA, PCM), Windows 7 and
// later. The container is told by the file's extension, the codecs by the names the media
// framework gives (an empty name is not held against the file).
// Returns what Windows lacks for it, or nothing when it plays there.
std::optional<QString> windowsLacksFor(const QString& fileName, const QString& videoCodec,
                                       const QString& audioCodec);

} // namespace vistrel
