#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "builder/design.h"

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

// The groups whose orbits of blocks are worth trying on `points` points: cyclic groups,
// affine groups x -> a x + b over a prime field with `a` in each subgroup of the units, and
// PSL(2,q), cycles turning two or three groups of points together, each also with one to
// three points left fixed.
std::vector<PermutationGroup> candidateGroups(int points);

bool isPrime(int n);

}  // namespace lorvex::builder
