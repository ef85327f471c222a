#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "builder/design.h"
#include "core/maths/binomial.h"

namespace lorvex::builder::search {

// Subsets of at most six points numbered in colex order: a set's rank is the sum of
// binomial(p_i, i) over its points p_1 < p_2 < ... (i counted from 1), so the sets of one
// size over points 0..v-1 are numbered 0..binomial(v, size)-1 without gaps.
class SubsetRanks {
public:
    static constexpr int maxPoints = 64;
    static constexpr int maxSize = 6;

    constexpr SubsetRanks() {
        for (int n = 0; n < maxPoints; ++n)
            for (int r = 0; r <= maxSize; ++r) table_[n][r] = std::uint32_t(binomial(n, r));
    }

    constexpr std::uint32_t binom(int n, int r) const { return table_[n][r]; }

    constexpr std::uint32_t rank(Block set) const {
        std::uint32_t value = 0;
        for (int i = 1; set != 0; ++i, set &= set - 1) value += table_[std::countr_zero(set)][i];
        return value;
    }

    // The set of `size` points whose rank is `value`.
    constexpr Block unrank(std::uint32_t value, int size, int points) const {
        Block set = 0;
        int p = points - 1;
        for (int r = size; r >= 1; --r) {
            while (table_[p][r] > value) --p;
            value -= table_[p][r];
            set |= Block{1} << p;
            --p;
        }
        return set;
    }

private:
    std::array<std::array<std::uint32_t, maxSize + 1>, maxPoints> table_{};
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
