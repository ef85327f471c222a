#include "builder/systems/system_builder.h"
#include "builder/design/tuning.h"

#include <algorithm>
#include <bit>
#include <optional>

#include "builder/constructions/constructions.h"
#include "builder/design/bounds.h"
#include "builder/systems/mending_parts.h"
#include "core/maths/binomial.h"

namespace lorvex::builder {

namespace {

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
    const Block all = pointsBelow(points);
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

// The design's blocks as rows of the request, with the highest number in some row.
std::vector<Row> asRequestRows(const BuildRequest& request, const DesignShape& shape,
                               std::span<const Block> blocks) {
    std::vector<Row> rows;
    rows.reserve(blocks.size());
    for (const Block block :
         unusedPointsFirst(shape.points, std::vector<Block>(blocks.begin(), blocks.end())))
        rows.push_back(requestRow(request, block));
    return rows;
}

// The smallest design for a shape that the constructions and then the search find before the
// deadline, with no progress reports.
std::vector<Block> buildPart(const DesignShape& shape, const BuildOptions& options,
                             Deadline deadline) {
    DesignConstructor constructor(deadline.share(tuning::CONSTRUCTION_SHARE), options.seed,
                                  options.threads);
    std::vector<Block> blocks = firstValid(shape, constructor.candidates(shape)).blocks;
    const std::uint64_t bound = lowerBound(shape);
    if (blocks.size() <= bound || deadline.passed()) return blocks;
    return shrinkDesign(shape, std::move(blocks), {}, searchLimits(options, deadline, bound));
}

// The partition design again, its parts each built and shrunk on their own: they have far
// fewer draws than the whole, so the search gets much further on them in the same time.
std::vector<Block> partitionOfShrunkParts(const DesignShape& shape, DesignConstructor& constructor,
                                          const BuildOptions& options, Deadline deadline) {
    const std::optional<DesignConstructor::Split> split = constructor.bestSplit(shape);
    if (!split) return {};
    const Deadline firstDeadline = split->secondNeeded ? deadline.share(2) : deadline;
    const std::vector<Block> first = buildPart(split->first, options, firstDeadline);
    const std::vector<Block> second =
        split->secondNeeded ? buildPart(split->second, options, deadline) : std::vector<Block>{};
    return partitionUnion(shape.blockSize, split->first.points, shape.points, first, second);
}

// The earlier rows (on the system numbers) as the blocks of the request's design, where they
// are one: rows of six of its numbers, every draw met, no key numbers.
std::optional<std::vector<Block>> earlierDesign(const BuildRequest& request,
                                                std::span<const Row> earlier) {
    if (earlier.empty() || !request.keyNumbers.empty()) return std::nullopt;
    const DesignShape shape = reducedShape(request);
    std::vector<Block> blocks;
    for (const Row row : earlier) {
        if ((row.numbers & ~pointsBelow(shape.points)) != 0 ||
            std::popcount(row.numbers) != shape.blockSize)
            return std::nullopt;
        blocks.push_back(row.numbers);
    }
    if (!verifyDesign(shape, blocks).met()) return std::nullopt;
    return blocks;
}

}  // namespace

SearchLimits searchLimits(const BuildOptions& options, Deadline deadline,
                          std::uint64_t lowerBound) {
    SearchLimits limits;
    static_cast<RunLimits&>(limits) = options;
    limits.deadline = deadline;
    limits.threads = std::max(options.threads, 1);
    limits.lowerBound = lowerBound;
    return limits;
}

BuiltSystem buildSystem(const BuildRequest& request, const BuildOptions& options,
                        std::span<const Row> earlier) {
    const Deadline deadline = options.deadline;
    // Shared out at the start: the constructions (the orbit designs above all) may use half
    // the time, a partition design's parts two thirds.
    const Deadline constructionDeadline = deadline.share(tuning::CONSTRUCTION_SHARE);
    const Deadline partsDeadline = deadline.share(2, 3);
    const DesignShape shape = reducedShape(request);

    BuiltSystem built;
    built.lowerBound = lowerBound(shape);
    const auto report = [&](std::span<const Block> blocks) {
        if (options.improved) options.improved(asRequestRows(request, shape, blocks));
    };
    DesignConstructor constructor(constructionDeadline, options.seed, options.threads);
    if (options.improved) constructor.onQuickDesign(report);
    Candidate design = firstValid(shape, constructor.candidates(shape));
    report(design.blocks);

    std::vector<Block> blocks = std::move(design.blocks);
    if (design.method == PARTITION_METHOD &&
        binomial(shape.points, shape.drawSize) > tuning::PARTS_ALONE_ABOVE_DRAWS) {
        std::vector<Block> parts =
            partitionOfShrunkParts(shape, constructor, options, partsDeadline);
        if (!parts.empty() && parts.size() < blocks.size() && verifyDesign(shape, parts).met()) {
            blocks = std::move(parts);
            report(blocks);
        }
    }
    if (std::optional<std::vector<Block>> start = earlierDesign(request, earlier)) {
        built.earlierRows = start->size();
        if (start->size() < blocks.size()) {
            blocks = std::move(*start);
            built.startedFromEarlier = true;
            report(blocks);
        }
    }
    // Rows the construction does not need go at once: the search would drop them one by one,
    // looking at every row each time.
    blocks = withoutRedundantRows(shape, std::move(blocks), deadline);
    if (blocks.size() > built.lowerBound && !deadline.passed()) {
        SearchLimits limits = searchLimits(options, deadline, built.lowerBound);
        if (options.improved) limits.improved = report;
        blocks = shrinkDesign(shape, std::move(blocks), {}, limits);
    }
    built.rows = asRequestRows(request, shape, blocks);
    built.proof = verifyRows(request.numbers, numbersOf(built.rows), keyMask(request),
                             request.drawn, request.guarantee);
    return built;
}

}  // namespace lorvex::builder
