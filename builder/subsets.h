#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "builder/design.h"
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
    const Block lowest = set & (~set + 1);
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

}  // namespace lorvex::builder
