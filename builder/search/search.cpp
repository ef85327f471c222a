#include <algorithm>
#include <atomic>
#include <bit>
#include <mutex>
#include <optional>

#include "builder/design.h"
#include "builder/search/annealer.h"
#include "builder/search/coverage_state.h"
#include "builder/search/parallel_runs.h"
#include "builder/search/random.h"

namespace lorvex::builder {

namespace {

using search::Annealer;
using search::CoverageState;
using search::Random;

// All runs together stay below this, whatever the shape.
constexpr std::uint64_t memoryBudget = 400'000'000;

int runCount(const DesignShape& shape, const SearchLimits& limits) {
    const std::uint64_t perRun = std::max<std::uint64_t>(1, CoverageState::bytesNeeded(shape));
    const auto affordable = int(std::max<std::uint64_t>(1, memoryBudget / perRun));
    return std::clamp(limits.threads, 1, affordable);
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
        const bool stop = std::chrono::steady_clock::now() >= limits_.deadline ||
                          (run == 0 && limits_.cancelled && limits_.cancelled());
        if (stop) stopAll();
        return stop;
    }

    void stopAll() { stopped_.store(true, std::memory_order_relaxed); }

    void reached(std::size_t rows) {
        if (rows <= limits_.lowerBound) stopAll();
        const std::scoped_lock lock(mutex_);
        if (smallest_ && *smallest_ <= rows) return;
        smallest_ = rows;
        if (limits_.improved) limits_.improved(rows);
    }

private:
    const SearchLimits& limits_;
    std::atomic<bool> stopped_{false};
    std::mutex mutex_;
    std::optional<std::size_t> smallest_;
};

std::size_t leastNeededRow(CoverageState& state) {
    std::size_t bestRow = 0;
    std::size_t bestLoss = SIZE_MAX;
    for (std::size_t row = 0; row < state.rows().size() && bestLoss > 0; ++row) {
        const std::size_t loss = state.lossIfRemoved(row);
        if (loss < bestLoss) {
            bestLoss = loss;
            bestRow = row;
        }
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
            for (; skip > 0; --skip) rest &= rest - 1;
            const Block point = rest & -rest;
            row |= point;
            draw &= ~point;
        }
    }
    while (std::popcount(row) < shape.blockSize)
        row |= Block{1} << random.below(std::uint32_t(shape.points));
    return row;
}

// `rows` rows made from `start`: the least needed dropped, or new ones covering holes added.
CoverageState startingState(const DesignShape& shape, std::size_t rows,
                            std::span<const Block> start, std::span<const Block> fixed,
                            Random& random) {
    CoverageState state(shape, fixed, std::vector<Block>(start.begin(), start.end()));
    while (state.rows().size() > rows) state.remove(leastNeededRow(state));
    while (state.rows().size() < rows) state.add(randomRowAround(state, random));
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
        CoverageState state(shape, fixed, start);
        Annealer annealer(state, random);
        const auto stop = [&] { return control.shouldStop(run); };
        while (state.rows().size() > limits.lowerBound && !stop()) {
            state.remove(leastNeededRow(state));
            if (!annealer.run(stop, nullptr)) break;
            results[std::size_t(run)] = state.rows();
            control.reached(state.rows().size());
        }
    });
    // The smallest; among equals the lowest run, so the result does not depend on timing.
    return *std::min_element(results.begin(), results.end(),
                             [](const auto& a, const auto& b) { return a.size() < b.size(); });
}

SearchResult bestWithRows(const DesignShape& shape, std::size_t rows, std::span<const Block> start,
                          std::span<const Block> fixed, const SearchLimits& limits) {
    RunControl control(limits);
    const int runs = runCount(shape, limits);
    std::vector<SearchResult> results(static_cast<std::size_t>(runs));
    search::runInParallel(runs, [&](int run) {
        Random random(runSeed(limits.seed, run));
        CoverageState state = startingState(shape, rows, start, fixed, random);
        Annealer annealer(state, random);
        SearchResult& result = results[std::size_t(run)];
        if (annealer.run([&] { return control.shouldStop(run); }, &result.blocks))
            control.stopAll();
        result.uncoveredDraws = annealer.bestCount();
    });
    return *std::min_element(results.begin(), results.end(), [](const auto& a, const auto& b) {
        return a.uncoveredDraws < b.uncoveredDraws;
    });
}

}  // namespace lorvex::builder
