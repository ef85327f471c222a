#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "builder/design/design.h"
#include "builder/design/subsets.h"
#include "builder/orbits/orbit_designs.h"

// The pieces the orbit constructions share: which orbits of blocks reach which orbits of draws,
// the blocks of chosen orbits, and the bounded orbit design the group race runs.
namespace lorvex::builder {

// Calls visit(block) for every block of `blockSize` points that meets `draw` in at least
// `guarantee` points.
template <typename Visit>
void forEachReachingBlock(const DesignShape& shape, Block draw, Visit&& visit) {
    forEachSetMeeting(shape.points, draw, shape.blockSize, shape.guarantee, visit);
}

// How many blocks meet one draw in `guarantee` points or more.
std::uint64_t blocksPerDraw(const DesignShape& shape);

// For each orbit of draws, the orbits of blocks that reach its representative (each once).
std::vector<std::vector<std::uint32_t>> reachingOrbits(const DesignShape& shape,
                                                       const SubsetOrbits& draws,
                                                       const SubsetOrbits& blocks);

// The orbits of draws each orbit of blocks reaches.
std::vector<std::vector<std::uint32_t>> reachedBy(
    std::size_t blockOrbits, const std::vector<std::vector<std::uint32_t>>& reaching);

// Every block of the chosen orbits.
std::vector<Block> orbitMembers(const SubsetOrbits& blocks, int points,
                                const std::vector<bool>& chosen);

// orbitDesign with the lists of orbits bounded by `maxWork` entries: nothing when abandon()
// says so before the greedy design is made, then improved until stop() says so.
std::optional<std::vector<Block>> orbitDesignWithin(const DesignShape& shape,
                                                    const PermutationGroup& group,
                                                    std::uint64_t seed, std::uint64_t maxWork,
                                                    const std::function<bool()>& abandon,
                                                    const std::function<bool()>& stop);

}  // namespace lorvex::builder
