#include "builder/orbits/orbit_designs.h"
#include "builder/design/tuning.h"

#include <algorithm>
#include <atomic>
#include <functional>
#include <limits>
#include <map>
#include <new>
#include <numeric>
#include <queue>

#include "builder/design/bounds.h"
#include "builder/design/subsets.h"
#include "builder/search/parallel_runs.h"
#include "builder/search/random.h"

namespace lorvex::builder {

namespace {

std::uint32_t findRoot(std::vector<std::uint32_t>& parent, std::uint32_t x) {
    while (parent[x] != x) {
        parent[x] = parent[parent[x]];
        x = parent[x];
    }
    return x;
}

// Calls visit(block) for every block of `blockSize` points that meets `draw` in at least
// `guarantee` points.
template <typename Visit>
void forEachReachingBlock(const DesignShape& shape, Block draw, Visit&& visit) {
    forEachSetMeeting(shape.points, draw, shape.blockSize, shape.guarantee, visit);
}

// How many blocks meet one draw in `guarantee` points or more.
std::uint64_t blocksPerDraw(const DesignShape& shape) {
    return setsMeeting(shape.points, shape.drawSize, shape.blockSize, shape.guarantee);
}

// For each orbit of draws, the orbits of blocks that reach its representative (each once).
std::vector<std::vector<std::uint32_t>> reachingOrbits(const DesignShape& shape,
                                                       const SubsetOrbits& draws,
                                                       const SubsetOrbits& blocks) {
    std::vector<std::vector<std::uint32_t>> reaching(draws.representative.size());
    std::vector<std::uint32_t> seenAt(blocks.representative.size(), UINT32_MAX);
    for (std::uint32_t d = 0; d < draws.representative.size(); ++d) {
        forEachReachingBlock(shape, draws.representative[d], [&](Block block) {
            const std::uint32_t orbit = blocks.orbitOfRank[subsetRank(block)];
            if (seenAt[orbit] == d) return;
            seenAt[orbit] = d;
            reaching[d].push_back(orbit);
        });
    }
    return reaching;
}

std::vector<Block> orbitMembers(const SubsetOrbits& blocks, int points,
                                const std::vector<bool>& chosen) {
    std::vector<Block> members;
    std::uint64_t rank = 0;
    forEachSubset(points, blocks.size, [&](Block set) {
        if (chosen[blocks.orbitOfRank[rank++]]) members.push_back(set);
    });
    return members;
}

// The orbits of draws each orbit of blocks reaches.
std::vector<std::vector<std::uint32_t>> reachedBy(
    std::size_t blockOrbits, const std::vector<std::vector<std::uint32_t>>& reaching) {
    std::vector<std::vector<std::uint32_t>> reaches(blockOrbits);
    for (std::uint32_t d = 0; d < reaching.size(); ++d) {
        for (const std::uint32_t b : reaching[d]) reaches[b].push_back(d);
    }
    return reaches;
}

// Greedy weighted set cover: draws' orbits weigh their size, blocks' orbits cost theirs.
std::vector<std::uint32_t> greedyCover(const SubsetOrbits& draws, const SubsetOrbits& blocks,
                                       const std::vector<std::vector<std::uint32_t>>& reaches) {
    const std::size_t blockOrbits = blocks.representative.size();

    std::vector<bool> reached(draws.representative.size(), false);
    auto gain = [&](std::uint32_t b) {
        double weight = 0;
        for (const std::uint32_t d : reaches[b]) {
            if (!reached[d]) weight += draws.orbitSize[d];
        }
        return weight / blocks.orbitSize[b];
    };
    std::priority_queue<std::pair<double, std::uint32_t>> queue;
    for (std::uint32_t b = 0; b < blockOrbits; ++b) {
        if (!reaches[b].empty()) queue.push({gain(b), b});
    }
    std::vector<std::uint32_t> chosen;
    std::size_t unreached = reached.size();
    while (unreached > 0 && !queue.empty()) {
        const auto [score, b] = queue.top();
        queue.pop();
        const double now = gain(b);
        if (now <= 0) continue;
        if (now < score && !queue.empty() && now < queue.top().first) {
            queue.push({now, b});  // stale score: try again where it belongs now
            continue;
        }
        chosen.push_back(b);
        for (const std::uint32_t d : reaches[b]) {
            if (!reached[d]) --unreached;
            reached[d] = true;
        }
    }
    return chosen;
}

// Drops chosen orbits whose draws the others reach too, the largest first.
void dropRedundant(std::vector<std::uint32_t>& chosen, const SubsetOrbits& draws,
                   const SubsetOrbits& blocks,
                   const std::vector<std::vector<std::uint32_t>>& reaches) {
    std::vector<std::uint32_t> reachCount(draws.representative.size(), 0);
    for (const std::uint32_t b : chosen) {
        for (const std::uint32_t d : reaches[b]) ++reachCount[d];
    }
    std::sort(chosen.begin(), chosen.end(), [&](std::uint32_t a, std::uint32_t b) {
        return blocks.orbitSize[a] > blocks.orbitSize[b];
    });
    std::erase_if(chosen, [&](std::uint32_t b) {
        for (const std::uint32_t d : reaches[b]) {
            if (reachCount[d] < 2) return false;
        }
        for (const std::uint32_t d : reaches[b]) --reachCount[d];
        return true;
    });
}

// Weighted tabu search over whole orbits. Below the best size found, it adds an orbit that
// reaches a random unreached orbit of draws and gains most weight, then takes out the chosen
// orbits that lose least until the design is smaller than the best again; the weights of the
// orbits of draws left unreached grow each step, so long-unreached ones pull harder.
class OrbitCoverSearch {
public:
    OrbitCoverSearch(const SubsetOrbits& draws, const SubsetOrbits& blocks,
                     const std::vector<std::vector<std::uint32_t>>& reaching,
                     const std::vector<std::vector<std::uint32_t>>& reaches, std::uint64_t seed)
        : blocks_(blocks),
          reaching_(reaching),
          reaches_(reaches),
          random_(seed),
          reachCount_(draws.representative.size(), 0),
          weight_(draws.representative.size(), 1),
          chosen_(blocks.representative.size(), false),
          tabuUntil_(blocks.representative.size(), 0) {}

    std::vector<std::uint32_t> improve(const std::vector<std::uint32_t>& start,
                                       const std::function<bool()>& stop,
                                       std::uint64_t lowerBound) {
        for (const std::uint32_t b : start) add(b);
        std::vector<std::uint32_t> best = start;
        std::size_t bestCount = count_;
        std::uint64_t lastGain = 0;
        for (std::uint64_t step = 0; step - lastGain < tuning::STEPS_WITHOUT_GAIN; ++step) {
            if (unreached_.empty()) {
                if (count_ < bestCount) {
                    bestCount = count_;
                    best = chosenList();
                    lastGain = step;
                }
                if (bestCount <= lowerBound) break;
                shrinkBelow(bestCount, UINT32_MAX, step);
                continue;
            }
            if ((step & 63) == 0 && stop()) break;
            const std::uint32_t draw = unreached_[random_.below(std::uint32_t(unreached_.size()))];
            const std::uint32_t added = bestAddition(draw, bestCount, step);
            if (added != UINT32_MAX) {
                add(added);
                tabuUntil_[added] = step + 2;
                shrinkBelow(bestCount, added, step);
            }
            for (const std::uint32_t d : unreached_) ++weight_[d];
        }
        return best;
    }

private:
    std::vector<std::uint32_t> chosenList() const {
        std::vector<std::uint32_t> list;
        for (std::uint32_t b = 0; b < chosen_.size(); ++b) {
            if (chosen_[b]) list.push_back(b);
        }
        return list;
    }

    void add(std::uint32_t b) {
        chosen_[b] = true;
        count_ += blocks_.orbitSize[b];
        for (const std::uint32_t d : reaches_[b]) {
            if (reachCount_[d]++ == 0) std::erase(unreached_, d);
        }
    }

    void remove(std::uint32_t b) {
        chosen_[b] = false;
        count_ -= blocks_.orbitSize[b];
        for (const std::uint32_t d : reaches_[b]) {
            if (--reachCount_[d] == 0) unreached_.push_back(d);
        }
    }

    // The weight of unreached orbits of draws that orbit b would reach.
    std::uint64_t gain(std::uint32_t b) const {
        std::uint64_t sum = 0;
        for (const std::uint32_t d : reaches_[b]) {
            if (reachCount_[d] == 0) sum += weight_[d];
        }
        return sum;
    }

    // The weight of orbits of draws that only orbit b reaches.
    std::uint64_t loss(std::uint32_t b) const {
        std::uint64_t sum = 0;
        for (const std::uint32_t d : reaches_[b]) {
            if (reachCount_[d] == 1) sum += weight_[d];
        }
        return sum;
    }

    std::uint32_t bestAddition(std::uint32_t draw, std::size_t bestCount, std::uint64_t step) {
        std::uint32_t best = UINT32_MAX;
        // The most weight gained per block; scores are its opposite.
        search::TieBreak<double> most(random_, 1.0);
        for (const std::uint32_t b : reaching_[draw]) {
            if (chosen_[b] || tabuUntil_[b] > step || blocks_.orbitSize[b] >= bestCount) continue;
            if (most.offer(-double(gain(b)) / double(blocks_.orbitSize[b]))) best = b;
        }
        return best;
    }

    // Takes out chosen orbits (never `kept`), those losing least weight per block first, until
    // the design has fewer blocks than `bestCount`.
    void shrinkBelow(std::size_t bestCount, std::uint32_t kept, std::uint64_t step) {
        while (count_ >= bestCount) {
            std::uint32_t worst = UINT32_MAX;
            // The least weight lost per block.
            search::TieBreak<double> least(random_, std::numeric_limits<double>::infinity());
            for (std::uint32_t b = 0; b < chosen_.size(); ++b) {
                if (!chosen_[b] || b == kept) continue;
                if (least.offer(double(loss(b)) / double(blocks_.orbitSize[b]))) worst = b;
            }
            if (worst == UINT32_MAX) return;
            remove(worst);
            tabuUntil_[worst] = step + 1 + random_.below(4);
        }
    }

    const SubsetOrbits& blocks_;
    const std::vector<std::vector<std::uint32_t>>& reaching_;
    const std::vector<std::vector<std::uint32_t>>& reaches_;
    search::Random random_;  // the same numbers with every standard library
    std::vector<std::uint32_t> reachCount_;
    std::vector<std::uint64_t> weight_;
    std::vector<bool> chosen_;
    std::vector<std::uint64_t> tabuUntil_;
    std::vector<std::uint32_t> unreached_;
    std::size_t count_ = 0;
};

struct ExactCoverSearch {
    // For each orbit of blocks: (orbit of t-sets, how many of its blocks hold the representative).
    std::vector<std::vector<std::pair<std::uint32_t, std::uint32_t>>> columns;
    std::vector<std::vector<std::uint32_t>> columnsOfRow;
    std::vector<std::uint32_t> load;
    std::vector<bool> chosen;
    std::uint64_t steps = 0;

    bool fits(std::uint32_t c) const {
        for (const auto& [row, count] : columns[c]) {
            if (load[row] + count > 1) return false;
        }
        return true;
    }

    void add(std::uint32_t c, int sign) {
        for (const auto& [row, count] : columns[c]) load[row] += std::uint32_t(sign) * count;
        chosen[c] = sign > 0;
    }

    bool solve() {
        if (++steps > 2'000'000) return false;
        std::size_t best = SIZE_MAX;
        std::uint32_t bestRow = 0;
        for (std::uint32_t row = 0; row < load.size(); ++row) {
            if (load[row] != 0) continue;
            std::size_t options = 0;
            for (const std::uint32_t c : columnsOfRow[row]) options += fits(c) ? 1 : 0;
            if (options < best) {
                best = options;
                bestRow = row;
            }
        }
        if (best == SIZE_MAX) return true;
        for (const std::uint32_t c : columnsOfRow[bestRow]) {
            if (!fits(c)) continue;
            add(c, 1);
            if (solve()) return true;
            add(c, -1);
        }
        return false;
    }
};

}  // namespace

SubsetOrbits subsetOrbits(const PermutationGroup& group, int size) {
    const int points = group.points;
    const std::uint64_t count = BINOMIALS.value[points][size];
    std::vector<std::uint32_t> parent(count);
    std::iota(parent.begin(), parent.end(), 0u);
    std::uint64_t rank = 0;
    forEachSubset(points, size, [&](Block set) {
        for (const Permutation& generator : group.generators) {
            const std::uint32_t a = findRoot(parent, std::uint32_t(rank));
            const std::uint32_t b =
                findRoot(parent, std::uint32_t(subsetRank(applyPermutation(generator, set))));
            if (a != b) parent[std::max(a, b)] = std::min(a, b);
        }
        ++rank;
    });
    SubsetOrbits orbits;
    orbits.size = size;
    orbits.orbitOfRank.resize(count);
    rank = 0;
    forEachSubset(points, size, [&](Block set) {
        const std::uint32_t root = findRoot(parent, std::uint32_t(rank));
        if (root == rank) {
            orbits.orbitOfRank[rank] = std::uint32_t(orbits.representative.size());
            orbits.representative.push_back(set);
            orbits.orbitSize.push_back(0);
        } else {
            orbits.orbitOfRank[rank] = orbits.orbitOfRank[root];
        }
        ++orbits.orbitSize[orbits.orbitOfRank[rank]];
        ++rank;
    });
    return orbits;
}

bool orbitDesignAffordable(const DesignShape& shape) {
    const auto [v, k, m, t] = shape;
    if (t <= 0 || m > v || k > v) return false;
    if (BINOMIALS.value[v][k] > tuning::MAX_RANKED_SETS ||
        BINOMIALS.value[v][m] > tuning::MAX_RANKED_SETS) {
        return false;
    }
    // Even PSL(2,q), the largest group tried, of order about v^3/2, would leave too many.
    const std::uint64_t largestGroup = std::uint64_t(v) * std::uint64_t(v) * std::uint64_t(v) / 2;
    return BINOMIALS.value[v][m] / largestGroup * blocksPerDraw(shape) <= tuning::MAX_ORBIT_WORK;
}

namespace {

// orbitDesign with the lists of orbits bounded by `maxWork` entries: nothing when abandon()
// says so before the greedy design is made, then improved until stop() says so.
std::optional<std::vector<Block>> orbitDesignWithin(const DesignShape& shape,
                                                    const PermutationGroup& group,
                                                    std::uint64_t seed, std::uint64_t maxWork,
                                                    const std::function<bool()>& abandon,
                                                    const std::function<bool()>& stop) {
    if (!orbitDesignAffordable(shape)) return std::nullopt;
    const SubsetOrbits draws = subsetOrbits(group, shape.drawSize);
    // Small groups leave too many orbits of draws on many points.
    if (draws.representative.size() * blocksPerDraw(shape) > maxWork) return std::nullopt;
    if (abandon()) return std::nullopt;
    const SubsetOrbits blocks = subsetOrbits(group, shape.blockSize);
    if (abandon()) return std::nullopt;
    const auto reaching = reachingOrbits(shape, draws, blocks);
    const auto reaches = reachedBy(blocks.representative.size(), reaching);
    std::vector<std::uint32_t> start = greedyCover(draws, blocks, reaches);
    dropRedundant(start, draws, blocks, reaches);
    OrbitCoverSearch search(draws, blocks, reaching, reaches, seed);
    const std::vector<std::uint32_t> best = search.improve(start, stop, lowerBound(shape));
    std::vector<bool> chosen(blocks.representative.size(), false);
    for (const std::uint32_t b : best) chosen[b] = true;
    return orbitMembers(blocks, shape.points, chosen);
}

}  // namespace

std::optional<std::vector<Block>> orbitDesign(const DesignShape& shape,
                                              const PermutationGroup& group, std::uint64_t seed,
                                              Deadline deadline) {
    const auto late = [&] { return deadline.passed(); };
    return orbitDesignWithin(shape, group, seed, tuning::MAX_ORBIT_WORK, late, late);
}

std::optional<std::vector<Block>> orbitSteinerSystem(int points, int blockSize, int strength,
                                                     const PermutationGroup& group) {
    const DesignShape shape{points, blockSize, strength, strength};
    const SubsetOrbits sets = subsetOrbits(group, strength);
    const SubsetOrbits blocks = subsetOrbits(group, blockSize);
    ExactCoverSearch search;
    search.columns.resize(blocks.representative.size());
    search.columnsOfRow.resize(sets.representative.size());
    for (std::uint32_t row = 0; row < sets.representative.size(); ++row) {
        std::map<std::uint32_t, std::uint32_t> counts;
        forEachReachingBlock(shape, sets.representative[row],
                             [&](Block block) { ++counts[blocks.orbitOfRank[subsetRank(block)]]; });
        for (const auto& [column, count] : counts) {
            search.columns[column].push_back({row, count});
            search.columnsOfRow[row].push_back(column);
        }
    }
    search.load.assign(sets.representative.size(), 0);
    search.chosen.assign(blocks.representative.size(), false);
    if (!search.solve()) return std::nullopt;
    return orbitMembers(blocks, points, search.chosen);
}

namespace {

// Orbit designs for several groups on several threads, each thread keeping its smallest; a
// design at the lower bound stops every run.
class GroupRace {
public:
    GroupRace(const DesignShape& shape, std::uint64_t seed, int threads)
        : shape_(shape),
          groups_(candidateGroups(shape.points)),
          seed_(seed),
          threads_(std::max(threads, 1)),
          maxWork_(tuning::MAX_ORBIT_WORK / std::uint64_t(threads_)),
          bound_(lowerBound(shape)),
          best_(static_cast<std::size_t>(threads_)),
          smallest_(groups_.size(), SIZE_MAX) {}

    std::size_t groupCount() const { return groups_.size(); }
    bool over(Deadline deadline) const { return boundReached_ || deadline.passed(); }

    // One design for each group in `alive` (for the first ones again, from other seeds,
    // while there are fewer groups than threads), sharing the time until `end`. Remembers the
    // smallest size each group gave.
    void round(const std::vector<std::size_t>& alive, std::uint64_t index, Deadline end) {
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
    }

    // The better half of `alive` by the sizes the groups gave; those that gave none go.
    void halve(std::vector<std::size_t>& alive) const {
        std::erase_if(alive, [&](std::size_t group) { return smallest_[group] == SIZE_MAX; });
        std::stable_sort(alive.begin(), alive.end(),
                         [&](std::size_t a, std::size_t b) { return smallest_[a] < smallest_[b]; });
        alive.resize((alive.size() + 1) / 2);
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

}  // namespace

std::vector<Block> bestOrbitDesign(const DesignShape& shape, Deadline deadline, std::uint64_t seed,
                                   int threads) {
    if (!orbitDesignAffordable(shape)) return {};
    GroupRace race(shape, seed, threads);
    std::vector<std::size_t> alive(race.groupCount());
    std::iota(alive.begin(), alive.end(), std::size_t{0});
    // On many points only the large groups, last in the list, leave few enough orbits.
    if (BINOMIALS.value[shape.points][shape.drawSize] > tuning::LARGE_GROUPS_FIRST_ABOVE_DRAWS) {
        std::reverse(alive.begin(), alive.end());
    }
    // Successive halving: each round shares half the time left among the groups still in
    // the race and keeps the better half of them for the next; the last group left runs from
    // further seeds on every thread until the deadline.
    for (std::uint64_t round = 0; !alive.empty() && !race.over(deadline); ++round) {
        race.round(alive, round, alive.size() == 1 ? deadline : deadline.share(2));
        race.halve(alive);
    }
    return race.smallestDesign();
}

}  // namespace lorvex::builder
