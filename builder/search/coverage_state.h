#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "builder/design/design.h"
#include "builder/design/indexed_set.h"
#include "builder/design/subsets.h"

namespace lorvex::builder::search {

// The rows of a design under construction together with which draws they leave without the
// guarantee, kept up to date move by move. A draw meets a row in at least `guarantee` points
// exactly when one of its guarantee-subsets lies in that row, so the state counts, per
// guarantee-subset, the rows holding it and, when draws are larger than the guarantee, per
// draw its held guarantee-subsets. A move touches only the draws around the subsets whose
// count passes between 0 and 1.
class CoverageState {
public:
    // Counting every draw takes seconds on many points: when `stop` answers true meanwhile,
    // the state is left incomplete and must not be used.
    CoverageState(const DesignShape& shape, std::span<const Block> fixed, std::vector<Block> rows,
                  const std::function<bool()>& stop = {});

    bool complete() const { return listing_; }

    const DesignShape& shape() const { return shape_; }
    const std::vector<Block>& rows() const { return rows_; }
    std::size_t uncoveredCount() const { return uncovered_.size(); }
    std::uint32_t uncoveredRank(std::size_t index) const { return uncovered_[index]; }
    std::uint32_t drawCount() const { return std::uint32_t(uncovered_.bound()); }
    Block uncoveredDraw(std::size_t index) const {
        return ranks_.unrank(uncovered_[index], shape_.drawSize);
    }

    // Whether a move's effect can be counted without making it (draws no larger than the
    // guarantee).
    bool hasCheapDelta() const { return held_.empty(); }
    // For a point `in` outside row `row`: how the uncovered draws, each counted by its weight
    // (indexed by rank), would change if `in` took the place of each of the row's points,
    // lowest point first; only where hasCheapDelta().
    void swapDeltas(std::size_t row, int in, std::span<const std::uint32_t> weights,
                    std::array<long, SubsetRanks::maxSize>& deltas) const;
    // Whether rowsThrough answers (coverings with a guarantee of two or more).
    bool indexesRows() const { return !rowsThrough_.empty(); }
    // The rows holding `subset`, a set of guarantee - 1 points; only where indexesRows().
    std::span<const std::uint32_t> rowsThrough(Block subset) const {
        return rowsThrough_[ranks_.rank(subset)];
    }
    // Row `row` takes point `in` for `out`; returns the change of the uncovered count.
    long replace(std::size_t row, int out, int in);
    // What replace(row, out, in) would return, counted without making the move; only where
    // draws are larger than the guarantee (not hasCheapDelta()).
    long replaceDelta(std::size_t row, int out, int in) const;

    void add(Block row);
    // Removes row `row`; the last row takes its place.
    void remove(std::size_t row);
    // How many draws only row `row` covers.
    std::size_t lossIfRemoved(std::size_t row);

    // Bytes a state for this shape needs at most.
    static std::uint64_t bytesNeeded(const DesignShape& shape);

private:
    void hold(Block set, int count, Block base);
    void release(Block set, int count, Block base);
    long drawsHeldSo(Block subset, Block beyond, std::uint8_t held) const;
    void gainSubset(Block subset, std::uint32_t rank);
    void loseSubset(Block subset, std::uint32_t rank);
    void markUncovered(std::uint32_t draw);
    void markCovered(std::uint32_t draw);
    void indexRow(std::uint32_t row, Block set, int count, Block base);
    void unindexRow(std::uint32_t row, Block set, int count, Block base);

    DesignShape shape_;
    Block allPoints_ = 0;
    SubsetRanks ranks_;
    std::vector<Block> rows_;
    std::vector<std::uint32_t> holders_;  // per guarantee-subset: rows that hold it
    std::vector<std::uint8_t> held_;      // per draw: its held subsets (draws larger only)
    IndexedSet uncovered_;                // ranks of the draws without the guarantee
    // Per set of guarantee - 1 points: the rows holding it, so that the rows meeting an
    // uncovered draw in that many points are found without looking at every row.
    std::vector<std::vector<std::uint32_t>> rowsThrough_;
    bool listing_ = false;  // whether uncovered_ is kept up to date yet
};

}  // namespace lorvex::builder::search
