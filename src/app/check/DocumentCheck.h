#pragma once

#include "app/check/CheckedDisc.h"
#include "app/check/DiscFindings.h"

namespace vistrel {

// The information document and every page of the disc its links lead to, read as the view reads
// them: a missing picture shows broken, a missing style sheet leaves a page without its style, a
// link to nothing or off the disc fails the viewer who clicks it.
Findings checkInfoPage(const CheckedDisc& disc);

} // namespace vistrel
