#pragma once

#include "app/check/CheckedDisc.h"
#include "app/check/DiscFindings.h"

namespace vistrel {

// The information page's pictures and style sheets on the disc, found as the page's view asks
// for them: one that is missing shows as a broken picture, or leaves the page without its style.
Findings checkInfoPage(const CheckedDisc& disc);

} // namespace vistrel
