#pragma once

#include <cstdint>
#include <span>

#include "builder/design/design.h"

namespace lorvex::builder {

// How many draws a list of rows leaves without the guarantee.
struct Verification {
    std::uint64_t draws = 0;
    std::uint64_t missed = 0;

    bool met() const { return missed == 0; }
};

// The exact proof, kept apart from the search's bookkeeping: a bitmap of every `guarantee`-set
// that lies in some row, then every draw of `drawSize` points out of 0..points-1 that holds
// all points of `required`; a draw is missed exactly when none of its guarantee-sets is marked.
Verification verifyRows(int points, std::span<const Block> rows, Block required, int drawSize,
                        int guarantee);

// The same for a design of the given shape, no points required.
Verification verifyDesign(const DesignShape& shape, std::span<const Block> rows);

}  // namespace lorvex::builder
