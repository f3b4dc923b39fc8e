#pragma once

#include "app/check/CheckedDisc.h"
#include "app/check/DiscFindings.h"

namespace vistrel {

// The skins: the configured one exists, and every skin the viewer can get has each picture the
// skin loader loads, readable and of the size of its place; the mask gives a sensible outline.
Findings checkSkins(const CheckedDisc& disc);

} // namespace vistrel
