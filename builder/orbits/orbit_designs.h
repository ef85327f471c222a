#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

#include "builder/design/design.h"
#include "builder/orbits/permutation_groups.h"

namespace lorvex::builder {

// The orbits of the `size`-sets of the group's points, numbered by colex rank.
struct SubsetOrbits {
    int size = 0;
    std::vector<std::uint32_t> orbitOfRank;
    std::vector<Block> representative;  // the set of lowest rank in each orbit
    std::vector<std::uint32_t> orbitSize;
};

SubsetOrbits subsetOrbits(const PermutationGroup& group, int size);

// Whether the shape has few enough sets of points to number them all for orbitDesign.
bool orbitDesignAffordable(const DesignShape& shape);

// A design made of whole orbits of blocks: chosen greedily (each time the orbit that reaches
// the most unreached draws per block), then improved by a local search over orbits, driven by
// `seed`, until the deadline. Nothing when the shape is too large for it.
std::optional<std::vector<Block>> orbitDesign(const DesignShape& shape,
                                              const PermutationGroup& group, std::uint64_t seed,
                                              Deadline deadline);

// A Steiner system S(t, k, v) (every t-set in exactly one block) as a union of orbits, found by
// an exact search over the orbit matrix (Kramer and Mesner); nothing when none exists or the
// search gives up.
std::optional<std::vector<Block>> orbitSteinerSystem(int points, int blockSize, int strength,
                                                     const PermutationGroup& group);

// The smallest design that orbitDesign finds over candidateGroups (for lotto designs with time
// enough, also twoLengthGroups; for draws of four numbers on 23 to 25 points, threeTripleTurn
// alone) before the deadline, on `threads` threads at once.
std::vector<Block> bestOrbitDesign(const DesignShape& shape, Deadline deadline, std::uint64_t seed,
                                   int threads = 1);

}  // namespace lorvex::builder
