#include "builder/constructions/algebraic_designs.h"

#include <array>
#include <bit>
#include <cstdint>

#include "builder/orbits/orbit_designs.h"
#include "builder/orbits/permutation_groups.h"

namespace lorvex::builder {

namespace {

constexpr int GOLAY_LENGTH = 23;

std::uint32_t rotate23(std::uint32_t word, int by) {
    const std::uint32_t mask = (1u << GOLAY_LENGTH) - 1;
    return ((word << by) | (word >> (GOLAY_LENGTH - by))) & mask;
}

// A basis of the span of the word's cyclic shifts, by Gaussian elimination over GF(2).
std::vector<std::uint32_t> cyclicSpan(std::uint32_t word) {
    std::array<std::uint32_t, GOLAY_LENGTH> pivot{};
    std::vector<std::uint32_t> basis;
    for (int shift = 0; shift < GOLAY_LENGTH; ++shift) {
        std::uint32_t reduced = rotate23(word, shift);
        for (int bit = GOLAY_LENGTH - 1; bit >= 0 && reduced != 0; --bit) {
            if (!(reduced >> bit & 1u)) continue;
            if (pivot[bit] == 0) {
                pivot[bit] = reduced;
                basis.push_back(reduced);
                break;
            }
            reduced ^= pivot[bit];
        }
    }
    return basis;
}

// The 4096 words of the extended Golay code: the quadratic-residue code of length 23, found
// as the 12-dimensional span of shifts of a residue word with least weight 7, plus a parity bit.
std::vector<Block> golayCode() {
    std::uint32_t residues = 0;
    for (int x = 1; x < GOLAY_LENGTH; ++x) residues |= 1u << (x * x % GOLAY_LENGTH);
    const std::uint32_t all = (1u << GOLAY_LENGTH) - 1;
    for (const std::uint32_t generator :
         {residues | 1u, (all & ~residues), residues, all & ~residues & ~1u}) {
        const std::vector<std::uint32_t> basis = cyclicSpan(generator);
        if (basis.size() != 12) continue;
        std::vector<Block> words;
        int leastWeight = GOLAY_LENGTH;
        for (std::uint32_t choice = 0; choice < (1u << 12); ++choice) {
            std::uint32_t word = 0;
            for (int i = 0; i < 12; ++i) {
                if (choice >> i & 1u) word ^= basis[i];
            }
            if (word != 0) leastWeight = std::min(leastWeight, std::popcount(word));
            const Block parity = Block(std::popcount(word) & 1) << GOLAY_LENGTH;
            words.push_back(Block{word} | parity);
        }
        if (leastWeight == 7) return words;
    }
    return {};
}

int mod5(int x) {
    return ((x % 5) + 5) % 5;
}

// The 31 points of PG(2,5): nonzero vectors of GF(5)^3 whose first nonzero coordinate is 1.
std::vector<std::array<int, 3>> projectivePoints() {
    std::vector<std::array<int, 3>> points;
    for (int a = 0; a < 5; ++a) {
        for (int b = 0; b < 5; ++b) {
            for (int c = 0; c < 5; ++c) {
                const std::array<int, 3> p{a, b, c};
                const int lead = a != 0 ? a : b != 0 ? b : c;
                if (lead == 1) points.push_back(p);
            }
        }
    }
    return points;
}

struct BaseDesign {
    int points, blockSize, strength;
    std::vector<Block> (*make)();
};

constexpr std::array<BaseDesign, 4> BASE_DESIGNS{{
    {12, 6, 5, steinerSystem5612},
    {22, 6, 3, steinerSystem3622},
    {24, 6, 5, steinerSystem5624},
    {31, 6, 2, projectivePlane5},
}};

std::vector<Block> derived(const std::vector<Block>& blocks, int point) {
    const Block bit = Block{1} << point;
    std::vector<Block> result;
    for (const Block block : blocks) {
        if (block & bit) result.push_back(block & ~bit);
    }
    return result;
}

}  // namespace

std::vector<Block> steinerSystem5612() {
    return orbitSteinerSystem(12, 6, 5, projectiveLinearGroup(11)).value_or(std::vector<Block>{});
}

std::vector<Block> steinerSystem3622() {
    const Block through = (Block{1} << 22) | (Block{1} << 23);
    std::vector<Block> blocks;
    for (const Block word : golayCode()) {
        if (std::popcount(word) == 8 && (word & through) == through) {
            blocks.push_back(word & ~through);
        }
    }
    return blocks;
}

std::vector<Block> steinerSystem5624() {
    return orbitSteinerSystem(24, 6, 5, projectiveLinearGroup(23)).value_or(std::vector<Block>{});
}

std::vector<Block> projectivePlane5() {
    const std::vector<std::array<int, 3>> points = projectivePoints();
    std::vector<Block> lines;
    for (const auto& normal : points) {
        Block line = 0;
        for (std::size_t i = 0; i < points.size(); ++i) {
            const auto& p = points[i];
            if (mod5(normal[0] * p[0] + normal[1] * p[1] + normal[2] * p[2]) == 0) {
                line |= Block{1} << i;
            }
        }
        lines.push_back(line);
    }
    return lines;
}

std::optional<std::vector<Block>> algebraicDesign(const DesignShape& shape) {
    for (const BaseDesign& base : BASE_DESIGNS) {
        const int depth = base.points - shape.points;
        if (depth < 0 || base.blockSize - depth != shape.blockSize ||
            base.strength - depth != shape.guarantee || shape.guarantee < 1 ||
            shape.drawSize < shape.guarantee) {
            continue;
        }
        std::vector<Block> blocks = base.make();
        for (int point = base.points - 1; point >= shape.points; --point) {
            blocks = derived(blocks, point);
        }
        if (!blocks.empty()) return blocks;
    }
    return std::nullopt;
}

}  // namespace lorvex::builder
