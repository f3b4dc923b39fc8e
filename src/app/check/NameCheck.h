#pragma once

#include "app/DiscConfig.h"
#include "app/check/DiscFindings.h"

#include <functional>
#include <string>

namespace vistrel {

// The sections and keys a profile file may hold.
struct KnownNames {
    QList<DiscKeys> sections;
    // Keys known by a rule rather than by name (the slideshow's numbered pictures).
    std::function<bool(const QString& section, const QString& key)> byRule;
    // The fix for an unknown key that a rule can tell better than the nearest name (empty: none).
    std::function<QString(const QString& section, const QString& key)> hint;
};

// Every key line of the file that the program never reads: in an unknown section, an unknown key,
// before any section, or repeated. Names compare without regard to case, as the reader's do; a
// key starting with ';' is taken as a comment.
Findings checkNames(const QString& file, const std::string& utf8Text, const KnownNames& known);

} // namespace vistrel
