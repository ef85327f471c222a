#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "builder/search/coverage_state.h"
#include "builder/search/random.h"

namespace lorvex::builder::search {

// Local search with draw weights for coverings (draws no larger than the guarantee): each step
// takes an uncovered draw, tries every swap that makes a row cover it and makes the one that
// loses the least weight, not undoing a recent swap of that row (tabu). Draws that stay
// uncovered grow heavier, which pushes the search out of local minima.
class WeightedSearch {
public:
    WeightedSearch(CoverageState& state, Random& random);

    // Steps until no draw is uncovered (returns true) or stop() says so (returns false).
    // Where `best` is given it receives the rows of the lowest count seen.
    // Gives up after `steps` moves (returns false).
    bool run(const std::function<bool()>& stop, std::vector<Block>* best, std::uint64_t steps);
    // The lowest uncovered count the last run saw.
    std::size_t bestCount() const { return bestCount_; }

private:
    struct Move {
        std::size_t row = 0;
        int out = 0;
        int in = 0;
        long delta = 0;  // of the weighted uncovered draws
    };

    Move bestMoveFor(Block draw);
    void makeHeavier();

    CoverageState& state_;
    Random& random_;
    std::vector<std::uint32_t> weights_;
    // Per row and point: the step until which the point may not come back into the row.
    std::vector<std::uint64_t> tabuUntil_;
    std::vector<std::uint8_t> meets_;        // per row: its points in the draw at hand
    std::vector<std::uint32_t> candidates_;  // the rows meeting that draw most
    std::uint64_t step_ = 0;
    std::size_t bestCount_ = 0;
};

}  // namespace lorvex::builder::search
