#include <algorithm>
#include <atomic>
#include <bit>
#include <mutex>
#include <optional>

#include "builder/design/design.h"
#include "builder/design/tuning.h"
#include "builder/search/annealer.h"
#include "builder/search/coverage_state.h"
#include "builder/search/parallel_runs.h"
#include "builder/search/random.h"
#include "builder/search/weighted_search.h"

namespace lorvex::builder {

namespace {

using search::Annealer;
using search::CoverageState;
using search::Random;

int runCount(const DesignShape& shape, const SearchLimits& limits) {
    const std::uint64_t perRun = std::max<std::uint64_t>(1, CoverageState::bytesNeeded(shape));
    const auto affordable = int(std::max<std::uint64_t>(1, limits.memoryBytes / perRun));
    return std::clamp(limits.threads, 1, affordable);
}

// Weighted search for coverings, annealing for lotto designs: covers every draw with the
// rows the state has (returns true), or gives up; `best` gets the rows leaving the fewest.
class Improver {
public:
    Improver(CoverageState& state, Random& random)
        : useWeights_(state.hasCheapDelta()), annealer_(state, random), weighted_(state, random) {}

    bool run(const std::function<bool()>& stop, std::vector<Block>* best, std::uint64_t steps) {
        return useWeights_ ? weighted_.run(stop, best, steps) : annealer_.run(stop, best, steps);
    }
    std::size_t bestCount() const {
        return useWeights_ ? weighted_.bestCount() : annealer_.bestCount();
    }

private:
    bool useWeights_;
    Annealer annealer_;
    search::WeightedSearch weighted_;
};

// Moves a search start may take: more for more draws, doubled every second attempt.
std::uint64_t stepsFor(const DesignShape& shape, int attempt) {
    return 50 * search::SubsetRanks().binom(shape.points, shape.drawSize)
           << std::min(attempt / 2, 20);
}

std::uint64_t runSeed(std::uint64_t seed, int run) {
    return seed * 0x9e3779b97f4a7c15ULL + std::uint64_t(run) * 0xd1b54a32d192ed03ULL + 1;
}

// What the runs share: when to stop, and the progress reports.
class RunControl {
public:
    explicit RunControl(const SearchLimits& limits) : limits_(limits) {}

    // Run 0 alone polls the caller's cancel function, so it is never called concurrently.
    bool shouldStop(int run) {
        if (stopped_.load(std::memory_order_relaxed)) return true;
        const bool stop =
            limits_.deadline.passed() || (run == 0 && limits_.cancelled && limits_.cancelled());
        if (stop) stopAll();
        return stop;
    }

    void stopAll() { stopped_.store(true, std::memory_order_relaxed); }

    void reached(std::span<const Block> design) {
        const std::size_t rows = design.size();
        if (rows <= limits_.lowerBound) stopAll();
        const std::scoped_lock lock(mutex_);
        if (smallest_ && *smallest_ <= rows) return;
        smallest_ = rows;
        if (limits_.improved) limits_.improved(design);
    }

private:
    const SearchLimits& limits_;
    std::atomic<bool> stopped_{false};
    std::mutex mutex_;
    std::optional<std::size_t> smallest_;
};

// The row whose removal uncovers the fewest draws; among equals one at random. Where counting
// a row's loss means making the removal, only a sample of rows is looked at.
std::size_t leastNeededRow(CoverageState& state, Random& random) {
    const std::size_t rows = state.rows().size();
    const bool sample = !state.hasCheapDelta() && rows > tuning::LEAST_NEEDED_SAMPLE;
    std::size_t bestRow = 0;
    search::TieBreak<std::size_t> least(random, SIZE_MAX);
    for (std::size_t i = 0; i < (sample ? tuning::LEAST_NEEDED_SAMPLE : rows); ++i) {
        const std::size_t row = sample ? random.below(std::uint32_t(rows)) : i;
        if (least.offer(state.lossIfRemoved(row))) bestRow = row;
    }
    return bestRow;
}

Block randomRowAround(const CoverageState& state, Random& random) {
    const DesignShape& shape = state.shape();
    Block row = 0;
    if (state.uncoveredCount() > 0) {
        // guarantee points of an uncovered draw, so that the new row covers it.
        Block draw = state.uncoveredDraw(random.below(std::uint32_t(state.uncoveredCount())));
        for (int placed = 0; placed < shape.guarantee; ++placed) {
            int skip = int(random.below(std::uint32_t(std::popcount(draw))));
            Block rest = draw;
            for (; skip > 0; --skip) rest = withoutLowestPoint(rest);
            const Block point = lowestPoint(rest);
            row |= point;
            draw &= ~point;
        }
    }
    while (std::popcount(row) < shape.blockSize)
        row |= Block{1} << random.below(std::uint32_t(shape.points));
    return row;
}

// `rows` rows made from `start`: the least needed dropped, or new ones covering holes added.
// Nothing when `stop` answers true before it is ready.
std::optional<CoverageState> startingState(const DesignShape& shape, std::size_t rows,
                                           std::span<const Block> start,
                                           std::span<const Block> fixed, Random& random,
                                           const std::function<bool()>& stop = {}) {
    std::optional<CoverageState> state;
    state.emplace(shape, fixed, std::vector<Block>(start.begin(), start.end()), stop);
    if (!state->complete()) return std::nullopt;
    while (state->rows().size() > rows) state->remove(leastNeededRow(*state, random));
    while (state->rows().size() < rows) {
        if (stop && stop()) return std::nullopt;
        state->add(randomRowAround(*state, random));
    }
    return state;
}

}  // namespace

std::vector<Block> shrinkDesign(const DesignShape& shape, std::vector<Block> start,
                                std::span<const Block> fixed, const SearchLimits& limits) {
    if (start.size() <= limits.lowerBound || start.empty()) return start;
    RunControl control(limits);
    const int runs = runCount(shape, limits);
    std::vector<std::vector<Block>> results(std::size_t(runs), start);
    search::runInParallel(runs, [&](int run) {
        Random random(runSeed(limits.seed, run));
        const auto stop = [&] { return control.shouldStop(run); };
        std::vector<Block>& valid = results[std::size_t(run)];
        // How long a search takes to cover everything varies wildly from start to start, so
        // one that stays stuck is given up for a new one with a larger budget, alternately
        // from the last covering less a row and from random rows. Random rows do as well at
        // a size well below a covering the search got stuck at, so they aim lower.
        std::size_t gap = std::max<std::size_t>(1, valid.size() / 16);
        for (int attempt = 0; valid.size() > limits.lowerBound && !stop(); ++attempt) {
            const bool fromRandom = attempt % 2 == 1;
            std::uint64_t steps = stepsFor(shape, attempt);
            if (fromRandom && attempt > 1) gap = std::max<std::size_t>(1, gap / 2);
            const std::size_t target =
                fromRandom ? std::max(limits.lowerBound, valid.size() - std::min(gap, valid.size()))
                           : valid.size() - 1;
            std::optional<CoverageState> started = startingState(
                shape, target, fromRandom ? std::span<const Block>{} : valid, fixed, random, stop);
            if (!started) break;
            CoverageState& state = *started;
            Improver improver(state, random);
            while (improver.run(stop, nullptr, steps)) {
                valid = state.rows();
                control.reached(valid);
                attempt = -1;
                steps = stepsFor(shape, 0);
                // A removal that uncovers nothing covers at once: the clock is looked at here too.
                if (valid.size() <= limits.lowerBound || stop()) break;
                state.remove(leastNeededRow(state, random));
            }
        }
    });
    // The smallest; among equals the lowest run, so the result does not depend on timing.
    return *std::min_element(results.begin(), results.end(),
                             [](const auto& a, const auto& b) { return a.size() < b.size(); });
}

SearchResult bestWithRows(const DesignShape& shape, std::size_t rows, std::span<const Block> start,
                          std::span<const Block> fixed, const SearchLimits& limits) {
    if (rows == 0) return {{}, CoverageState(shape, fixed, {}).uncoveredCount()};
    RunControl control(limits);
    const int runs = runCount(shape, limits);
    std::vector<SearchResult> results(static_cast<std::size_t>(runs));
    search::runInParallel(runs, [&](int run) {
        Random random(runSeed(limits.seed, run));
        const auto stop = [&] { return control.shouldStop(run); };
        SearchResult& result = results[std::size_t(run)];
        result.uncoveredDraws = UINT64_MAX;
        // As in shrinkDesign: new starts with growing budgets, the first from `start`.
        for (int attempt = 0; !stop(); ++attempt) {
            // The first start is always made, so that every run has a result.
            std::optional<CoverageState> started =
                startingState(shape, rows, attempt == 0 ? start : std::span<const Block>{}, fixed,
                              random, attempt == 0 ? std::function<bool()>{} : stop);
            if (!started) break;
            CoverageState& state = *started;
            Improver improver(state, random);
            std::vector<Block> candidate;
            const bool covered = improver.run(stop, &candidate, stepsFor(shape, attempt));
            if (improver.bestCount() < result.uncoveredDraws) {
                result.uncoveredDraws = improver.bestCount();
                result.blocks = std::move(candidate);
            }
            if (covered) {
                control.stopAll();
                break;
            }
        }
    });
    return *std::min_element(results.begin(), results.end(), [](const auto& a, const auto& b) {
        return a.uncoveredDraws < b.uncoveredDraws;
    });
}

}  // namespace lorvex::builder
