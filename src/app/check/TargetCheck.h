#pragma once

#include "app/check/CheckedDisc.h"
#include "app/check/DiscFindings.h"

namespace vistrel {

// The side buttons' targets: each shown button's installer, player, document or folder is there
// (and a program can be started), and a target configured for a button the switches hide.
Findings checkTargets(const CheckedDisc& disc);

} // namespace vistrel
