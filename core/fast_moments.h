#pragma once

#include <array>
#include <cstdint>
#include <cstring>

#include "pattern_list.h"

namespace lorvex::fast {

// The binomial moments of one draw: c_j = sum over rows of C(h, j) for j = 3..6, where h is the
// row's hits. Each is kept modulo 2^16 in a lane of its own (c3 first); that is enough, since
// the counts derived from them are exact below 2^16 and a row count never exceeds 9,999.
inline constexpr int MOMENT_LANES = 4;
using MomentLanes = std::array<std::uint16_t, MOMENT_LANES>;

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

// Rows with exactly h hits: n_h = sum over j >= h of (-1)^(j-h) C(j, h) c_j. Counts above the
// block size are left out, as they are no part of the block's outcome.
inline Outcome outcomeFromMoments(std::uint64_t packed, int blockSize) {
    MomentLanes c;
    std::memcpy(c.data(), &packed, sizeof packed);
    const std::uint32_t c3 = c[0], c4 = c[1], c5 = c[2], c6 = c[3];
    const std::array<std::uint32_t, 4> rowsWith = {
        c6,
        c5 - 6 * c6,
        c4 - 5 * c5 + 15 * c6,
        c3 - 4 * c4 + 10 * c5 - 20 * c6,
    };
    Outcome outcome;
    for (int h = blockSize; h >= 3; --h) {
        outcome.hits(h) = static_cast<std::uint16_t>(rowsWith[6 - h]);
    }
    return outcome;
}

}  // namespace lorvex::fast
