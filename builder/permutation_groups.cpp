#include "builder/permutation_groups.h"

#include <bit>

namespace lorvex::builder {

namespace {

Permutation identity() {
    Permutation permutation{};
    for (int p = 0; p < 64; ++p) permutation[p] = std::uint8_t(p);
    return permutation;
}

int power(int base, int exponent, int modulus) {
    int result = 1;
    for (int i = 0; i < exponent; ++i) result = result * base % modulus;
    return result;
}

// A generator of the multiplicative group of the prime field.
int primitiveRoot(int q) {
    for (int g = 2; g < q; ++g) {
        int order = 1;
        for (int x = g; x != 1; x = x * g % q) ++order;
        if (order == q - 1) return g;
    }
    return 1;
}

int inverse(int a, int q) {
    return power(a, q - 2, q);
}

// Z_cycle turning `copies` disjoint cycles of `cycle` points at once.
PermutationGroup parallelCycles(int cycle, int copies, int points) {
    Permutation shift = identity();
    for (int p = 0; p < cycle * copies; ++p) {
        shift[p] = std::uint8_t(p / cycle * cycle + (p % cycle + 1) % cycle);
    }
    return {points, {shift}, "Z" + std::to_string(cycle) + "x" + std::to_string(copies)};
}

PermutationGroup cyclicGroup(int cycle, int points) {
    Permutation shift = identity();
    for (int p = 0; p < cycle; ++p) shift[p] = std::uint8_t((p + 1) % cycle);
    return {points, {shift}, "Z" + std::to_string(cycle)};
}

// x -> a x + b over GF(q) with a in the subgroup of order `order` of the units.
PermutationGroup affineGroup(int q, int order, int points) {
    Permutation shift = identity();
    Permutation scale = identity();
    const int a = power(primitiveRoot(q), (q - 1) / order, q);
    for (int x = 0; x < q; ++x) {
        shift[x] = std::uint8_t((x + 1) % q);
        scale[x] = std::uint8_t(x * a % q);
    }
    return {points, {shift, scale}, "AGL(1," + std::to_string(q) + ")_" + std::to_string(order)};
}

PermutationGroup withPoints(PermutationGroup group, int points) {
    group.points = points;
    return group;
}

}  // namespace

bool isPrime(int n) {
    if (n < 2) return false;
    for (int d = 2; d * d <= n; ++d) {
        if (n % d == 0) return false;
    }
    return true;
}

Block applyPermutation(const Permutation& permutation, Block set) {
    Block image = 0;
    for (; set != 0; set &= set - 1) image |= Block{1} << permutation[std::countr_zero(set)];
    return image;
}

PermutationGroup projectiveLinearGroup(int q) {
    const int infinity = q;
    Permutation shift = identity();
    Permutation scale = identity();
    Permutation flip = identity();
    const int square = power(primitiveRoot(q), 2, q);
    for (int x = 0; x < q; ++x) {
        shift[x] = std::uint8_t((x + 1) % q);
        scale[x] = std::uint8_t(x * square % q);
        // x -> -1/x, with 0 and infinity exchanged.
        flip[x] = std::uint8_t(x == 0 ? infinity : (q - inverse(x, q)) % q);
    }
    flip[infinity] = 0;
    return {q + 1, {shift, scale, flip}, "PSL(2," + std::to_string(q) + ")"};
}

std::vector<PermutationGroup> candidateGroups(int points) {
    std::vector<PermutationGroup> groups;
    for (int fixed = 0; fixed <= 3; ++fixed) {
        const int moved = points - fixed;
        if (moved < 5) break;
        groups.push_back(cyclicGroup(moved, points));
        if (isPrime(moved)) {
            for (int order = 2; order < moved; ++order) {
                if ((moved - 1) % order == 0) groups.push_back(affineGroup(moved, order, points));
            }
        }
        for (int copies = 2; copies <= 3; ++copies) {
            if (moved % copies == 0 && moved / copies >= 4) {
                groups.push_back(parallelCycles(moved / copies, copies, points));
            }
        }
        if (fixed <= 1 && isPrime(moved - 1)) {
            groups.push_back(withPoints(projectiveLinearGroup(moved - 1), points));
        }
    }
    return groups;
}

}  // namespace lorvex::builder
