#include "builder/search/annealer.h"
#include "builder/design/bits.h"
#include "builder/design/tuning.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace lorvex::builder::search {

namespace {

int pointAt(Block set, std::uint32_t index) {
    for (; index > 0; --index) set &= set - 1;
    return std::countr_zero(set);
}

int randomPoint(Block set, Random& random) {
    return pointAt(set, random.below(std::uint32_t(std::popcount(set))));
}

}  // namespace

Annealer::Annealer(CoverageState& state, Random& random)
    : state_(state), random_(random), temperature_(tuning::START_TEMPERATURE) {
    const DesignShape& shape = state.shape();
    const SubsetRanks ranks;
    // Polling the clock must stay cheap beside the moves, yet come often when moves are slow.
    const long drawsPerSubset =
        shape.drawSize > shape.guarantee
            ? long(ranks.binom(shape.points - shape.guarantee, shape.drawSize - shape.guarantee))
            : 1;
    pollEvery_ = std::max(1L, 4096 / drawsPerSubset);
    coolEvery_ = std::max<long>(64, long(state.rows().size()) * 4);
}

bool Annealer::run(const std::function<bool()>& stop, std::vector<Block>* best,
                   std::uint64_t steps) {
    bestCount_ = state_.uncoveredCount();
    if (best) *best = state_.rows();
    if (state_.rows().empty()) return bestCount_ == 0;
    for (long step = 1; std::uint64_t(step) <= steps; ++step) {
        if (state_.uncoveredCount() == 0) return true;
        if (step % pollEvery_ == 0 && stop()) return false;
        if (step % coolEvery_ == 0) cool();
        const Move move = propose();
        // Most moves are refused, and counting one costs half of making and undoing it.
        if (accept(state_.replaceDelta(move.row, move.out, move.in)))
            state_.replace(move.row, move.out, move.in);
        if (state_.uncoveredCount() < bestCount_) {
            bestCount_ = state_.uncoveredCount();
            if (best) *best = state_.rows();
        }
    }
    return state_.uncoveredCount() == 0;
}

// Looks at every row, so it counts points most often of all.
LORVEX_WITH_POPCNT Annealer::Move Annealer::propose() {
    const Block draw = state_.uncoveredDraw(random_.below(std::uint32_t(state_.uncoveredCount())));
    const std::vector<Block>& rows = state_.rows();
    // Among the rows meeting the draw most, one at random (reservoir sampling).
    TieBreak<int> most(random_, 1);  // scores are minus the points met
    std::size_t chosen = 0;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (most.offer(-std::popcount(rows[row] & draw))) chosen = row;
    }
    const Block row = rows[chosen];
    return {chosen, randomPoint(row & ~draw, random_), randomPoint(draw & ~row, random_)};
}

bool Annealer::accept(long delta) {
    if (delta <= 0) return true;
    return random_.unit() < std::exp(-double(delta) / temperature_);
}

void Annealer::cool() {
    temperature_ *= tuning::COOLING;
    if (temperature_ < tuning::LOWEST_TEMPERATURE) temperature_ = tuning::START_TEMPERATURE;
}

}  // namespace lorvex::builder::search
