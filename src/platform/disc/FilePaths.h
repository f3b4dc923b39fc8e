#pragma once

#include <QString>

namespace vistrel {

// Configured paths come from a platform where '\' separates names and case does not matter.
// These helpers give them the same meaning on any file system.

// base, the platform's separator, then relative (a doubled separator is harmless).
QString joinPath(const QString& base, const QString& relative);

// True when two names of the disc name the same file: compared without regard to case, and with
// accents either composed or written as a character of their own (as a Mac names files).
bool sameDiscName(const QString& first, const QString& second);

// The path as it exists on disk: separators normalised, doubled ones collapsed, and each name
// matched by sameDiscName() when the exact name does not exist. A path that does not exist
// comes back normalised as far as it was found.
QString resolvePath(const QString& path);

// True when a file or a directory exists at the path.
bool PathFileExists(const QString& path);
// True when a directory exists at the path.
bool PathIsDirectory(const QString& path);

} // namespace vistrel
