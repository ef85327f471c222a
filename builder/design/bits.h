#pragma once

#include <bit>
#include <cstdint>

// On the x86-64 baseline std::popcount is a call into libgcc. A function marked so comes
// twice, once with the POPCNT instruction, and the loader picks that one where the processor
// has it (all but the oldest x86-64 processors).
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define LORVEX_WITH_POPCNT __attribute__((target_clones("popcnt", "default")))
#else
#define LORVEX_WITH_POPCNT
#endif

// A set of points as the bits of a 64-bit word: a row, a draw, a subset.
namespace lorvex::builder {

// A row as a set of points 0..63: bit p set means point p stands in the row.
using Block = std::uint64_t;

// The points 0..points-1; all 64 for 64 (where a shift by 64 would be undefined).
constexpr Block pointsBelow(int points) {
    return points >= 64 ? ~Block{0} : (Block{1} << points) - 1;
}

// The lowest point of a set as a set of one point; nothing for nothing.
constexpr Block lowestPoint(Block set) {
    return set & (~set + 1);
}

// The set less its lowest point.
constexpr Block withoutLowestPoint(Block set) {
    return set & (set - 1);
}

static_assert(pointsBelow(0) == 0 && pointsBelow(3) == 0b111 && pointsBelow(64) == ~Block{0});
static_assert(lowestPoint(0b10100) == 0b100 && lowestPoint(0) == 0);
static_assert(lowestPoint(Block{1} << 63) == Block{1} << 63);
static_assert(withoutLowestPoint(0b10100) == 0b10000 && withoutLowestPoint(0) == 0);
static_assert((lowestPoint(0b1011000) | withoutLowestPoint(0b1011000)) == 0b1011000);
static_assert(std::popcount(withoutLowestPoint(0b111)) == 2);

}  // namespace lorvex::builder
