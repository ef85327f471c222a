#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "builder/search/coverage_state.h"
#include "builder/search/random.h"

namespace lorvex::builder::search {

// Simulated annealing on a fixed number of rows with the uncovered draws as cost (Nurmela and
// Östergård), for draws larger than the guarantee. Each move starts from an uncovered draw: a
// row that meets it in as many points as any row swaps one of its other points for one of the
// draw's, so the draw becomes covered; the move is counted first and taken by the Metropolis
// rule.
class Annealer {
public:
    Annealer(CoverageState& state, Random& random);

    // Moves until no draw is uncovered (returns true) or stop() says so (returns false).
    // Where `best` is given it receives the rows of the lowest count seen.
    // Gives up after `steps` moves (returns false).
    bool run(const std::function<bool()>& stop, std::vector<Block>* best, std::uint64_t steps);
    // The lowest uncovered count the last run saw.
    std::size_t bestCount() const { return bestCount_; }

private:
    struct Move {
        std::size_t row;
        int out;
        int in;
    };

    Move propose();
    bool accept(long delta);
    void cool();

    CoverageState& state_;
    Random& random_;
    long pollEvery_;
    long coolEvery_;
    double temperature_;
    std::size_t bestCount_ = 0;
};

}  // namespace lorvex::builder::search
