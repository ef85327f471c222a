#include "builder/orbits/permutation_groups.h"

#include <algorithm>
#include <array>
#include <bit>
#include <numeric>
#include <utility>

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

// x -> a x + b on Z_n, acting on `copies` disjoint cycles of n points at once; with a = 1 the
// cyclic group turning them.
PermutationGroup affineGroup(int n, int copies, int a, int points) {
    Permutation shift = identity();
    Permutation scale = identity();
    for (int p = 0; p < n * copies; ++p) {
        const int base = p / n * n;
        shift[p] = std::uint8_t(base + (p % n + 1) % n);
        scale[p] = std::uint8_t(base + p % n * a % n);
    }
    std::string name = "Z" + std::to_string(n);
    if (copies > 1) name += "x" + std::to_string(copies);
    if (a == 1) return {points, {shift}, name};
    return {points, {shift, scale}, name + ":" + std::to_string(a)};
}

// One unit for each cyclic group of units mod n, 1 for the trivial one first.
std::vector<int> unitGroupGenerators(int n) {
    std::vector<int> generators;
    std::vector<std::uint64_t> seen;  // each group as the bit set of its members
    for (int a = 1; a < n; ++a) {
        if (std::gcd(a, n) != 1) continue;
        std::uint64_t members = 0;
        int x = 1;
        do {
            members |= std::uint64_t{1} << x;
            x = x * a % n;
        } while (x != 1);
        if (std::find(seen.begin(), seen.end(), members) != seen.end()) continue;
        seen.push_back(members);
        generators.push_back(a);
    }
    return generators;
}

// GF(p^k), its elements numbered by their coefficients in base p, with the powers of a
// primitive element: x modulo the first monic polynomial of degree k of which x generates
// every unit.
class PrimePowerField {
public:
    PrimePowerField(int prime, int degree) : p_(prime), size_(1) {
        for (int i = 0; i < degree; ++i) size_ *= p_;
        for (int modulus = 0; modulus < size_; ++modulus) {
            if (powersOfX(modulus)) return;
        }
    }

    int prime() const { return p_; }
    int size() const { return size_; }
    int sum(int a, int b) const {
        int result = 0;
        for (int place = 1; place < size_; place *= p_)
            result += (a / place % p_ + b / place % p_) % p_ * place;
        return result;
    }
    int product(int a, int b) const {
        if (a == 0 || b == 0) return 0;
        return powers_[std::size_t((logarithm_[std::size_t(a)] + logarithm_[std::size_t(b)]) %
                                   (size_ - 1))];
    }
    // The unit generating the units' subgroup of `order` elements.
    int unitOfOrder(int order) const { return powers_[std::size_t((size_ - 1) / order)]; }

private:
    // Whether x generates the units modulo x^k + `modulus` (the lower coefficients in base
    // p); if so, keeps its powers.
    bool powersOfX(int modulus) {
        powers_.assign(std::size_t(size_ - 1), 0);
        logarithm_.assign(std::size_t(size_), -1);
        int element = 1;
        for (int exponent = 0; exponent < size_ - 1; ++exponent) {
            if (logarithm_[std::size_t(element)] >= 0) return false;
            powers_[std::size_t(exponent)] = element;
            logarithm_[std::size_t(element)] = exponent;
            element = timesX(element, modulus);
        }
        return element == 1;
    }

    // x times `element`: its coefficients move up a place; x^k becomes -modulus.
    int timesX(int element, int modulus) const {
        const int top = element / (size_ / p_);
        int shifted = element % (size_ / p_) * p_;
        for (int place = 1; place < size_; place *= p_) {
            const int coefficient = (p_ - modulus / place % p_) * top % p_;
            shifted = sum(shifted, coefficient * place);
        }
        return shifted;
    }

    int p_;
    int size_;
    std::vector<int> powers_;
    std::vector<int> logarithm_;
};

// The translations x -> x + b of GF(p^k), and multiplication by a unit of order `order`.
PermutationGroup translationGroup(const PrimePowerField& field, int order, int points) {
    const int size = field.size();
    std::vector<Permutation> generators;
    for (int place = 1; place < size; place *= field.prime()) {
        Permutation translation = identity();
        for (int x = 0; x < size; ++x) translation[x] = std::uint8_t(field.sum(x, place));
        generators.push_back(translation);
    }
    std::string name = "GF(" + std::to_string(size) + ")+";
    if (order > 1) {
        const int unit = field.unitOfOrder(order);
        Permutation scale = identity();
        for (int x = 0; x < size; ++x) scale[x] = std::uint8_t(field.product(x, unit));
        generators.push_back(scale);
        name += ":" + std::to_string(order);
    }
    return {points, generators, name};
}

PermutationGroup withPoints(PermutationGroup group, int points) {
    group.points = points;
    return group;
}

// One permutation turning `longCycles` cycles of `longer` points and `shortCycles` of `shorter`
// points at once, the rest fixed.
PermutationGroup twoLengthTurn(int longer, int longCycles, int shorter, int shortCycles,
                               int points) {
    Permutation turn = identity();
    int start = 0;
    for (const auto& [length, cycles] : {std::pair{longer, longCycles}, {shorter, shortCycles}}) {
        for (int cycle = 0; cycle < cycles; ++cycle, start += length) {
            for (int i = 0; i < length; ++i)
                turn[start + i] = std::uint8_t(start + (i + 1) % length);
        }
    }
    return {points,
            {turn},
            "Z" + std::to_string(longer) + "x" + std::to_string(longCycles) + "+Z" +
                std::to_string(shorter) + "x" + std::to_string(shortCycles)};
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

PermutationGroup threeTripleTurn(int points) {
    return affineGroup(3, 3, 1, points);
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

std::vector<PermutationGroup> twoLengthGroups(int points) {
    std::vector<PermutationGroup> groups;
    for (const auto& [longer, shorter] : {std::pair{3, 2}, {4, 3}, {6, 4}}) {
        for (int longCycles = 1; longCycles * longer <= points; ++longCycles) {
            for (int shortCycles = 1; longCycles * longer + shortCycles * shorter <= points;
                 ++shortCycles) {
                const int longPoints = longCycles * longer;
                const int shortPoints = shortCycles * shorter;
                if (points - longPoints - shortPoints > 3 || longPoints < 6 || shortPoints < 6)
                    continue;
                groups.push_back(twoLengthTurn(longer, longCycles, shorter, shortCycles, points));
            }
        }
    }
    return groups;
}

std::vector<PermutationGroup> candidateGroups(int points, bool withSmallGroups) {
    std::vector<PermutationGroup> groups;
    // A few short cycles with many points fixed: small groups, under which the orbit search
    // still moves most blocks one by one, but in a far smaller space (12 numbers "5 wenn 6"
    // take 38 rows under two 4-cycles, 14 numbers 98 under two transpositions).
    for (int length = 2; withSmallGroups && length <= 6; ++length) {
        for (int copies = 1; copies <= 6; ++copies) {
            const int moved = length * copies;
            if (moved >= 4 && points - moved >= 4)
                groups.push_back(affineGroup(length, copies, 1, points));
        }
    }
    for (int fixed = 0; fixed <= 3; ++fixed) {
        const int moved = points - fixed;
        if (moved < 5) break;
        for (int copies = 1; copies <= 3; ++copies) {
            if (moved % copies != 0 || moved / copies < 4) continue;
            for (const int a : unitGroupGenerators(moved / copies)) {
                groups.push_back(affineGroup(moved / copies, copies, a, points));
            }
        }
        if (fixed <= 1 && isPrime(moved - 1)) {
            groups.push_back(withPoints(projectiveLinearGroup(moved - 1), points));
        }
    }
    // GF(p^k), k > 1, with up to six points fixed: 16 + 4 points, say, or 25 + 1.
    for (const auto& [prime, degree] :
         {std::pair{2, 3}, {3, 2}, {2, 4}, {5, 2}, {3, 3}, {2, 5}, {7, 2}}) {
        const PrimePowerField field(prime, degree);
        const int size = field.size();
        if (size > points || points - size > 6) continue;
        for (int order = 1; order < size; ++order) {
            if ((size - 1) % order == 0) groups.push_back(translationGroup(field, order, points));
        }
    }
    return groups;
}

}  // namespace lorvex::builder
