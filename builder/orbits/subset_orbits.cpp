#include <algorithm>
#include <numeric>

#include "builder/orbits/orbit_parts.h"

namespace lorvex::builder {

namespace {

std::uint32_t findRoot(std::vector<std::uint32_t>& parent, std::uint32_t x) {
    while (parent[x] != x) {
        parent[x] = parent[parent[x]];
        x = parent[x];
    }
    return x;
}

}  // namespace

// How many blocks meet one draw in `guarantee` points or more.
std::uint64_t blocksPerDraw(const DesignShape& shape) {
    return setsMeeting(shape.points, shape.drawSize, shape.blockSize, shape.guarantee);
}

// For each orbit of draws, the orbits of blocks that reach its representative (each once).
OrbitLists reachingOrbits(const DesignShape& shape, const SubsetOrbits& draws,
                          const SubsetOrbits& blocks) {
    OrbitLists reaching;
    reaching.reserve(draws.representative.size(),
                     draws.representative.size() * blocksPerDraw(shape));
    std::vector<std::uint32_t> seenAt(blocks.representative.size(), UINT32_MAX);
    for (std::uint32_t d = 0; d < draws.representative.size(); ++d) {
        forEachReachingBlock(shape, draws.representative[d], [&](Block block) {
            const std::uint32_t orbit = blocks.orbitOfRank[subsetRank(block)];
            if (seenAt[orbit] == d) return;
            seenAt[orbit] = d;
            reaching.append(orbit);
        });
        reaching.endList();
    }
    return reaching;
}

std::vector<Block> orbitMembers(const SubsetOrbits& blocks, int points,
                                const std::vector<bool>& chosen) {
    std::vector<Block> members;
    std::uint64_t rank = 0;
    forEachSubset(points, blocks.size, [&](Block set) {
        if (chosen[blocks.orbitOfRank[rank++]]) members.push_back(set);
    });
    return members;
}

OrbitLists OrbitLists::transposed(std::size_t entryCount) const {
    std::vector<std::uint64_t> counts(entryCount, 0);
    for (const std::uint32_t entry : entries_) ++counts[entry];
    OrbitLists lists;
    lists.starts_.resize(entryCount + 1);
    std::partial_sum(counts.begin(), counts.end(), lists.starts_.begin() + 1);
    lists.entries_.resize(entries_.size());
    std::vector<std::uint64_t> next(lists.starts_.begin(), lists.starts_.end() - 1);
    for (std::uint32_t list = 0; list < size(); ++list) {
        for (const std::uint32_t entry : (*this)[list]) lists.entries_[next[entry]++] = list;
    }
    return lists;
}

SubsetOrbits subsetOrbits(const PermutationGroup& group, int size) {
    const int points = group.points;
    const std::uint64_t count = BINOMIALS.value[points][size];
    std::vector<std::uint32_t> parent(count);
    std::iota(parent.begin(), parent.end(), 0u);
    std::uint64_t rank = 0;
    forEachSubset(points, size, [&](Block set) {
        for (const Permutation& generator : group.generators) {
            const std::uint32_t a = findRoot(parent, std::uint32_t(rank));
            const std::uint32_t b =
                findRoot(parent, std::uint32_t(subsetRank(applyPermutation(generator, set))));
            if (a != b) parent[std::max(a, b)] = std::min(a, b);
        }
        ++rank;
    });
    SubsetOrbits orbits;
    orbits.size = size;
    orbits.orbitOfRank.resize(count);
    rank = 0;
    forEachSubset(points, size, [&](Block set) {
        const std::uint32_t root = findRoot(parent, std::uint32_t(rank));
        if (root == rank) {
            orbits.orbitOfRank[rank] = std::uint32_t(orbits.representative.size());
            orbits.representative.push_back(set);
            orbits.orbitSize.push_back(0);
        } else {
            orbits.orbitOfRank[rank] = orbits.orbitOfRank[root];
        }
        ++orbits.orbitSize[orbits.orbitOfRank[rank]];
        ++rank;
    });
    return orbits;
}

}  // namespace lorvex::builder
