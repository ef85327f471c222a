#include "builder/design/verification.h"

#include <bit>
#include <vector>

#include "builder/design/subsets.h"

namespace lorvex::builder {

namespace {

class SubsetBitmap {
public:
    SubsetBitmap(int points, int size) : words_((BINOMIALS.value[points][size] + 63) / 64) {}

    void mark(std::uint64_t rank) { words_[rank / 64] |= std::uint64_t{1} << (rank % 64); }
    bool marked(std::uint64_t rank) const {
        return (words_[rank / 64] >> (rank % 64)) & std::uint64_t{1};
    }

private:
    std::vector<std::uint64_t> words_;
};

// Positions (within a draw) of each guarantee-set of a draw, computed once per verification.
std::vector<Block> positionSets(int drawSize, int guarantee) {
    std::vector<Block> sets;
    forEachSubset(drawSize, guarantee, [&](Block set) { sets.push_back(set); });
    return sets;
}

bool drawMet(Block draw, const SubsetBitmap& covered, const std::vector<Block>& positions) {
    std::array<int, MAX_POINTS> members{};
    int count = 0;
    for (Block rest = draw; rest != 0; rest &= rest - 1) members[count++] = std::countr_zero(rest);
    for (const Block set : positions) {
        std::uint64_t rank = 0;
        int i = 1;
        for (Block rest = set; rest != 0; rest &= rest - 1, ++i) {
            rank += BINOMIALS.value[members[std::countr_zero(rest)]][i];
        }
        if (covered.marked(rank)) return true;
    }
    return false;
}

}  // namespace

Verification verifyRows(int points, std::span<const Block> rows, Block required, int drawSize,
                        int guarantee) {
    Verification result;
    const int requiredCount = pointCount(required);
    if (drawSize > points || requiredCount > drawSize) return result;
    const int freeCount = points - requiredCount;
    const int chosen = drawSize - requiredCount;
    result.draws = BINOMIALS.value[freeCount][chosen];
    if (guarantee <= 0) {
        result.missed = rows.empty() ? result.draws : 0;
        return result;
    }

    SubsetBitmap covered(points, guarantee);
    for (const Block row : rows) {
        forEachSubsetOf(row, guarantee, [&](Block set) { covered.mark(subsetRank(set)); });
    }
    std::array<int, MAX_POINTS> freePoints{};
    int index = 0;
    for (int p = 0; p < points; ++p) {
        if (!(required & (Block{1} << p))) freePoints[index++] = p;
    }
    const std::vector<Block> positions = positionSets(drawSize, guarantee);
    forEachSubset(freeCount, chosen, [&](Block choice) {
        Block draw = required;
        for (; choice != 0; choice &= choice - 1) {
            draw |= Block{1} << freePoints[std::countr_zero(choice)];
        }
        if (!drawMet(draw, covered, positions)) ++result.missed;
    });
    return result;
}

Verification verifyDesign(const DesignShape& shape, std::span<const Block> rows) {
    return verifyRows(shape.points, rows, 0, shape.drawSize, shape.guarantee);
}

}  // namespace lorvex::builder
