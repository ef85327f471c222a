#pragma once

#include <cstdint>

#include "builder/design/design.h"

namespace lorvex::builder {

// Schönheim's bound for a covering: every t-set of v points in a k-set needs at least
// ceil(v/k ceil((v-1)/(k-1) ... ceil((v-t+1)/(k-t+1)))) blocks.
std::uint64_t schoenheimBound(int v, int k, int t);

// Each block reaches only the draws it meets in `guarantee` points or more, so at least
// ceil(C(v, m) / reach) blocks are needed.
std::uint64_t countingBound(const DesignShape& shape);

// The larger of the bounds that apply to the shape (Schönheim only for coverings); 0 when
// there is no draw to reach.
std::uint64_t lowerBound(const DesignShape& shape);

}  // namespace lorvex::builder
