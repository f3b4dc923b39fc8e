#pragma once

#include "app/check/CheckedDisc.h"
#include "app/check/DiscFindings.h"

namespace vistrel {

// The side buttons' targets on each system: each offered button's installer, player, document or
// folder is there, a program is one its system starts, a button offered on one system lacks a
// target on another, a target is configured for a button the switches hide, and the codec the
// external player's button may name is unnamed.
Findings checkTargets(const CheckedDisc& disc);

} // namespace vistrel
