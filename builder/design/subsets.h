#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

#include "builder/design/design.h"
#include "core/maths/binomial.h"

namespace lorvex::builder {

inline constexpr int MAX_POINTS = 64;
inline constexpr int MAX_SUBSET = 8;

// Binomial coefficients C(n, r) for n < 64 and r <= 8, the ones subset ranks need.
struct BinomialTable {
    std::array<std::array<std::uint64_t, MAX_SUBSET + 1>, MAX_POINTS> value{};

    constexpr BinomialTable() {
        for (int n = 0; n < MAX_POINTS; ++n) {
            for (int r = 0; r <= MAX_SUBSET; ++r) value[n][r] = binomial(n, r);
        }
    }
};

inline constexpr BinomialTable BINOMIALS{};

// The colex rank of a set: sets of the same size are numbered 0, 1, ... in the order Gosper's
// step below visits them.
inline std::uint64_t subsetRank(Block set) {
    std::uint64_t rank = 0;
    for (int i = 1; set != 0; ++i) {
        rank += BINOMIALS.value[std::countr_zero(set)][i];
        set &= set - 1;
    }
    return rank;
}

// The set of `size` points with the given colex rank.
inline Block subsetOfRank(std::uint64_t rank, int size) {
    Block set = 0;
    int point = MAX_POINTS - 1;
    for (int i = size; i >= 1; --i) {
        while (BINOMIALS.value[point][i] > rank) --point;
        set |= Block{1} << point;
        rank -= BINOMIALS.value[point][i];
        --point;
    }
    return set;
}

// The next set of the same size in colex order (Gosper's hack).
inline Block nextSubset(Block set) {
    const Block lowest = lowestPoint(set);
    const Block ripple = set + lowest;
    return ripple | (((ripple ^ set) >> 2) / lowest);
}

// Calls visit(set) for every `size`-subset of the points 0..points-1, in colex order.
template <typename Visit>
void forEachSubset(int points, int size, Visit&& visit) {
    if (size < 0 || size > points) return;
    if (size == 0) {
        visit(Block{0});
        return;
    }
    const Block end = Block{1} << points;
    for (Block set = (Block{1} << size) - 1; set < end; set = nextSubset(set)) visit(set);
}

// Calls visit(subset) for every `size`-subset of `set`.
template <typename Visit>
void forEachSubsetOf(Block set, int size, Visit&& visit) {
    std::array<int, MAX_POINTS> members{};
    int count = 0;
    for (Block rest = set; rest != 0; rest &= rest - 1) members[count++] = std::countr_zero(rest);
    forEachSubset(count, size, [&](Block positions) {
        Block subset = 0;
        for (; positions != 0; positions &= positions - 1) {
            subset |= Block{1} << members[std::countr_zero(positions)];
        }
        visit(subset);
    });
}

inline int pointCount(Block set) {
    return std::popcount(set);
}

// Calls visit(set) for every set of `size` out of the points 0..points-1 that meets `given` in
// at least `shared` points: the draws a row reaches, or the rows that reach a draw. Sets with
// fewer points of `given` come first.
template <typename Visit>
void forEachSetMeeting(int points, Block given, int size, int shared, Visit&& visit) {
    const Block outside = pointsBelow(points) & ~given;
    const int inside = std::min(pointCount(given), size);
    for (int common = std::max(shared, 0); common <= inside; ++common) {
        forEachSubsetOf(given, common, [&](Block part) {
            forEachSubsetOf(outside, size - common, [&](Block rest) { visit(part | rest); });
        });
    }
}

// How many sets forEachSetMeeting visits for a `given` of `givenSize` points.
inline std::uint64_t setsMeeting(int points, int givenSize, int size, int shared) {
    std::uint64_t sets = 0;
    for (int common = std::max(shared, 0); common <= std::min(givenSize, size); ++common)
        sets +=
            BINOMIALS.value[givenSize][common] * BINOMIALS.value[points - givenSize][size - common];
    return sets;
}

namespace search {

// Ranks of sets of at most six points, in the colex numbering above, narrowed to 32 bits: the
// search never numbers more sets than that.
class SubsetRanks {
public:
    static constexpr int maxSize = 6;

    static std::uint32_t binom(int n, int r) { return std::uint32_t(BINOMIALS.value[n][r]); }
    static std::uint32_t rank(Block set) { return std::uint32_t(subsetRank(set)); }
    // The set of `size` points whose rank is `value`.
    static Block unrank(std::uint32_t value, int size) { return subsetOfRank(value, size); }
};

// The subsets of positions 0..n-1 (n <= 6) of each size, as bit masks over the positions.
class PositionSubsets {
public:
    constexpr PositionSubsets() {
        for (int n = 0; n <= SubsetRanks::maxSize; ++n)
            for (unsigned mask = 0; mask < (1u << n); ++mask) {
                const int size = std::popcount(mask);
                lists_[n][size][counts_[n][size]++] = std::uint8_t(mask);
            }
    }

    constexpr int count(int n, int size) const { return counts_[n][size]; }
    constexpr std::uint8_t at(int n, int size, int index) const { return lists_[n][size][index]; }

private:
    std::array<std::array<std::array<std::uint8_t, 20>, 7>, 7> lists_{};
    std::array<std::array<int, 7>, 7> counts_{};
};

inline constexpr PositionSubsets positionSubsets;

// The points of a row, lowest first, for picking its subsets by position.
struct RowPoints {
    explicit RowPoints(Block row) {
        for (; row != 0; row &= row - 1) bits[count++] = row & -row;
    }

    Block pick(std::uint8_t positions) const {
        Block set = 0;
        for (; positions != 0; positions &= std::uint8_t(positions - 1))
            set |= bits[std::countr_zero(positions)];
        return set;
    }

    std::array<Block, SubsetRanks::maxSize> bits{};
    int count = 0;
};

// Calls visit(chosen | subset) for every subset of `size` of the `count` points of `set`,
// lexicographic by point.
template <typename Visit>
void walkSubsets(Block set, int count, int size, Block chosen, Visit& visit) {
    if (size == 0) {
        visit(chosen);
        return;
    }
    for (; count >= size; --count, set = withoutLowestPoint(set))
        walkSubsets(withoutLowestPoint(set), count - 1, size - 1, chosen | lowestPoint(set), visit);
}

// Calls visit(base | subset) for every subset of `size` points of `set`: a fast walk for sets of
// up to six points, lexicographic by position; the search's order, on which its runs for a
// seed depend.
template <typename Visit>
void forEachSubsetJoined(Block set, int size, Block base, Visit&& visit) {
    const int count = std::popcount(set);
    if (count <= SubsetRanks::maxSize) {
        const RowPoints row(set);
        for (int i = 0; i < positionSubsets.count(row.count, size); ++i)
            visit(base | row.pick(positionSubsets.at(row.count, size, i)));
        return;
    }
    walkSubsets(set, count, size, base, visit);
}

}  // namespace search

}  // namespace lorvex::builder
