#include "builder/system_builder.h"

#include <algorithm>
#include <bit>

#include "builder/bounds.h"
#include "builder/constructions.h"
#include "builder/mending_parts.h"
#include "core/maths/binomial.h"

namespace lorvex::builder {

namespace {

using Clock = std::chrono::steady_clock;

// The constructions (the orbit designs above all) may use up to half the time, the search
// gets the rest.
constexpr int CONSTRUCTION_SHARE = 2;

// Above this many draws a partition design's parts are shrunk on their own first.
constexpr std::uint64_t MANY_DRAWS = 500'000;

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

// The smallest design for a shape that the constructions and then the search find before the
// deadline, with no progress reports.
std::vector<Block> buildPart(const DesignShape& shape, const BuildOptions& options,
                             Clock::time_point deadline) {
    const Clock::time_point now = Clock::now();
    DesignConstructor constructor(now + (deadline - now) / CONSTRUCTION_SHARE, options.seed,
                                  options.threads);
    std::vector<Block> blocks = firstValid(shape, constructor.candidates(shape)).blocks;
    const std::uint64_t bound = lowerBound(shape);
    if (blocks.size() <= bound || Clock::now() >= deadline) return blocks;
    return shrinkDesign(shape, std::move(blocks), {}, searchLimits(options, deadline, bound));
}

// The partition design again, its parts each built and shrunk on their own: they have far
// fewer draws than the whole, so the search gets much further on them in the same time.
std::vector<Block> partitionOfShrunkParts(const DesignShape& shape, DesignConstructor& constructor,
                                          const BuildOptions& options, Clock::time_point deadline) {
    const std::optional<DesignConstructor::Split> split = constructor.bestSplit(shape);
    if (!split) return {};
    const Clock::time_point now = Clock::now();
    const Clock::time_point firstDeadline =
        split->secondNeeded ? now + (deadline - now) / 2 : deadline;
    const std::vector<Block> first = buildPart(split->first, options, firstDeadline);
    const std::vector<Block> second =
        split->secondNeeded ? buildPart(split->second, options, deadline) : std::vector<Block>{};
    return partitionUnion(shape.blockSize, split->first.points, shape.points, first, second);
}

}  // namespace

SearchLimits searchLimits(const BuildOptions& options, Clock::time_point deadline,
                          std::uint64_t lowerBound) {
    SearchLimits limits;
    limits.deadline = deadline;
    limits.seed = options.seed;
    limits.threads = std::max(options.threads, 1);
    limits.lowerBound = lowerBound;
    return limits;
}

BuiltSystem buildSystem(const BuildRequest& request, const BuildOptions& options) {
    const Clock::time_point start = Clock::now();
    const Clock::time_point deadline = start + options.searchTime;
    const DesignShape shape = reducedShape(request);

    BuiltSystem built;
    built.lowerBound = lowerBound(shape);
    DesignConstructor constructor(start + options.searchTime / CONSTRUCTION_SHARE, options.seed,
                                  options.threads);
    Candidate design = firstValid(shape, constructor.candidates(shape));
    if (options.improved) options.improved(design.blocks.size());

    std::vector<Block> blocks = std::move(design.blocks);
    if (design.method == PARTITION_METHOD && binomial(shape.points, shape.drawSize) > MANY_DRAWS) {
        // Two thirds of the time for the parts, the rest for the whole.
        const Clock::time_point partsDeadline = start + options.searchTime * 2 / 3;
        std::vector<Block> parts =
            partitionOfShrunkParts(shape, constructor, options, partsDeadline);
        if (!parts.empty() && parts.size() < blocks.size() && verifyDesign(shape, parts).met()) {
            blocks = std::move(parts);
            if (options.improved) options.improved(blocks.size());
        }
    }
    // Rows the construction does not need go at once: the search would drop them one by one,
    // looking at every row each time.
    blocks = withoutRedundantRows(shape, std::move(blocks), deadline);
    if (blocks.size() > built.lowerBound && Clock::now() < deadline) {
        SearchLimits limits = searchLimits(options, deadline, built.lowerBound);
        limits.improved = options.improved;
        blocks = shrinkDesign(shape, std::move(blocks), {}, limits);
    }
    blocks = unusedPointsFirst(shape.points, std::move(blocks));
    for (const Block block : blocks) built.rows.push_back(requestRow(request, block));
    built.proof =
        verifyRows(request.numbers, built.rows, keyMask(request), request.drawn, request.guarantee);
    return built;
}

}  // namespace lorvex::builder
