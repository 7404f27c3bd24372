// Where ResultPages lies in each state of the window: below the unfolded or the folded panel of
// common couriers, or over the query row and the panel while the help page shows. Start-up and
// the mode and panel handlers place it from here.
#pragma once

#include "toolkit/control_ops.h"

inline constexpr Placement kPagesBelowUnfoldedPanel{3, 244, 610, 352};
inline constexpr Placement kPagesBelowFoldedPanel{3, 174, 610, 422};
inline constexpr Placement kPagesOverHelp{0, 101, 623, 495};
