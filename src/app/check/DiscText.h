#pragma once

#include <QString>

#include <optional>
#include <string>

namespace vistrel {

// The bytes of a profile file on the disc (its name matched without regard to case); nothing
// when the program would not read it: not a readable regular file, or over the profile limit.
std::optional<std::string> readDiscText(const QString& path);

} // namespace vistrel
