#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/analysis/fast/moment_table.h"
#include "core/analysis/fast/moments.h"
#include "core/analysis/progress_cursor.h"
#include "core/system/system_table.h"

namespace lorvex::fast {

using Draw = std::array<int, MAX_SET_SIZE>;

// Walks every draw of k numbers (0..6) out of 1..M in lexicographic order and hands each one,
// with its packed moments, to `sink(const Draw&, std::uint64_t moments)`; only the first k
// numbers of the draw are set. Tells the progress cursor each triple d1 < d2 < d3 that a draw
// continues, with the number of draws it leads to; the cursor fills in the others.
//
// Data flow: the MomentTable (read only) holds, per set of numbers, what rows contribute to
// the moments of any draw containing it. Level i (the loop choosing d_i) keeps in levels_, for
// each set Q of up to three numbers above d_i, the sum of the table counts of Q joined with any
// subset of d1..d_i. Choosing d_i = a adds to the previous level's sums for Q the sums for
// {a} + Q: both are contiguous runs in lexicographic order (see SubsetIndex), so a level costs
// a few vector additions per prefix, whatever the number of rows. The last two levels are
// fused: a draw's moments are the level k - 2 sums of the empty set, {d_(k-1)}, {d_k} and
// {d_(k-1), d_k}.
//
// Four-number sets Q are the exception: {a} + Q has five numbers, or six with an earlier d_j in
// front, and the table lists those few sets one by one. The table hands its four-set counts to
// the walk's fourSetSums_ when it is built; the walk adds those sets' counts to them while
// level i is current and takes them off again by subtraction when it is left, so that the sums
// of the largest sets are never copied.
template <class Sink>
class DrawWalk {
public:
    DrawWalk(const SystemTable& system, int drawSize, ProgressObserver& observer, Sink& sink)
        : k_(drawSize), m_(system.highestNumber()), progress_(observer, m_), sink_(sink) {
        if (m_ < k_) return;
        table_.emplace(system, drawSize, fourSetSums_);
        for (int level = 1; level <= k_ - 2; ++level) {
            for (int size = 0; size <= std::min(k_ - level, MAX_DENSE_SET - 1); ++size) {
                levels_[level][size].resize(index().count(size) * MOMENT_LANES);
            }
        }
    }

    void run() {
        if (table_) walkDraws();
        progress_.finish();
    }

private:
    const SubsetIndex& index() const { return table_->index(); }

    // The sums of `level` for sets of `size` numbers, MOMENT_LANES each; level 0 is the table.
    // Every level reads the same four-set sums.
    const std::uint16_t* lanes(int level, int size) const {
        if (size == MAX_DENSE_SET) return fourSetSums_.data();
        if (level == 0) return table_->lanes(size);
        return levels_[level][size].data();
    }

    void walkDraws() {
        if (k_ >= 3) {
            walkLevel(1, 1);
        } else if (k_ == 2) {
            walkLastTwo(1);
        } else {
            walkShortDraws();
        }
    }

    void walkLevel(int level, int first) {
        // Levels run from 1 to k - 2; saying so keeps the compiler from following the recursion
        // past the arrays (GCC 12 warns about the levels it cannot rule out).
        if (level > MAX_SET_SIZE - 2) return;
        const int last = m_ - (k_ - level);  // beyond it no draw continues the prefix
        for (int a = first; a <= last; ++a) {
            draw_[level - 1] = a;
            if (level == 3) reportThird(a);
            advance(level, a);
            if (level + 1 == k_ - 1) {
                walkLastTwo(a + 1);
            } else {
                walkLevel(level + 1, a + 1);
            }
            if (k_ - level >= MAX_DENSE_SET) takeOffLargeSets(level, a);
        }
    }

    // The hot loop: the members it needs are read into locals once, since the compiler cannot
    // tell that the sink's stores leave them alone.
    void walkLastTwo(int first) {
        const int level = k_ - 2;
        const int m = m_;
        const bool eachDrawHasItsOwnThird = k_ == 3;
        int& last = draw_[k_ - 1];
        const std::uint16_t* singles = lanes(level, 1);
        const std::uint16_t* pairs = lanes(level, 2);
        const std::uint64_t prefix = loadMoments(lanes(level, 0));
        for (int a = first; a < m; ++a) {
            draw_[k_ - 2] = a;
            if (k_ == 4) reportThird(a);
            const std::uint64_t withA =
                addMoments(prefix, loadMoments(singles + (a - 1) * MOMENT_LANES));
            const std::uint16_t* pairsWithA =
                pairs + index().firstStartingWith(2, a) * MOMENT_LANES;
            for (int x = a + 1; x <= m; ++x) {
                last = x;
                if (eachDrawHasItsOwnThird) reportThird(x);
                const std::uint64_t withX =
                    addMoments(loadMoments(singles + (x - 1) * MOMENT_LANES),
                               loadMoments(pairsWithA + (x - a - 1) * MOMENT_LANES));
                sink_(draw_, addMoments(withA, withX));
            }
        }
    }

    // k = 1: each number on its own; k = 0: the one empty draw.
    void walkShortDraws() {
        const std::uint64_t empty = loadMoments(lanes(0, 0));
        if (k_ == 0) {
            sink_(draw_, empty);
            return;
        }
        const std::uint16_t* singles = lanes(0, 1);
        for (int a = 1; a <= m_; ++a) {
            draw_[0] = a;
            sink_(draw_, addMoments(empty, loadMoments(singles + (a - 1) * MOMENT_LANES)));
        }
    }

    // Level `level` takes d_level = a: for every set Q above a of up to k - level numbers,
    // sums[Q] = previous[Q] + previous[{a} + Q].
    void advance(int level, int a) {
        for (int size = 0; size <= std::min(k_ - level, MAX_DENSE_SET - 1); ++size) {
            const std::size_t count = index().setsAbove(size, a) * MOMENT_LANES;
            const std::size_t from = index().firstAbove(size, a) * MOMENT_LANES;
            const std::uint16_t* previous = lanes(level - 1, size) + from;
            const std::uint16_t* withA =
                lanes(level - 1, size + 1) + index().firstStartingWith(size + 1, a) * MOMENT_LANES;
            std::uint16_t* sums = levels_[level][size].data() + from;
            for (std::size_t i = 0; i < count; ++i) sums[i] = std::uint16_t(previous[i] + withA[i]);
        }
        if (k_ - level >= MAX_DENSE_SET) addLargeSets(level, a);
    }

    // The counts of the five- and six-number sets {a} + Q and {d_j, a} + Q go to the four-set
    // sums of Q while this level is current. Four-set sums that start with a, which this level
    // has just read, are left alone.
    void addLargeSets(int level, int a) {
        forEachLargeSet(level, a, [](std::uint16_t& sum, std::uint16_t count) {
            sum = std::uint16_t(sum + count);
        });
    }

    void takeOffLargeSets(int level, int a) {
        forEachLargeSet(level, a, [](std::uint16_t& sum, std::uint16_t count) {
            sum = std::uint16_t(sum - count);
        });
    }

    template <class Apply>
    void forEachLargeSet(int level, int a, Apply apply) {
        std::uint16_t* sums = fourSetSums_.data();
        for (const FiveSet& set : table_->fiveSetsStartingWith(a)) {
            std::uint16_t* lanesOfRest = sums + set.restRank * MOMENT_LANES;
            apply(lanesOfRest[C5], set.c5);
            apply(lanesOfRest[C6], set.c6);
        }
        for (int earlier = 0; earlier < level - 1; ++earlier) {
            for (const SixSet& set : table_->sixSetsStartingWith(draw_[earlier], a)) {
                apply(sums[set.restRank * MOMENT_LANES + C6], set.c6);
            }
        }
    }

    void reportThird(int d3) {
        progress_.reachThird(draw_[0], draw_[1], d3);
        progress_.drawsReached(std::int64_t(binomial(m_ - d3, k_ - 3)));
    }

    const int k_;
    const int m_;
    ProgressCursor progress_;
    Sink& sink_;
    std::optional<const MomentTable> table_;
    // levels_[i][size]: the sums of level i for sets of up to three numbers.
    std::array<std::array<std::vector<std::uint16_t>, MAX_DENSE_SET>, MAX_SET_SIZE> levels_;
    // The four-set counts from the table plus the larger sets of the current prefix.
    std::vector<std::uint16_t> fourSetSums_;
    Draw draw_{};
};

}  // namespace lorvex::fast
