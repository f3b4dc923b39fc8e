#pragma once

namespace vistrel {

// Whether one of Qt Multimedia's backends loads from the plugin folders Qt searches. Without one,
// Qt Multimedia ends the program the moment anything of it is made (a player, a video widget), as
// on a disc whose FFmpeg DLLs were deleted; asked first, the player can refuse its files instead.
// Tries each backend with the plugin loader, which Qt's own loading then finds loaded.
bool qtMultimediaBackendLoads();

} // namespace vistrel
