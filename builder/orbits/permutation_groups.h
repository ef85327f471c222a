#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "builder/design/design.h"

namespace lorvex::builder {

using Permutation = std::array<std::uint8_t, 64>;

// A group acting on the points 0..points-1, given by generators.
struct PermutationGroup {
    int points = 0;
    std::vector<Permutation> generators;
    std::string name;  // e.g. "PSL(2,11)", for tests and diagnostics
};

Block applyPermutation(const Permutation& permutation, Block set);

// PSL(2,q) for a prime q on the projective line 0..q-1 and infinity = q, on q + 1 points.
PermutationGroup projectiveLinearGroup(int q);

// The groups whose orbits of blocks are worth trying on `points` points: if asked, the small
// ones, up to six cycles of two to six points each with at least four points fixed; x -> a x + b on
// Z_n for each cyclic group of units a (a = 1: the cyclic group), also turning two or three cycles
// of n points at once, each with up to three points left fixed; PSL(2,q); and the translations of
// GF(q) for q = 8, 9, 16, 25, 27, 32 and 49, with multiplication by each group of units, with up to
// six points fixed.
std::vector<PermutationGroup> candidateGroups(int points, bool withSmallGroups);

// Groups of one permutation turning cycles of two lengths at once (3 and 2, 4 and 3, 6 and 4
// points), six points or more in cycles of each length, at most three points fixed. Their
// orbits keep two parts of the numbers apart; four 3-cycles and four 2-cycles give 20 numbers
// "4 wenn 6" in 59 rows.
std::vector<PermutationGroup> twoLengthGroups(int points);

// Three cycles of three points turned at once, the other points fixed: on more points than the
// small groups race on, its orbit designs beat the race's for draws of four numbers ("3 wenn 4"
// on 23 to 25 numbers: 55, 62 and 71 rows against 55 to 58, 64 and 75).
PermutationGroup threeTripleTurn(int points);

bool isPrime(int n);

}  // namespace lorvex::builder
