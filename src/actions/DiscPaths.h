#pragma once

#include <QString>

namespace vistrel {

// Where the disc actions find their targets. Each returns the absolute path on disk of what it
// found, or an empty string when nothing is there.

// A directory under the disc first, then the configured path as it stands.
QString explorerFolder(const QString& appPath, const QString& explorerPath);

// A file under the disc first, then the configured path as it stands.
QString infoDocument(const QString& appPath, const QString& infoPath);

// The configured path as it stands first, then under the disc: the reverse of the two above.
QString installerProgram(const QString& appPath, const QString& installPath);

} // namespace vistrel
