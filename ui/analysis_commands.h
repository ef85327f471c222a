#pragma once

#include <span>

#include "core/analysis/hit_analysis.h"
#include "ui/application.h"
#include "ui/user_interface.h"

namespace lorvex {

// Empties the hit table and the hit list, also without a system, then runs one analysis per
// block size, showing each block in the hit list as its run ends. When a run throws (too
// little memory), the hit table and the hit list get back what they held before, the window
// is enabled again, and the exception goes on to the caller.
void analyseBlocks(Application& app, UserInterface& ui, std::span<const int> blockSizes);

}  // namespace lorvex
