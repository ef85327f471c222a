#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/system/system_table.h"

namespace lorvex {

struct WorstDraws {
    std::int64_t count = 0;                      // draws whose outcome is the block's worst
    std::int64_t total = 0;                      // all draws of the block: C(highestNumber, k)
    std::vector<std::array<int, 6>> firstDraws;  // the first of them in lexicographic order
};

// The draws of block k whose outcome is the last, worst pattern of the block (fewest rows with
// k hits, then fewest with k - 1, and so on), in one pass over the block. `limit` caps the
// listed draws; 0 lists them all.
WorstDraws findWorstDraws(const SystemTable& system, int blockSize, std::int64_t limit);

}  // namespace lorvex
