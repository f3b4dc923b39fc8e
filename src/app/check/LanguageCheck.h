#pragma once

#include "app/check/CheckedDisc.h"
#include "app/check/DiscFindings.h"

namespace vistrel {

// The language files: the default one exists, each reads in a sensible encoding, holds every key
// the program shows (and no other), and its messages keep the "%s" that names their subject.
Findings checkLanguages(const CheckedDisc& disc);

} // namespace vistrel
