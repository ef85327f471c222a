#include <map>

#include "builder/orbits/orbit_parts.h"

namespace lorvex::builder {

namespace {

// An exact cover of the orbits of t-sets by orbits of blocks (Kramer and Mesner), by
// depth-first search over the orbit matrix.
struct ExactCoverSearch {
    // For each orbit of blocks: (orbit of t-sets, how many of its blocks hold the representative).
    std::vector<std::vector<std::pair<std::uint32_t, std::uint32_t>>> columns;
    std::vector<std::vector<std::uint32_t>> columnsOfRow;
    std::vector<std::uint32_t> load;
    std::vector<bool> chosen;
    std::uint64_t steps = 0;

    bool fits(std::uint32_t c) const {
        for (const auto& [row, count] : columns[c]) {
            if (load[row] + count > 1) return false;
        }
        return true;
    }

    void add(std::uint32_t c, int sign) {
        for (const auto& [row, count] : columns[c]) load[row] += std::uint32_t(sign) * count;
        chosen[c] = sign > 0;
    }

    bool solve() {
        if (++steps > 2'000'000) return false;
        std::size_t best = SIZE_MAX;
        std::uint32_t bestRow = 0;
        for (std::uint32_t row = 0; row < load.size(); ++row) {
            if (load[row] != 0) continue;
            std::size_t options = 0;
            for (const std::uint32_t c : columnsOfRow[row]) options += fits(c) ? 1 : 0;
            if (options < best) {
                best = options;
                bestRow = row;
            }
        }
        if (best == SIZE_MAX) return true;
        for (const std::uint32_t c : columnsOfRow[bestRow]) {
            if (!fits(c)) continue;
            add(c, 1);
            if (solve()) return true;
            add(c, -1);
        }
        return false;
    }
};

}  // namespace

std::optional<std::vector<Block>> orbitSteinerSystem(int points, int blockSize, int strength,
                                                     const PermutationGroup& group) {
    const DesignShape shape{points, blockSize, strength, strength};
    const SubsetOrbits sets = subsetOrbits(group, strength);
    const SubsetOrbits blocks = subsetOrbits(group, blockSize);
    ExactCoverSearch search;
    search.columns.resize(blocks.representative.size());
    search.columnsOfRow.resize(sets.representative.size());
    for (std::uint32_t row = 0; row < sets.representative.size(); ++row) {
        std::map<std::uint32_t, std::uint32_t> counts;
        forEachReachingBlock(shape, sets.representative[row],
                             [&](Block block) { ++counts[blocks.orbitOfRank[subsetRank(block)]]; });
        for (const auto& [column, count] : counts) {
            search.columns[column].push_back({row, count});
            search.columnsOfRow[row].push_back(column);
        }
    }
    search.load.assign(sets.representative.size(), 0);
    search.chosen.assign(blocks.representative.size(), false);
    if (!search.solve()) return std::nullopt;
    return orbitMembers(blocks, points, search.chosen);
}

}  // namespace lorvex::builder
