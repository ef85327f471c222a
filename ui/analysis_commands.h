#pragma once

#include <span>

#include "ui/application.h"
#include "ui/user_interface.h"

namespace lorvex {

// The block sizes of CMD_ANALYSE_ALL ("Komplett"), in the order their blocks are appended.
inline constexpr int ALL_BLOCK_SIZES[] = {6, 5, 4, 3};

// Empties the hit table and the hit list, also without a system, then runs one analysis per
// block size, showing each block in the hit list as its run ends. When a run throws (too
// little memory), the hit table and the hit list get back what they held before, the window
// is enabled again, and the exception goes on to the caller.
void analyseBlocks(Application& app, UserInterface& ui, std::span<const int> blockSizes);

}  // namespace lorvex
