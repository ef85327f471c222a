#include "builder/search/coverage_state.h"
#include "builder/design/tuning.h"

#include <algorithm>

namespace lorvex::builder::search {

namespace {

Block bit(int point) {
    return Block{1} << point;
}

}  // namespace

CoverageState::CoverageState(const DesignShape& shape, std::span<const Block> fixed,
                             std::vector<Block> rows, const std::function<bool()>& stop)
    : shape_(shape),
      allPoints_(shape.points >= 64 ? ~Block{0} : bit(shape.points) - 1),
      rows_(std::move(rows)),
      uncovered_(ranks_.binom(shape.points, shape.drawSize)) {
    const int t = shape_.guarantee;
    const int m = shape_.drawSize;
    holders_.assign(ranks_.binom(shape_.points, t), 0);
    const std::uint32_t draws = ranks_.binom(shape_.points, m);
    if (m > t) held_.assign(draws, 0);
    // The counts first, then the list, so that it never holds every draw at once.
    for (Block row : fixed) hold(row, t, 0);
    const auto stopped = [&] { return stop && stop(); };
    for (Block row : rows_) {
        if (stopped()) return;
        hold(row, t, 0);
    }
    if (m == t && t >= 2) {
        rowsThrough_.resize(ranks_.binom(shape_.points, t - 1));
        for (std::size_t row = 0; row < rows_.size(); ++row)
            indexRow(std::uint32_t(row), rows_[row], t - 1, 0);
    }
    for (std::uint32_t draw = 0; draw < draws; ++draw) {
        if (draw % tuning::DRAWS_BETWEEN_POLLS == 0 && stopped()) {
            uncovered_.clear();
            return;
        }
        if ((held_.empty() ? holders_[draw] : held_[draw]) == 0) uncovered_.insert(draw);
    }
    listing_ = true;
}

std::uint64_t CoverageState::bytesNeeded(const DesignShape& shape) {
    const SubsetRanks ranks;
    const std::uint64_t subsets = ranks.binom(shape.points, shape.guarantee);
    const std::uint64_t draws = ranks.binom(shape.points, shape.drawSize);
    const std::uint64_t perDraw = (shape.drawSize > shape.guarantee ? 1 : 0) + 4 + 4;
    return subsets * 4 + draws * perDraw;
}

void CoverageState::swapDeltas(std::size_t row, int in, std::span<const std::uint32_t> weights,
                               std::array<long, SubsetRanks::maxSize>& deltas) const {
    const RowPoints points(rows_[row]);
    const int k = points.count;
    const int t = shape_.guarantee;
    // What leaves with a point: the row's subsets through it that no other row holds.
    std::array<long, SubsetRanks::maxSize> loss{};
    for (int i = 0; i < positionSubsets.count(k, t); ++i) {
        const std::uint8_t positions = positionSubsets.at(k, t, i);
        const std::uint32_t rank = ranks_.rank(points.pick(positions));
        if (holders_[rank] != 1) continue;
        for (std::uint8_t p = positions; p != 0; p &= std::uint8_t(p - 1))
            loss[std::countr_zero(p)] += weights[rank];
    }
    // What `in` brings: the unheld subsets it forms with the points that stay.
    std::array<long, SubsetRanks::maxSize> gainThrough{};
    long gain = 0;
    for (int i = 0; i < positionSubsets.count(k, t - 1); ++i) {
        const std::uint8_t positions = positionSubsets.at(k, t - 1, i);
        const std::uint32_t rank = ranks_.rank(points.pick(positions) | bit(in));
        if (holders_[rank] != 0) continue;
        gain += weights[rank];
        for (std::uint8_t p = positions; p != 0; p &= std::uint8_t(p - 1))
            gainThrough[std::countr_zero(p)] += weights[rank];
    }
    for (int j = 0; j < k; ++j) deltas[j] = loss[j] - (gain - gainThrough[j]);
}

long CoverageState::replace(std::size_t row, int out, int in) {
    const long before = long(uncovered_.size());
    const Block rest = rows_[row] & ~bit(out);
    // Gaining first keeps draws that stay covered from passing through the uncovered list.
    hold(rest, shape_.guarantee - 1, bit(in));
    release(rest, shape_.guarantee - 1, bit(out));
    if (indexesRows()) {
        unindexRow(std::uint32_t(row), rest, shape_.guarantee - 2, bit(out));
        indexRow(std::uint32_t(row), rest, shape_.guarantee - 2, bit(in));
    }
    rows_[row] = rest | bit(in);
    return long(uncovered_.size()) - before;
}

// Only draws through a lost subset (one holding `out` that no other row holds) can go
// uncovered, only draws through a gained one (holding `in`, held by no row) can be covered, and
// a draw with a further point in the row or `in` meets both rows in the guarantee. A draw with
// its further points elsewhere meets the row in the lost subset alone and goes uncovered when it
// holds nothing else, or meets the new row in the gained subset alone and is covered anew when it
// held nothing.
long CoverageState::replaceDelta(std::size_t row, int out, int in) const {
    const Block rest = rows_[row] & ~bit(out);
    const Block beyond = allPoints_ & ~(rows_[row] | bit(in));
    long delta = 0;
    forEachSubsetJoined(rest, shape_.guarantee - 1, 0, [&](Block part) {
        const Block lost = part | bit(out);
        if (holders_[ranks_.rank(lost)] == 1) delta += drawsHeldSo(lost, beyond, 1);
        const Block gained = part | bit(in);
        if (holders_[ranks_.rank(gained)] == 0) delta -= drawsHeldSo(gained, beyond, 0);
    });
    return delta;
}

// How many of the draws `subset` forms with points of `beyond` hold `held` subsets.
long CoverageState::drawsHeldSo(Block subset, Block beyond, std::uint8_t held) const {
    long draws = 0;
    forEachSubsetJoined(beyond, shape_.drawSize - shape_.guarantee, subset,
                        [&](Block draw) { draws += held_[ranks_.rank(draw)] == held ? 1 : 0; });
    return draws;
}

void CoverageState::add(Block row) {
    rows_.push_back(row);
    hold(row, shape_.guarantee, 0);
    if (indexesRows()) indexRow(std::uint32_t(rows_.size() - 1), row, shape_.guarantee - 1, 0);
}

void CoverageState::remove(std::size_t row) {
    release(rows_[row], shape_.guarantee, 0);
    if (indexesRows()) {
        const int size = shape_.guarantee - 1;
        const auto last = std::uint32_t(rows_.size() - 1);
        unindexRow(std::uint32_t(row), rows_[row], size, 0);
        if (row != last) {
            unindexRow(last, rows_[last], size, 0);
            indexRow(std::uint32_t(row), rows_[last], size, 0);
        }
    }
    rows_[row] = rows_.back();
    rows_.pop_back();
}

void CoverageState::indexRow(std::uint32_t row, Block set, int count, Block base) {
    forEachSubsetJoined(set, count, base,
                        [&](Block subset) { rowsThrough_[ranks_.rank(subset)].push_back(row); });
}

void CoverageState::unindexRow(std::uint32_t row, Block set, int count, Block base) {
    forEachSubsetJoined(set, count, base, [&](Block subset) {
        std::vector<std::uint32_t>& list = rowsThrough_[ranks_.rank(subset)];
        *std::find(list.begin(), list.end(), row) = list.back();
        list.pop_back();
    });
}

std::size_t CoverageState::lossIfRemoved(std::size_t row) {
    const Block block = rows_[row];
    if (hasCheapDelta()) {
        std::size_t loss = 0;
        forEachSubsetJoined(block, shape_.guarantee, 0, [&](Block subset) {
            if (holders_[ranks_.rank(subset)] == 1) ++loss;
        });
        return loss;
    }
    const std::size_t before = uncovered_.size();
    release(block, shape_.guarantee, 0);
    const std::size_t loss = uncovered_.size() - before;
    hold(block, shape_.guarantee, 0);
    return loss;
}

void CoverageState::hold(Block set, int count, Block base) {
    forEachSubsetJoined(set, count, base, [&](Block subset) {
        const std::uint32_t rank = ranks_.rank(subset);
        if (holders_[rank]++ == 0) gainSubset(subset, rank);
    });
}

void CoverageState::release(Block set, int count, Block base) {
    forEachSubsetJoined(set, count, base, [&](Block subset) {
        const std::uint32_t rank = ranks_.rank(subset);
        if (--holders_[rank] == 0) loseSubset(subset, rank);
    });
}

void CoverageState::gainSubset(Block subset, std::uint32_t rank) {
    if (held_.empty()) {
        markCovered(rank);
        return;
    }
    const int extra = shape_.drawSize - shape_.guarantee;
    forEachSubsetJoined(allPoints_ & ~subset, extra, subset, [&](Block draw) {
        const std::uint32_t drawRank = ranks_.rank(draw);
        if (held_[drawRank]++ == 0) markCovered(drawRank);
    });
}

void CoverageState::loseSubset(Block subset, std::uint32_t rank) {
    if (held_.empty()) {
        markUncovered(rank);
        return;
    }
    const int extra = shape_.drawSize - shape_.guarantee;
    forEachSubsetJoined(allPoints_ & ~subset, extra, subset, [&](Block draw) {
        const std::uint32_t drawRank = ranks_.rank(draw);
        if (--held_[drawRank] == 0) markUncovered(drawRank);
    });
}

void CoverageState::markUncovered(std::uint32_t draw) {
    if (!listing_) return;
    uncovered_.insert(draw);
}

void CoverageState::markCovered(std::uint32_t draw) {
    if (!listing_) return;
    uncovered_.erase(draw);
}

}  // namespace lorvex::builder::search
