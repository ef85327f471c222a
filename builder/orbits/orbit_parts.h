#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
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

// One list of orbit numbers for each orbit, all in one array: the lists take tens of millions
// of entries on 25 numbers, and a vector each would add its header and up to as much again in
// spare capacity.
class OrbitLists {
public:
    std::size_t size() const { return starts_.size() - 1; }
    std::span<const std::uint32_t> operator[](std::size_t list) const {
        return {entries_.data() + starts_[list], entries_.data() + starts_[list + 1]};
    }

    // Room for `entries` in all (pages never written are never taken from the system).
    void reserve(std::size_t lists, std::uint64_t entries) {
        starts_.reserve(lists + 1);
        entries_.reserve(entries);
    }
    void append(std::uint32_t entry) { entries_.push_back(entry); }
    void endList() { starts_.push_back(entries_.size()); }

    // The lists the other way round: for each entry number, the lists holding it.
    OrbitLists transposed(std::size_t entryCount) const;

private:
    std::vector<std::uint64_t> starts_{0};
    std::vector<std::uint32_t> entries_;
};

// For each orbit of draws, the orbits of blocks that reach its representative (each once).
OrbitLists reachingOrbits(const DesignShape& shape, const SubsetOrbits& draws,
                          const SubsetOrbits& blocks);

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
