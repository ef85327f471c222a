#include "draw_hit_counts.h"

#include <cstring>

#include "fast_draw_walk.h"
#include "fast_moments.h"

namespace lorvex {

namespace {

// The inversion n_h = sum over j >= h of (-1)^(j-h) C(j, h) c_j for every h = 6..3, without
// leaving out the counts above the block size. Exact modulo 2^16, and no count reaches 2^16.
DrawHitCounts hitCountsFromMoments(std::uint64_t packed) {
    fast::MomentLanes c;
    std::memcpy(c.data(), &packed, sizeof packed);
    const std::uint32_t c3 = c[0], c4 = c[1], c5 = c[2], c6 = c[3];
    return {
        std::int32_t(std::uint16_t(c6)),
        std::int32_t(std::uint16_t(c5 - 6 * c6)),
        std::int32_t(std::uint16_t(c4 - 5 * c5 + 15 * c6)),
        std::int32_t(std::uint16_t(c3 - 4 * c4 + 10 * c5 - 20 * c6)),
    };
}

using Visit = std::function<void(std::span<const int>, const DrawHitCounts&)>;

DrawHitCounts countRowByRow(const SystemTable& system, std::span<const int> draw) {
    std::array<bool, MAX_SYSTEM_NUMBER + 1> drawn{};
    for (const int number : draw) drawn[std::size_t(number)] = true;
    DrawHitCounts counts{};
    for (const SystemRow& row : system.rows()) {
        int hits = 0;
        for (const std::int32_t number : row) hits += drawn[std::size_t(number)] ? 1 : 0;
        if (hits >= 3) ++counts[std::size_t(6 - hits)];
    }
    return counts;
}

// Draws of up to two numbers: few enough (at most 1,225) to count every row entry by entry.
void forEachSmallDraw(const SystemTable& system, int blockSize, const Visit& visit) {
    const auto count = [&](std::span<const int> draw) { visit(draw, countRowByRow(system, draw)); };
    if (blockSize == 0) {
        count({});
        return;
    }
    for (int a = 1; a <= system.highestNumber(); ++a) {
        const std::array<int, 1> single{a};
        if (blockSize == 1) {
            count(single);
            continue;
        }
        for (int b = a + 1; b <= system.highestNumber(); ++b) {
            const std::array<int, 2> pair{a, b};
            count(pair);
        }
    }
}

}  // namespace

void forEachDrawHitCounts(
    const SystemTable& system, int blockSize,
    const std::function<void(std::span<const int> draw, const DrawHitCounts& counts)>& visit) {
    if (blockSize < 0 || blockSize > NUMBERS_PER_ROW || system.highestNumber() < blockSize) return;
    if (blockSize < 3) {
        forEachSmallDraw(system, blockSize, visit);
        return;
    }
    auto report = [&](const fast::Draw& draw, std::uint64_t moments) {
        visit(std::span<const int>(draw.data(), std::size_t(blockSize)),
              hitCountsFromMoments(moments));
    };
    ProgressObserver silent;
    fast::DrawWalk(system, blockSize, silent, report).run();
}

}  // namespace lorvex
