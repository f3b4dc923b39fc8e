#pragma once

#include "app/check/CheckedDisc.h"
#include "app/check/DiscFindings.h"

namespace vistrel {

// What a configured path must lead to, named as the program looks it up (DiscFolder).
enum class PathKind { File, Folder, Entry };

// A configured path looked up as the program looks it up, with what an author should hear about
// it: not there, not of the kind needed, found only with letter case ignored, or outside the disc.
struct LocatedPath {
    QString found; // empty when the program would not find it
    Findings findings;
};

// key names the setting, e.g. "[Main] Movie".
LocatedPath locatePath(const CheckedDisc& disc, const QString& key, const QString& configured,
                       PathKind kind);

} // namespace vistrel
