#include "builder/systems/system_mending.h"
#include "builder/design/tuning.h"

#include <algorithm>
#include <bit>

#include "builder/design/bounds.h"
#include "builder/design/subsets.h"
#include "builder/systems/mending_parts.h"
#include "core/text/conversions.h"

namespace lorvex::builder {

namespace {

Block allPoints(const DesignShape& shape) {
    return pointsBelow(shape.points);
}

// Calls visit(draw) for every draw of the shape that meets `block` in `guarantee` points or more.
template <typename Visit>
void forEachDrawMet(const DesignShape& shape, Block block, Visit&& visit) {
    forEachSetMeeting(shape.points, block, shape.drawSize, shape.guarantee, visit);
}

// How many draws one block meets in `guarantee` points or more.
std::uint64_t reach(const DesignShape& shape) {
    return setsMeeting(shape.points, shape.blockSize, shape.drawSize, shape.guarantee);
}

bool meets(const DesignShape& shape, Block block, Block draw) {
    return std::popcount(block & draw) >= shape.guarantee;
}

// How many of the holes a partial row can still reach: those it meets in all its points
// while it has fewer than `guarantee`, then those it meets in `guarantee` points.
std::size_t partialScore(const DesignShape& shape, Block partial, std::span<const Block> holes) {
    const int size = std::popcount(partial);
    const int needed = std::min(size, shape.guarantee);
    std::size_t score = 0;
    for (const Block hole : holes) score += std::popcount(partial & hole) >= needed;
    return score;
}

// A row grown from a hole: `guarantee` of its points, then the points that let the row reach
// the most holes.
Block rowFromHole(const DesignShape& shape, Block seed, std::span<const Block> holes) {
    Block row = 0;
    while (std::popcount(row) < shape.blockSize) {
        const bool inSeed = std::popcount(row) < shape.guarantee;
        const Block choices = (inSeed ? seed : allPoints(shape)) & ~row;
        Block bestPoint = lowestPoint(choices);
        std::size_t bestScore = 0;
        for (Block rest = choices; rest != 0; rest = withoutLowestPoint(rest)) {
            const Block point = lowestPoint(rest);
            const std::size_t score = partialScore(shape, row | point, holes);
            if (score > bestScore) {
                bestScore = score;
                bestPoint = point;
            }
        }
        row |= bestPoint;
    }
    return row;
}

// The row with single points exchanged while that reaches more of the holes.
Block polished(const DesignShape& shape, Block row, std::span<const Block> holes) {
    std::size_t score = partialScore(shape, row, holes);
    for (bool better = true; better;) {
        better = false;
        for (Block out = row; out != 0 && !better; out = withoutLowestPoint(out)) {
            const Block kept = row & ~lowestPoint(out);
            for (Block in = allPoints(shape) & ~row; in != 0 && !better;
                 in = withoutLowestPoint(in)) {
                const Block candidate = kept | lowestPoint(in);
                const std::size_t candidateScore = partialScore(shape, candidate, holes);
                if (candidateScore <= score) continue;
                row = candidate;
                score = candidateScore;
                better = true;
            }
        }
    }
    return row;
}

// Holes spread evenly over the list (which runs in colex order), at most `count`.
std::vector<Block> spreadSample(std::span<const Block> holes, std::size_t count) {
    if (holes.size() <= count) return {holes.begin(), holes.end()};
    std::vector<Block> sample;
    sample.reserve(count);
    for (std::size_t i = 0; i < count; ++i) sample.push_back(holes[i * holes.size() / count]);
    return sample;
}

// Rows that close every hole, each the best of rows grown from a few holes and then polished,
// all scored on a sample of the holes left (which holds the first, so each row closes one).
std::vector<Block> greedyHoleRows(const DesignShape& shape, std::vector<Block> holes,
                                  Deadline deadline) {
    std::vector<Block> rows;
    while (!holes.empty()) {
        const tuning::GreedyEffort effort = deadline.passed() ? tuning::QUICK : tuning::THOROUGH;
        const std::vector<Block> sample = spreadSample(holes, effort.scoredHoles);
        Block best = 0;
        std::size_t bestScore = 0;
        for (std::size_t seed = 0; seed < std::min(effort.seeds, sample.size()); ++seed) {
            const Block row =
                rowFromHole(shape, sample[seed * sample.size() / effort.seeds], sample);
            const std::size_t score = partialScore(shape, row, sample);
            if (seed > 0 && score <= bestScore) continue;
            bestScore = score;
            best = row;
        }
        best = polished(shape, best, sample);
        rows.push_back(best);
        std::erase_if(holes, [&](Block hole) { return meets(shape, best, hole); });
    }
    return rows;
}

// The `count` blocks that alone (with `fixed`) meet the most draws, the others dropped together.
std::vector<Block> mostNeeded(const DesignShape& shape, std::vector<Block> blocks,
                              std::span<const Block> fixed, std::size_t count) {
    std::vector<std::uint16_t> rowsMeeting(BINOMIALS.value[shape.points][shape.drawSize], 0);
    std::vector<Block> all(fixed.begin(), fixed.end());
    all.insert(all.end(), blocks.begin(), blocks.end());
    for (const Block block : all) {
        forEachDrawMet(shape, block, [&](Block draw) {
            std::uint16_t& rows = rowsMeeting[subsetRank(draw)];
            rows = std::uint16_t(std::min(rows + 1, 2));
        });
    }
    std::vector<std::pair<std::uint64_t, Block>> byLoss;
    for (const Block block : blocks) {
        std::uint64_t alone = 0;
        forEachDrawMet(shape, block,
                       [&](Block draw) { alone += rowsMeeting[subsetRank(draw)] == 1; });
        byLoss.emplace_back(alone, block);
    }
    std::stable_sort(byLoss.begin(), byLoss.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    blocks.resize(std::min(count, blocks.size()));
    for (std::size_t i = 0; i < blocks.size(); ++i) blocks[i] = byLoss[i].second;
    return blocks;
}

Verification verifyRequest(const BuildRequest& request, std::span<const Row> rows) {
    return verifyRows(request.numbers, numbersOf(rows), keyMask(request), request.drawn,
                      request.guarantee);
}

// The result of a search on reduced blocks, written back with the key numbers and proven: the
// given rows that stay in their order, then the new ones.
void finish(MendedSystem& mended, const BuildRequest& request, std::span<const Row> given,
            std::span<const Block> blocks, bool keepGiven) {
    std::vector<Row> result;
    for (const Block block : blocks) result.push_back(requestRow(request, block));
    mended.rows.clear();
    for (const Row row : given) {
        const auto found = std::find(result.begin(), result.end(), row);
        if (!keepGiven && found == result.end()) continue;
        mended.rows.push_back(row);
        if (found != result.end()) result.erase(found);
    }
    mended.newRows = result.size();
    mended.rows.insert(mended.rows.end(), result.begin(), result.end());
    mended.proof = verifyRequest(request, mended.rows);
}

// A valid design (besides `fixed`) made as small as the search finds, or, when it stays above
// `rowsAtMost`, the design of that many rows leaving the fewest draws without the guarantee.
std::vector<Block> smallestWithin(const DesignShape& shape, std::vector<Block> blocks,
                                  std::span<const Block> fixed, std::uint64_t bound,
                                  std::size_t rowsAtMost, const BuildOptions& options,
                                  Deadline deadline) {
    if (blocks.size() > bound && bound <= rowsAtMost && !deadline.passed()) {
        // Over the budget, half the time goes to fitting it with the guarantee, half to the
        // most draws without it.
        const bool over = blocks.size() > rowsAtMost;
        const Deadline end = over ? deadline.share(2) : deadline;
        blocks = shrinkDesign(shape, std::move(blocks), fixed,
                              searchLimits(options, end, over ? rowsAtMost : bound));
    }
    if (blocks.size() <= rowsAtMost) return blocks;
    return fewestMissed(shape, rowsAtMost, blocks, fixed, searchLimits(options, deadline, 0));
}

}  // namespace

// The draws of the shape that no block meets in `guarantee` points. Where the blocks reach
// fewer draws than there are guarantee-sets in all draws, each block marks the draws it meets;
// otherwise a bitmap of the guarantee-sets inside some block is looked up for every draw.
std::vector<Block> holesOf(const DesignShape& shape, std::span<const Block> blocks) {
    if (shape.guarantee <= 0) {
        if (!blocks.empty()) return {};
        return {(Block{1} << shape.drawSize) - 1};
    }
    const std::uint64_t draws = BINOMIALS.value[shape.points][shape.drawSize];
    std::vector<Block> holes;
    if (reach(shape) * blocks.size() < draws * BINOMIALS.value[shape.drawSize][shape.guarantee]) {
        std::vector<bool> met(draws, false);
        for (const Block block : blocks) {
            forEachDrawMet(shape, block, [&](Block draw) { met[subsetRank(draw)] = true; });
        }
        std::uint64_t rank = 0;
        forEachSubset(shape.points, shape.drawSize, [&](Block draw) {
            if (!met[rank++]) holes.push_back(draw);
        });
        return holes;
    }
    std::vector<bool> covered(BINOMIALS.value[shape.points][shape.guarantee], false);
    for (const Block block : blocks) {
        forEachSubsetOf(block, shape.guarantee,
                        [&](Block set) { covered[subsetRank(set)] = true; });
    }
    forEachSubset(shape.points, shape.drawSize, [&](Block draw) {
        bool met = false;
        forEachSubsetOf(draw, shape.guarantee,
                        [&](Block set) { met = met || covered[subsetRank(set)]; });
        if (!met) holes.push_back(draw);
    });
    return holes;
}

// No row can close two holes that share fewer than 2t - k points, so holes that pairwise do
// so each need a row of their own; and no row closes more holes than it meets draws.
std::uint64_t addedRowsBound(const DesignShape& shape, std::span<const Block> holes) {
    if (holes.empty()) return 0;
    const std::uint64_t perRow = std::max<std::uint64_t>(1, reach(shape));
    const std::uint64_t counting = (holes.size() + perRow - 1) / perRow;
    const int apart = 2 * shape.guarantee - shape.blockSize;
    std::vector<Block> separate;
    std::uint64_t comparisons = 0;
    for (const Block hole : holes) {
        if (comparisons > tuning::BOUND_COMPARISONS) break;
        comparisons += separate.size();
        const bool alone = std::all_of(separate.begin(), separate.end(), [&](Block other) {
            return std::popcount(hole & other) < apart;
        });
        if (alone) separate.push_back(hole);
    }
    return std::max<std::uint64_t>(counting, separate.size());
}

// The blocks less those that every draw they reach can spare, the most redundant tried first
// where ordering them is cheap. Past the deadline the blocks not yet tried are kept.
std::vector<Block> withoutRedundantRows(const DesignShape& shape, std::vector<Block> blocks,
                                        Deadline deadline) {
    const std::uint64_t work = reach(shape) * blocks.size();
    if (work > tuning::REMOVAL_WORK || shape.guarantee <= 0) return blocks;
    std::vector<std::uint16_t> rowsMeeting(BINOMIALS.value[shape.points][shape.drawSize], 0);
    for (const Block block : blocks) {
        forEachDrawMet(shape, block, [&](Block draw) { ++rowsMeeting[subsetRank(draw)]; });
    }
    if (work <= tuning::ORDERING_WORK) {
        std::vector<std::pair<std::uint64_t, Block>> byRedundancy;
        for (const Block block : blocks) {
            std::uint64_t shared = 0;
            forEachDrawMet(shape, block,
                           [&](Block draw) { shared += rowsMeeting[subsetRank(draw)]; });
            byRedundancy.emplace_back(shared, block);
        }
        std::stable_sort(byRedundancy.begin(), byRedundancy.end(),
                         [](const auto& a, const auto& b) { return a.first > b.first; });
        for (std::size_t i = 0; i < blocks.size(); ++i) blocks[i] = byRedundancy[i].second;
    }
    std::vector<Block> kept;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        if (deadline.passed()) {
            kept.insert(kept.end(), blocks.begin() + std::ptrdiff_t(i), blocks.end());
            break;
        }
        bool needed = false;
        forEachDrawMet(shape, blocks[i],
                       [&](Block draw) { needed = needed || rowsMeeting[subsetRank(draw)] < 2; });
        if (needed) {
            kept.push_back(blocks[i]);
            continue;
        }
        forEachDrawMet(shape, blocks[i], [&](Block draw) { --rowsMeeting[subsetRank(draw)]; });
    }
    return kept;
}

Block reducedRow(const BuildRequest& request, Row row) {
    const Block keys = keyMask(request);
    Block reduced = 0;
    int point = 0;
    for (int number = 1; number <= request.numbers; ++number) {
        const Block bit = Block{1} << (number - 1);
        if (keys & bit) continue;
        if (row.numbers & bit) reduced |= Block{1} << point;
        ++point;
    }
    return reduced;
}

std::vector<Block> fewestMissed(const DesignShape& shape, std::size_t rows,
                                std::span<const Block> start, std::span<const Block> fixed,
                                const SearchLimits& limits) {
    if (rows == 0) return {};
    // However short the time, the search makes one start, so `rows` rows come back.
    SearchLimits atLeastOneStart = limits;
    atLeastOneStart.deadline = limits.deadline.atLeast(std::chrono::milliseconds(100));
    // The search drops a start's surplus rows one by one, looking at the draws of a sample of
    // rows each time and not at the clock: where that is long, they go here at once.
    std::vector<Block> kept(start.begin(), start.end());
    if (start.size() > rows && reach(shape) * (start.size() - rows) > tuning::DROPPING_WORK) {
        kept = mostNeeded(shape, std::move(kept), fixed, rows);
    }
    std::vector<Block> blocks = bestWithRows(shape, rows, kept, fixed, atLeastOneStart).blocks;
    if (blocks.empty()) blocks.assign(kept.begin(), kept.begin() + std::min(rows, kept.size()));
    return blocks;
}

std::optional<std::string> mendingProblem(const BuildRequest& request, std::span<const Row> rows) {
    const Block keys = keyMask(request);
    const Block numbers = pointsBelow(request.numbers);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string row = "Die Reihe " + FormatInteger(std::int64_t(i + 1));
        const Block held = rows[i].numbers;
        if (std::popcount(held) != ROW_SIZE) return row + " hat nicht sechs verschiedene Zahlen.";
        if (held & ~numbers) {
            return row + " hat eine Zahl über " + FormatInteger(request.numbers) + ".";
        }
        if ((held & keys) != keys) return row + " enthält nicht alle Bankzahlen.";
    }
    return std::nullopt;
}

MendedSystem plugSystem(const BuildRequest& request, std::span<const Row> rows,
                        const BuildOptions& options, std::size_t rowsAtMost) {
    const Deadline deadline = options.deadline;
    const DesignShape shape = reducedShape(request);
    MendedSystem mended;
    mended.givenRows = rows.size();
    std::vector<Block> fixed;
    for (const Row row : rows) fixed.push_back(reducedRow(request, row));

    const std::vector<Block> holes = holesOf(shape, fixed);
    mended.given = {BINOMIALS.value[shape.points][shape.drawSize], holes.size()};
    mended.addedLowerBound = addedRowsBound(shape, holes);
    const std::size_t allowed = rowsAtMost - std::min(rowsAtMost, rows.size());
    // A third of the time left for thorough greedy rows; where they need more rows than the
    // bound, a sixth of the rest for a system built from nothing, which the greedy rows may not
    // beat when the given rows close few draws; the search gets the rest.
    std::vector<Block> added = greedyHoleRows(shape, holes, deadline.share(3));
    if (added.size() > mended.addedLowerBound) {
        BuildOptions fresh = options;
        fresh.deadline = deadline.share(6);
        fresh.improved = nullptr;
        const BuiltSystem built = buildSystem(request, fresh);
        if (built.proof.met() && built.rows.size() < added.size()) {
            added.clear();
            for (const Row row : built.rows) added.push_back(reducedRow(request, row));
        }
    }
    added = smallestWithin(shape, std::move(added), fixed, mended.addedLowerBound, allowed, options,
                           deadline);
    finish(mended, request, rows, added, true);
    return mended;
}

MendedSystem trimSystem(const BuildRequest& request, std::span<const Row> rows,
                        const BuildOptions& options, std::size_t rowsAtMost, Trimming trimming) {
    const Deadline deadline = options.deadline;
    const DesignShape shape = reducedShape(request);
    MendedSystem mended;
    mended.givenRows = rows.size();
    mended.given = verifyRequest(request, rows);
    mended.rows.assign(rows.begin(), rows.end());
    mended.proof = mended.given;
    if (!mended.given.met()) return mended;

    std::vector<Block> blocks;
    for (const Row row : rows) blocks.push_back(reducedRow(request, row));
    blocks = withoutRedundantRows(shape, std::move(blocks), deadline);
    if (trimming == Trimming::MayExchange) {
        blocks = smallestWithin(shape, std::move(blocks), {}, lowerBound(shape), rowsAtMost,
                                options, deadline);
    } else if (blocks.size() > rowsAtMost) {
        blocks = mostNeeded(shape, std::move(blocks), {}, rowsAtMost);
    }
    finish(mended, request, rows, blocks, false);
    return mended;
}

}  // namespace lorvex::builder
