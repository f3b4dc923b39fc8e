#pragma once

#include "app/check/CheckedDisc.h"
#include "app/check/DiscFindings.h"

namespace vistrel {

// vistrel.ini itself: present, of the version the program knows, and every section and key one
// the program reads (a misspelt one is ignored without a word at run time).
Findings checkConfigFile(const CheckedDisc& disc);

} // namespace vistrel
