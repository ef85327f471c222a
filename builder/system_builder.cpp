#include "builder/system_builder.h"

#include <algorithm>
#include <bit>

#include "builder/bounds.h"
#include "builder/constructions.h"

namespace lorvex::builder {

namespace {

using Clock = std::chrono::steady_clock;

// The constructions may use up to a third of the time, the search gets the rest.
constexpr int CONSTRUCTION_SHARE = 3;

SearchLimits searchLimits(const BuildOptions& options, Clock::time_point deadline,
                          std::uint64_t lowerBound) {
    SearchLimits limits;
    limits.deadline = deadline;
    limits.seed = options.seed;
    limits.threads = std::max(options.threads, 1);
    limits.lowerBound = lowerBound;
    limits.improved = options.improved;
    return limits;
}

// The smallest candidate that the independent check accepts.
Candidate firstValid(const DesignShape& shape, std::vector<Candidate> candidates) {
    for (Candidate& candidate : candidates) {
        if (verifyDesign(shape, candidate.blocks).met()) return std::move(candidate);
    }
    return {};
}

// The same design with the points no block uses moved to the lowest numbers: the loader takes
// the highest number that occurs as the count of system numbers, so the highest must occur.
std::vector<Block> unusedPointsFirst(int points, std::vector<Block> blocks) {
    Block used = 0;
    for (const Block block : blocks) used |= block;
    const Block all = (Block{1} << points) - 1;
    if (used == all) return blocks;
    std::vector<int> newPoint(std::size_t(points), 0);
    int next = 0;
    for (const Block part : {all & ~used, used}) {
        for (int p = 0; p < points; ++p) {
            if (part & (Block{1} << p)) newPoint[std::size_t(p)] = next++;
        }
    }
    for (Block& block : blocks) {
        Block moved = 0;
        for (Block rest = block; rest != 0; rest &= rest - 1) {
            moved |= Block{1} << newPoint[std::size_t(std::countr_zero(rest))];
        }
        block = moved;
    }
    return blocks;
}

}  // namespace

BuiltSystem buildSystem(const BuildRequest& request, const BuildOptions& options) {
    const Clock::time_point start = Clock::now();
    const Clock::time_point deadline = start + options.searchTime;
    const DesignShape shape = reducedShape(request);

    BuiltSystem built;
    built.lowerBound = lowerBound(shape);
    DesignConstructor constructor(start + options.searchTime / CONSTRUCTION_SHARE, options.seed);
    Candidate design = firstValid(shape, constructor.candidates(shape));
    built.method = design.method;
    if (options.improved) options.improved(design.blocks.size());

    std::vector<Block> blocks = std::move(design.blocks);
    if (blocks.size() > built.lowerBound && Clock::now() < deadline) {
        blocks = shrinkDesign(shape, std::move(blocks), {},
                              searchLimits(options, deadline, built.lowerBound));
    }
    blocks = unusedPointsFirst(shape.points, std::move(blocks));
    for (const Block block : blocks) built.rows.push_back(requestRow(request, block));
    built.proof =
        verifyRows(request.numbers, built.rows, keyMask(request), request.drawn, request.guarantee);
    return built;
}

}  // namespace lorvex::builder
