#include "builder/constructions/constructions.h"
#include "builder/design/tuning.h"

#include <algorithm>
#include <bit>

#include "builder/constructions/algebraic_designs.h"
#include "builder/design/bounds.h"
#include "builder/design/subsets.h"
#include "builder/orbits/orbit_designs.h"

namespace lorvex::builder {

namespace {

std::array<int, 4> key(const DesignShape& shape) {
    return {shape.points, shape.blockSize, shape.drawSize, shape.guarantee};
}

Block lowestPoints(int count) {
    return count <= 0 ? 0 : pointsBelow(count);
}

// Adds the lowest points outside `block` until it holds `size`.
Block fillUp(Block block, int size) {
    for (int point = 0; pointCount(block) < size; ++point) block |= Block{1} << point;
    return block;
}

DesignShape partShape(const DesignShape& shape, int points, int drawSize) {
    return {points, std::min(shape.blockSize, points), drawSize, shape.guarantee};
}

// Whether a partition design may need both its parts: some split leaves the guarantee's
// count of drawn numbers in either part. In the other shapes one part holds the guarantee
// alone, on fewer numbers with more of them drawn, and does not beat a design of its own.
bool splitsInTwo(const DesignShape& shape) {
    return shape.drawSize >= 2 * shape.guarantee - 1 && shape.drawSize > shape.guarantee;
}

// The shape on one point more, when a design for it can give one for `shape`: a partition
// design may split the larger one better.
std::optional<DesignShape> onePointMore(const DesignShape& shape) {
    if (!splitsInTwo(shape) || shape.blockSize >= shape.points ||
        BINOMIALS.value[shape.points + 1][shape.drawSize] > tuning::ONE_POINT_MORE_MAX_DRAWS) {
        return std::nullopt;
    }
    return DesignShape{shape.points + 1, shape.blockSize, shape.drawSize, shape.guarantee};
}

}  // namespace

std::optional<std::vector<Block>> singleRow(const DesignShape& shape) {
    if (shape.guarantee > 0 && shape.drawSize + shape.blockSize - shape.points < shape.guarantee) {
        return std::nullopt;
    }
    return std::vector<Block>{lowestPoints(shape.blockSize)};
}

std::vector<Block> recursiveUnion(int points, const std::vector<Block>& withoutLast,
                                  const std::vector<Block>& throughLast) {
    std::vector<Block> blocks = withoutLast;
    const Block last = Block{1} << (points - 1);
    for (const Block block : throughLast) blocks.push_back(block | last);
    return blocks;
}

std::vector<Block> partitionUnion(int blockSize, int firstPoints, int points,
                                  const std::vector<Block>& first,
                                  const std::vector<Block>& second) {
    std::vector<Block> blocks;
    for (const Block block : first) blocks.push_back(fillUp(block, blockSize));
    const Block firstGroup = lowestPoints(firstPoints);
    for (const Block block : second) {
        Block shifted = block << firstPoints;
        // Filled up from the first group's lowest points, never from the second's.
        for (int point = 0; pointCount(shifted) < blockSize && point < points; ++point) {
            if (firstGroup & (Block{1} << point)) shifted |= Block{1} << point;
        }
        blocks.push_back(shifted);
    }
    return blocks;
}

std::vector<Block> withoutLastPoint(int points, std::vector<Block> blocks) {
    const Block last = Block{1} << (points - 1);
    for (Block& block : blocks) {
        if (!(block & last)) continue;
        block &= ~last;
        block |= Block{1} << std::countr_one(block);
    }
    return blocks;
}

std::optional<std::vector<Block>> DesignConstructor::recursive(const DesignShape& shape) {
    const auto [v, k, m, t] = shape;
    if (v - 1 < k || m > v - 1 || k < 1 || t < 1) return std::nullopt;
    const std::vector<Block> withoutLast = best({v - 1, k, m, t});
    const std::vector<Block> throughLast = best({v - 1, k - 1, m - 1, t - 1});
    return recursiveUnion(v, withoutLast, throughLast);
}

std::vector<DesignConstructor::Split> DesignConstructor::splitsOf(const DesignShape& shape) const {
    const auto [v, k, m, t] = shape;
    std::vector<Split> splits;
    for (int firstPoints = 1; firstPoints < v; ++firstPoints) {
        const int secondPoints = v - firstPoints;
        for (int firstDraw = std::max(t, 1); firstDraw <= std::min(m, firstPoints); ++firstDraw) {
            const int secondDraw = m + 1 - firstDraw;
            const bool secondNeeded = secondDraw <= secondPoints;
            if (secondNeeded && secondDraw < t) continue;
            splits.push_back({partShape(shape, firstPoints, firstDraw),
                              partShape(shape, secondPoints, secondDraw), secondNeeded});
        }
    }
    return splits;
}

std::optional<DesignConstructor::Split> DesignConstructor::bestSplit(const DesignShape& shape) {
    std::optional<Split> chosen;
    std::size_t chosenSize = SIZE_MAX;
    for (const Split& split : splitsOf(shape)) {
        std::size_t size = best(split.first).size();
        if (split.secondNeeded) size += best(split.second).size();
        if (size < chosenSize) {
            chosenSize = size;
            chosen = split;
        }
    }
    return chosen;
}

void DesignConstructor::searchParts(const DesignShape& shape, DesignConstructor& quick,
                                    Deadline deadline) {
    std::vector<std::pair<std::size_t, Split>> ranked;
    for (const Split& split : splitsOf(shape)) {
        std::size_t size = quick.best(split.first).size();
        if (split.secondNeeded) size += quick.best(split.second).size();
        ranked.emplace_back(size, split);
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    ranked.resize(std::min(ranked.size(), tuning::PART_SEARCH_SPLITS));
    std::vector<DesignShape> parts;
    const auto list = [&](const DesignShape& part) {
        const bool listed = std::any_of(parts.begin(), parts.end(),
                                        [&](const DesignShape& p) { return key(p) == key(part); });
        if (!listed && !best_.contains(key(part))) parts.push_back(part);
    };
    for (const auto& [size, split] : ranked) {
        list(split.first);
        if (split.secondNeeded) list(split.second);
    }
    for (std::size_t i = 0; i < parts.size() && !deadline.passed(); ++i) {
        const DesignShape& part = parts[i];
        std::vector<Block> blocks = quick.best(part);
        const std::uint64_t bound = lowerBound(part);
        if (blocks.size() > bound &&
            BINOMIALS.value[part.points][part.drawSize] <= tuning::PART_SEARCH_MAX_DRAWS) {
            // Half the part's time for an orbit design, the rest for the search from the
            // smaller start.
            const Deadline partDeadline = deadline.share(int(parts.size() - i));
            std::vector<Block> orbits =
                bestOrbitDesign(part, partDeadline.share(2), seed_, threads_);
            if (!orbits.empty() && orbits.size() < blocks.size()) blocks = std::move(orbits);
            SearchLimits limits;
            limits.deadline = partDeadline;
            limits.seed = seed_;
            limits.threads = threads_;
            limits.lowerBound = bound;
            if (blocks.size() > bound) blocks = shrinkDesign(part, std::move(blocks), {}, limits);
        }
        best_[key(part)] = std::move(blocks);
    }
}

std::optional<std::vector<Block>> DesignConstructor::partition(const DesignShape& shape) {
    const std::optional<Split> split = bestSplit(shape);
    if (!split) return std::nullopt;
    const std::vector<Block> none;
    return partitionUnion(shape.blockSize, split->first.points, shape.points, best(split->first),
                          split->secondNeeded ? best(split->second) : none);
}

std::vector<Candidate> DesignConstructor::candidates(const DesignShape& shape) {
    // Orbit designs take their time; none is needed when the other constructions, without
    // them, already meet the lower bound.
    if (!orbitDeadline_.passed()) {
        DesignConstructor withoutOrbits(Deadline{}, seed_);
        std::vector<Candidate> quick = withoutOrbits.candidates(shape);
        if (quickDesign_) quickDesign_(quick.front().blocks);
        if (quick.front().blocks.size() <= lowerBound(shape)) return quick;
        if (splitsInTwo(shape)) {
            const Deadline partsDeadline = orbitDeadline_.share(tuning::PART_SEARCH_SHARE);
            searchParts(shape, withoutOrbits, partsDeadline.share(2, 3));
            if (const auto larger = onePointMore(shape))
                searchParts(*larger, withoutOrbits, partsDeadline);
        }
    }
    std::vector<Candidate> found = candidatesUntil(shape, orbitDeadline_);
    if (const auto larger = onePointMore(shape)) {
        std::vector<Block> fewer = withoutLastPoint(larger->points, best(*larger));
        if (fewer.size() < found.front().blocks.size())
            found.insert(found.begin(), {"aus einer Zahl mehr", std::move(fewer)});
    }
    return found;
}

std::vector<Candidate> DesignConstructor::candidatesUntil(const DesignShape& shape,
                                                          Deadline orbitDeadline) {
    std::vector<Candidate> found;
    if (std::optional<std::vector<Block>> row = singleRow(shape)) {
        found.push_back({"eine Reihe", std::move(*row)});
        return found;
    }
    if (!orbitDeadline.passed()) {
        std::vector<Block> orbits = bestOrbitDesign(shape, orbitDeadline, seed_, threads_);
        if (!orbits.empty()) found.push_back({"Bahnen einer Gruppe", std::move(orbits)});
    }
    if (std::optional<std::vector<Block>> design = algebraicDesign(shape)) {
        found.push_back({"algebraisch", std::move(*design)});
    }
    if (std::optional<std::vector<Block>> design = recursive(shape)) {
        found.push_back({"rekursiv", std::move(*design)});
    }
    if (std::optional<std::vector<Block>> design = partition(shape)) {
        found.push_back({std::string(PARTITION_METHOD), std::move(*design)});
    }
    std::stable_sort(found.begin(), found.end(), [](const Candidate& a, const Candidate& b) {
        return a.blocks.size() < b.blocks.size();
    });
    return found;
}

const std::vector<Block>& DesignConstructor::best(const DesignShape& shape) {
    if (const auto known = best_.find(key(shape)); known != best_.end()) return known->second;
    // Smaller shapes get orbit designs only briefly: there are many of them.
    const Deadline orbitDeadline = orbitDeadline_.atMost(Deadline::in(tuning::PART_ORBIT_TIME));
    std::vector<Candidate> found = candidatesUntil(shape, orbitDeadline);
    return best_[key(shape)] = std::move(found.front().blocks);
}

}  // namespace lorvex::builder
