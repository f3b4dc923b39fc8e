#pragma once

#include <QString>

class QObject;

namespace vistrel {

// The media modules a build of the program has: GStreamer's player ("gst") and Qt Multimedia's
// player and probe ("qt").
inline constexpr const char* GstMediaModule = "gst";
inline constexpr const char* QtMediaModule = "qt";

// The module's instance, loaded once and kept to the end; null (with the reason logged) where it
// is missing or does not load. Looked for beside the program (a build, a disc), then where the
// installed program keeps its modules.
QObject* loadMediaModule(const QString& name);

} // namespace vistrel
