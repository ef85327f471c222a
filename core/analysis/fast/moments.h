#pragma once

#include <array>
#include <cstdint>
#include <cstring>

#include "core/analysis/pattern_list.h"
#include "core/system/system_row.h"

namespace lorvex::fast {

// The binomial moments of one draw: c_j = sum over rows of C(h, j) for j = 3..6, where h is the
// row's hits, i.e. how many j-subsets of a row's six positions hold drawn numbers only. Each is
// kept modulo 2^16 in a lane of its own; the four lanes pack into one 64-bit word.
enum Lane : int { C3, C4, C5, C6 };
inline constexpr int MOMENT_LANES = C6 + 1;
using MomentLanes = std::array<std::uint16_t, MOMENT_LANES>;

constexpr Lane laneOfMoment(int j) {
    return Lane(j - 3);
}

static_assert(MOMENT_LANES * 16 == 64 && sizeof(MomentLanes) == sizeof(std::uint64_t),
              "four 16-bit lanes make one packed word");
// The counts worked out of the moments are rows, at most MAX_SYSTEM_ROWS: exact below 2^16,
// however far the moments themselves wrap around.
static_assert(MAX_SYSTEM_ROWS < (1 << 16), "16 bits hold each count of rows");

inline std::uint64_t loadMoments(const std::uint16_t* lanes) {
    std::uint64_t packed;
    std::memcpy(&packed, lanes, sizeof packed);
    return packed;
}

// Lane-wise sum modulo 2^16 of two packed moment vectors: no carry crosses a lane.
inline std::uint64_t addMoments(std::uint64_t a, std::uint64_t b) {
    constexpr std::uint64_t TOP_BITS = 0x8000800080008000u;
    return ((a & ~TOP_BITS) + (b & ~TOP_BITS)) ^ ((a ^ b) & TOP_BITS);
}

// Rows with exactly h hits, h = 6..3: n_h = sum over j >= h of (-1)^(j-h) C(j, h) c_j.
//
// Worked example, highest number 7, block 5: rows A = 1 2 3 4 5 6 and B = 1 1 2 3 4 7 and the
// draw {1, 2, 3, 4, 7}. A scores h = 4 (1, 2, 3, 4), B scores h = 6 (its 1 counts twice).
//   c3 = C(4,3) + C(6,3) = 4 + 20 = 24        c5 = C(4,5) + C(6,5) = 0 + 6 = 6
//   c4 = C(4,4) + C(6,4) = 1 + 15 = 16        c6 = C(4,6) + C(6,6) = 0 + 1 = 1
// (In the moment table B's positions carry the set {1, 2, 3, 4, 7} once as six positions, lane
// C6, and twice as five, lane C5, one for each 1; the draw sums such counts over its subsets.)
//   n6 = c6                        = 1                   B
//   n5 = c5 - 6 c6                 = 6 - 6 = 0
//   n4 = c4 - 5 c5 + 15 c6         = 16 - 30 + 15 = 1    A
//   n3 = c3 - 4 c4 + 10 c5 - 20 c6 = 24 - 64 + 60 - 20 = 0
// Block 5's outcome is n5, n4, n3 = 0, 1, 0; the full hit counts keep n6 = 1 as well.
inline Outcome hitCountsFromMoments(std::uint64_t packed) {
    MomentLanes lanes;
    std::memcpy(lanes.data(), &packed, sizeof packed);
    const std::uint32_t c3 = lanes[C3], c4 = lanes[C4], c5 = lanes[C5], c6 = lanes[C6];
    Outcome counts;
    counts.hits(6) = std::uint16_t(c6);
    counts.hits(5) = std::uint16_t(c5 - 6 * c6);
    counts.hits(4) = std::uint16_t(c4 - 5 * c5 + 15 * c6);
    counts.hits(3) = std::uint16_t(c3 - 4 * c4 + 10 * c5 - 20 * c6);
    return counts;
}

// A block's outcome leaves out the counts above the block size; only rows that hold a number
// twice can score them.
inline Outcome outcomeFromMoments(std::uint64_t packed, int blockSize) {
    Outcome outcome = hitCountsFromMoments(packed);
    for (int h = 6; h >= 3 && h > blockSize; --h) outcome.hits(h) = 0;
    return outcome;
}

}  // namespace lorvex::fast
