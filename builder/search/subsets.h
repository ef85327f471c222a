#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "builder/design.h"
#include "builder/subsets.h"

namespace lorvex::builder::search {

// Ranks of sets of at most six points, in the colex numbering of builder/subsets.h, narrowed
// to 32 bits: the search never numbers more sets than that.
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

// Calls visit(subset) for every subset of `size` points of `set`, each joined with `base`.
template <typename Visit>
void forEachSubset(Block set, int size, Block base, Visit&& visit) {
    if (std::popcount(set) <= SubsetRanks::maxSize) {
        const RowPoints row(set);
        for (int i = 0; i < positionSubsets.count(row.count, size); ++i)
            visit(base | row.pick(positionSubsets.at(row.count, size, i)));
        return;
    }
    std::array<int, 64> points{};
    int count = 0;
    for (Block rest = set; rest != 0; rest &= rest - 1) points[count++] = std::countr_zero(rest);
    if (size > count) return;
    if (size == 0) {
        visit(base);
        return;
    }
    std::array<int, SubsetRanks::maxSize> index{};
    std::array<Block, SubsetRanks::maxSize + 1> partial{};
    partial[0] = base;
    // Iterative lexicographic walk over index[0] < index[1] < ... < index[size-1].
    int level = 0;
    index[0] = 0;
    while (level >= 0) {
        if (index[level] > count - (size - level)) {
            --level;
            if (level >= 0) ++index[level];
            continue;
        }
        partial[level + 1] = partial[level] | (Block{1} << points[index[level]]);
        if (level == size - 1) {
            visit(partial[size]);
            ++index[level];
            continue;
        }
        ++level;
        index[level] = index[level - 1] + 1;
    }
}

}  // namespace lorvex::builder::search
