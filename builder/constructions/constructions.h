#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "builder/design/design.h"

namespace lorvex::builder {

// One row suffices when every draw meets every row in `guarantee` points already:
// m + k - v >= t (or when nothing at all is guaranteed).
std::optional<std::vector<Block>> singleRow(const DesignShape& shape);

// C(v,k,t) <= C(v-1,k,t) + C(v-1,k-1,t-1), for lotto designs too: draws without the last
// point are met by the first design, draws with it by the second plus that point.
std::vector<Block> recursiveUnion(int points, const std::vector<Block>& withoutLast,
                                  const std::vector<Block>& throughLast);

// L(v1+v2,k,p1+p2-1,t) <= L(v1,k,p1,t) + L(v2,k,p2,t): a draw holds p1 points of the first
// group or p2 of the second. The second group's points follow the first's; rows of a group
// smaller than k are filled up with the lowest points outside it.
std::vector<Block> partitionUnion(int blockSize, int firstPoints, int points,
                                  const std::vector<Block>& first,
                                  const std::vector<Block>& second);

// The design on one point fewer: in each block that holds the last point, the lowest point
// the block lacks takes its place. A draw without the last point met some block in `guarantee`
// points, and still does; so V points never need more blocks than V + 1.
std::vector<Block> withoutLastPoint(int points, std::vector<Block> blocks);

inline constexpr std::string_view PARTITION_METHOD = "Zerlegung";

// A candidate design for a shape and the construction that gave it.
struct Candidate {
    std::string method;
    std::vector<Block> blocks;
};

// The constructions applied to a shape and, through the recursive and the partition
// construction, to smaller shapes, each remembered by shape. Orbit designs are tried until
// `orbitDeadline`; the top shape gets them first.
class DesignConstructor {
public:
    DesignConstructor(Deadline orbitDeadline, std::uint64_t seed, int threads = 1)
        : orbitDeadline_(orbitDeadline), seed_(seed), threads_(threads) {}

    // Every construction's design for the shape, smallest first.
    std::vector<Candidate> candidates(const DesignShape& shape);
    // Told the smallest design of the quick constructions as soon as it is known, before the
    // orbit designs take their time: a build cancelled then still has a system.
    void onQuickDesign(std::function<void(std::span<const Block> blocks)> report) {
        quickDesign_ = std::move(report);
    }
    // The smallest design the constructions give.
    const std::vector<Block>& best(const DesignShape& shape);

    // The split of the points into two groups, each with the draws it must meet, that gives
    // the smallest partition design; nothing when no split applies. The second part is not
    // needed when every draw holds enough points of the first group.
    struct Split {
        DesignShape first, second;
        bool secondNeeded = true;
    };
    std::optional<Split> bestSplit(const DesignShape& shape);

    // Before the orbit designs take their time: the parts of the partition designs that
    // `quick` (a constructor without orbit designs) finds smallest, each shrunk by the search
    // within its share of the time to `deadline`, become the parts best() gives. The best
    // published lotto designs are mostly made of such parts.
    void searchParts(const DesignShape& shape, DesignConstructor& quick, Deadline deadline);

private:
    std::vector<Split> splitsOf(const DesignShape& shape) const;
    std::vector<Candidate> candidatesUntil(const DesignShape& shape, Deadline orbitDeadline);
    std::optional<std::vector<Block>> recursive(const DesignShape& shape);
    std::optional<std::vector<Block>> partition(const DesignShape& shape);

    Deadline orbitDeadline_;
    std::uint64_t seed_;
    int threads_;
    std::map<std::array<int, 4>, std::vector<Block>> best_;
    std::function<void(std::span<const Block> blocks)> quickDesign_;
};

}  // namespace lorvex::builder
