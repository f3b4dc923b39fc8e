#pragma once

#include <QString>

#include <optional>
#include <string>

namespace vistrel {

// The bytes of a text file on the disc (its name matched without regard to case), up to a limit no
// real profile file reaches; nothing when it is not a readable regular file.
std::optional<std::string> readDiscText(const QString& path);

} // namespace vistrel
