#include "builder/search/weighted_search.h"
#include "builder/design/tuning.h"

#include <bit>
#include <limits>

namespace lorvex::builder::search {

namespace {

// Counts bits without a library call, so that the loop over all rows vectorizes where the
// target has no population count instruction.
std::uint8_t bitCount(Block set) {
    set -= (set >> 1) & 0x5555555555555555ULL;
    set = (set & 0x3333333333333333ULL) + ((set >> 2) & 0x3333333333333333ULL);
    set = (set + (set >> 4)) & 0x0f0f0f0f0f0f0f0fULL;
    return std::uint8_t((set * 0x0101010101010101ULL) >> 56);
}

}  // namespace

WeightedSearch::WeightedSearch(CoverageState& state, Random& random)
    : state_(state), random_(random) {}

bool WeightedSearch::run(const std::function<bool()>& stop, std::vector<Block>* best,
                         std::uint64_t steps) {
    bestCount_ = state_.uncoveredCount();
    if (best) *best = state_.rows();
    if (state_.rows().empty()) return bestCount_ == 0;
    tabuUntil_.assign(state_.rows().size() * 64, 0);
    if (weights_.empty()) weights_.assign(state_.drawCount(), 1);
    for (long poll = 1; std::uint64_t(poll) <= steps; ++poll) {
        if (state_.uncoveredCount() == 0) return true;
        if (poll % tuning::POLL_EVERY == 0 && stop()) return false;
        ++step_;
        const std::size_t index = random_.below(std::uint32_t(state_.uncoveredCount()));
        const Move move = bestMoveFor(state_.uncoveredDraw(index));
        state_.replace(move.row, move.out, move.in);
        tabuUntil_[move.row * 64 + std::size_t(move.out)] = step_ + tuning::TABU_STEPS;
        // Stuck where no swap helps: the draws still uncovered count more from now on.
        if (move.delta >= 0) makeHeavier();
        if (state_.uncoveredCount() < bestCount_) {
            bestCount_ = state_.uncoveredCount();
            if (best) *best = state_.rows();
        }
    }
    return state_.uncoveredCount() == 0;
}

WeightedSearch::Move WeightedSearch::bestMoveFor(Block draw) {
    const std::vector<Block>& rows = state_.rows();
    candidates_.clear();
    if (state_.indexesRows()) {
        // A row meeting an uncovered draw in guarantee - 1 points holds exactly one of its
        // subsets of that size.
        forEachSubsetJoined(draw, state_.shape().guarantee - 1, 0, [&](Block subset) {
            const auto through = state_.rowsThrough(subset);
            candidates_.insert(candidates_.end(), through.begin(), through.end());
        });
    }
    if (candidates_.empty()) {
        meets_.resize(rows.size());
        int most = 0;
        for (std::size_t row = 0; row < rows.size(); ++row) {
            meets_[row] = bitCount(rows[row] & draw);
            most = std::max<int>(most, meets_[row]);
        }
        for (std::size_t row = 0; row < rows.size(); ++row)
            if (meets_[row] == most) candidates_.push_back(std::uint32_t(row));
    }
    Move best;
    TieBreak<long> smallest(random_, std::numeric_limits<long>::max());
    std::array<long, SubsetRanks::maxSize> deltas{};
    for (const std::size_t row : candidates_) {
        for (Block ins = draw & ~rows[row]; ins != 0; ins &= ins - 1) {
            const int in = std::countr_zero(ins);
            if (tabuUntil_[row * 64 + std::size_t(in)] > step_) continue;
            state_.swapDeltas(row, in, weights_, deltas);
            int position = 0;
            for (Block outs = rows[row]; outs != 0; outs &= outs - 1, ++position) {
                const int out = std::countr_zero(outs);
                if (draw & (Block{1} << out)) continue;
                const long delta = deltas[std::size_t(position)];
                if (smallest.offer(delta)) best = {row, out, in, delta};
            }
        }
    }
    best.delta = smallest.best();
    if (smallest.chosen()) return best;
    // Every swap is tabu: any row meeting the draw most takes one of its points.
    const std::size_t row = candidates_[random_.below(std::uint32_t(candidates_.size()))];
    return {row, std::countr_zero(rows[row] & ~draw), std::countr_zero(draw & ~rows[row]), 0};
}

void WeightedSearch::makeHeavier() {
    for (std::size_t index = 0; index < state_.uncoveredCount(); ++index)
        ++weights_[state_.uncoveredRank(index)];
}

}  // namespace lorvex::builder::search
