#include <algorithm>
#include <atomic>
#include <mutex>
#include <new>
#include <numeric>

#include "builder/design/bounds.h"
#include "builder/design/tuning.h"
#include "builder/orbits/orbit_parts.h"
#include "builder/search/parallel_runs.h"

namespace lorvex::builder {

namespace {

bool withSmallGroups(const DesignShape& shape, Deadline deadline) {
    if (shape.points > tuning::SMALL_GROUPS_UP_TO_POINTS) return false;
    if (BINOMIALS.value[shape.points][shape.drawSize] >= tuning::SMALL_GROUPS_FROM_DRAWS)
        return true;
    return shape.guarantee < shape.drawSize &&
           deadline.left() >= tuning::SMALL_GROUPS_BELOW_DRAWS_TIME;
}

std::uint64_t perThread(std::uint64_t work, int threads) {
    return work / std::uint64_t(std::max(threads, 1));
}

// Orbit designs for several groups on several threads, each thread keeping its smallest, each run
// with room for `runWork` entries in its orbit lists; a design at the lower bound stops every run.
class GroupRace {
public:
    GroupRace(const DesignShape& shape, std::vector<PermutationGroup> groups, std::uint64_t seed,
              int threads, std::uint64_t runWork)
        : shape_(shape),
          groups_(std::move(groups)),
          seed_(seed),
          threads_(std::max(threads, 1)),
          maxWork_(runWork),
          bound_(lowerBound(shape)),
          best_(static_cast<std::size_t>(threads_)),
          smallest_(groups_.size(), SIZE_MAX) {}

    std::vector<std::size_t> everyGroup() const {
        std::vector<std::size_t> every(groups_.size());
        std::iota(every.begin(), every.end(), std::size_t{0});
        return every;
    }
    bool over(Deadline deadline) const { return boundReached_ || deadline.passed(); }

    // One design for each group in `alive` (for the first ones again, from other seeds,
    // while there are fewer groups than threads), sharing the time until `end`. Remembers the
    // smallest size each group gave; whether any gave one.
    bool round(const std::vector<std::size_t>& alive, std::uint64_t index, Deadline end) {
        if (alive.empty()) return false;
        const std::size_t runs = std::max(alive.size(), std::size_t(threads_));
        std::vector<std::size_t> sizes(runs, SIZE_MAX);
        search::runInParallel(threads_, [&](int thread) {
            const auto step = std::size_t(threads_);
            for (std::size_t run = std::size_t(thread); run < runs; run += step) {
                if (over(end)) return;
                const auto left = int((runs - run + step - 1) / step);
                const std::uint64_t seed = seed_ + index * step + std::size_t(thread);
                const Deadline runEnd = end.share(left);
                // A run's share is for its search; on a slow machine making the orbits may
                // take longer, and a greedy design is still worth having while the round lasts.
                std::optional<std::vector<Block>> design;
                try {
                    design = orbitDesignWithin(
                        shape_, groups_[alive[run % alive.size()]], seed, maxWork_,
                        [&] { return over(end); }, [&] { return over(runEnd); });
                } catch (const std::bad_alloc&) {
                    return;  // too little memory for this thread's tables: the other
                             // constructions and the search still make a system
                }
                if (design && !design->empty()) sizes[run] = keep(thread, std::move(*design));
            }
        });
        for (std::size_t run = 0; run < runs; ++run) {
            std::size_t& smallest = smallest_[alive[run % alive.size()]];
            smallest = std::min(smallest, sizes[run]);
        }
        return std::any_of(sizes.begin(), sizes.end(),
                           [](std::size_t size) { return size != SIZE_MAX; });
    }

    // The better half of `alive` by the sizes the groups gave, but as many groups tied with
    // the best as there are threads: which of them wins shows only in longer runs (17 numbers
    // "3 wenn 4": six transpositions give 20 rows in two runs of three, five transpositions
    // never; both give 21 in the rounds' short runs). Those that gave none go.
    void halve(std::vector<std::size_t>& alive) const {
        std::erase_if(alive, [&](std::size_t group) { return smallest_[group] == SIZE_MAX; });
        std::stable_sort(alive.begin(), alive.end(),
                         [&](std::size_t a, std::size_t b) { return smallest_[a] < smallest_[b]; });
        const std::size_t tied = std::min(tiedWithBest(alive), std::size_t(threads_));
        alive.resize(std::max((alive.size() + 1) / 2, tied));
    }

    // Whether the groups in `alive`, sorted by halve(), are tied and each has a thread of its
    // own: the rounds would not tell them apart.
    bool tiedOnThreads(const std::vector<std::size_t>& alive) const {
        return alive.size() <= std::size_t(threads_) && tiedWithBest(alive) == alive.size();
    }

    std::vector<Block> smallestDesign() {
        std::vector<Block> smallest;
        for (std::vector<Block>& design : best_) {
            if (!design.empty() && (smallest.empty() || design.size() < smallest.size()))
                smallest = std::move(design);
        }
        return smallest;
    }

private:
    std::size_t tiedWithBest(const std::vector<std::size_t>& sorted) const {
        if (sorted.empty()) return 0;
        const std::size_t best = smallest_[sorted.front()];
        return std::size_t(std::count_if(sorted.begin(), sorted.end(), [&](std::size_t group) {
            return smallest_[group] == best;
        }));
    }

    std::size_t keep(int thread, std::vector<Block> design) {
        const std::size_t size = design.size();
        std::vector<Block>& mine = best_[std::size_t(thread)];
        if (mine.empty() || size < mine.size()) mine = std::move(design);
        if (size <= bound_) boundReached_.store(true, std::memory_order_relaxed);
        return size;
    }

    const DesignShape shape_;
    const std::vector<PermutationGroup> groups_;
    const std::uint64_t seed_;
    const int threads_;
    const std::uint64_t maxWork_;
    const std::uint64_t bound_;
    std::atomic<bool> boundReached_{false};
    std::vector<std::vector<Block>> best_;  // per thread
    std::vector<std::size_t> smallest_;     // per group, over all its runs
};

// One run for each group turning cycles of two lengths, all sharing the time until `end`:
// their designs come out best after a second or more, longer than the race's rounds give a
// run (20 numbers "4 wenn 6" take 59 rows under four 3-cycles and four 2-cycles after 0.6 s,
// 82 after 0.3 s).
std::vector<Block> twoLengthDesign(const DesignShape& shape, Deadline end, std::uint64_t seed,
                                   int threads) {
    GroupRace race(
        shape, twoLengthGroups(shape.points), seed, threads,
        std::min(tuning::TWO_LENGTHS_RUN_WORK, perThread(tuning::TWO_LENGTHS_WORK, threads)));
    race.round(race.everyGroup(), 0, end);
    return race.smallestDesign();
}

// The work one run under three turned triples needs: its lists of orbits.
std::uint64_t threeTripleWork(const DesignShape& shape) {
    return subsetOrbits(threeTripleTurn(shape.points), shape.drawSize).representative.size() *
           blocksPerDraw(shape);
}

bool threeTriplesWorthTrying(const DesignShape& shape, Deadline deadline) {
    return shape.points > tuning::SMALL_GROUPS_UP_TO_POINTS &&
           shape.points <= tuning::THREE_TRIPLES_UP_TO_POINTS &&
           shape.drawSize == tuning::THREE_TRIPLES_FOR_DRAWS && shape.guarantee < shape.drawSize &&
           deadline.left() >= tuning::THREE_TRIPLES_FROM_TIME;
}

// Runs under three turned triples until `end`, on as many threads as their lists fit in, a
// run from a new seed wherever one ends without gaining any more (after some 25 s on 25
// numbers); nothing when not even one run fits.
std::vector<Block> threeTripleDesign(const DesignShape& shape, Deadline end, std::uint64_t seed,
                                     int threads) {
    const std::uint64_t work = threeTripleWork(shape);
    if (work > tuning::THREE_TRIPLES_WORK) return {};
    const auto runs = int(std::min<std::uint64_t>(std::uint64_t(std::max(threads, 1)),
                                                  tuning::THREE_TRIPLES_WORK / work));
    GroupRace race(shape, {threeTripleTurn(shape.points)}, seed, runs, work);
    for (std::uint64_t round = 0; !race.over(end); ++round) {
        if (!race.round(race.everyGroup(), round, end)) break;
    }
    return race.smallestDesign();
}

bool twoLengthsWorthTrying(const DesignShape& shape, Deadline deadline) {
    return shape.points <= tuning::TWO_LENGTHS_UP_TO_POINTS && shape.guarantee < shape.drawSize &&
           shape.drawSize != tuning::TWO_LENGTHS_NOT_FOR_DRAWS &&
           deadline.left() >= tuning::TWO_LENGTHS_FROM_TIME;
}

}  // namespace

std::vector<Block> bestOrbitDesign(const DesignShape& shape, Deadline deadline, std::uint64_t seed,
                                   int threads) {
    if (!orbitDesignAffordable(shape)) return {};
    if (threeTriplesWorthTrying(shape, deadline)) {
        std::vector<Block> design = threeTripleDesign(shape, deadline, seed, threads);
        if (!design.empty()) return design;
    }
    const bool smallGroups = withSmallGroups(shape, deadline);
    std::vector<Block> twoLengths;
    if (twoLengthsWorthTrying(shape, deadline)) {
        twoLengths =
            twoLengthDesign(shape, deadline.share(1, tuning::TWO_LENGTHS_SHARE), seed, threads);
        if (!twoLengths.empty() && twoLengths.size() <= lowerBound(shape)) return twoLengths;
    }
    GroupRace race(shape, candidateGroups(shape.points, smallGroups), seed, threads,
                   perThread(tuning::MAX_ORBIT_WORK, threads));
    std::vector<std::size_t> alive = race.everyGroup();
    // On many points only the large groups, last in the list, leave few enough orbits.
    if (BINOMIALS.value[shape.points][shape.drawSize] > tuning::LARGE_GROUPS_FIRST_ABOVE_DRAWS) {
        std::reverse(alive.begin(), alive.end());
    }
    // Successive halving: each round shares half the time left for the rounds among the
    // groups still in the race and keeps the better half of them for the next; the last group
    // left (or those left when the rounds' time is up, or tied ones, a thread each) runs from
    // further seeds on every thread until the deadline.
    const Deadline rounds =
        deadline.share(tuning::RACE_WINNER_SHARE - 1, tuning::RACE_WINNER_SHARE);
    for (std::uint64_t round = 0; !alive.empty() && !race.over(deadline); ++round) {
        const bool last =
            alive.size() == 1 || rounds.passed() || (round > 0 && race.tiedOnThreads(alive));
        race.round(alive, round, last ? deadline : rounds.share(2));
        race.halve(alive);
    }
    std::vector<Block> raced = race.smallestDesign();
    if (twoLengths.empty() || (!raced.empty() && raced.size() <= twoLengths.size())) return raced;
    return twoLengths;
}

}  // namespace lorvex::builder
