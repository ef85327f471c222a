#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "fast_moment_table.h"
#include "fast_moments.h"
#include "progress_observer.h"
#include "system_table.h"

namespace lorvex::fast {

using Draw = std::array<int, MAX_SET_SIZE>;

// Walks every draw of k numbers out of 1..M in lexicographic order and hands each one, with its
// packed moments, to `sink(const Draw&, std::uint64_t moments)`; only the first k numbers of the
// draw are set. Reports progress exactly where the nested loops d1 < d2 < ... would: every value
// of d3, followed by the number of draws it leads to when there are any.
//
// Level i (the loop choosing d_i) keeps, for each set Q of up to k - i numbers above d_i, the sum
// of the table counts of Q joined with any subset of d1..d_i. Choosing d_i = a adds to the
// previous level's sums for Q the sums for {a} + Q: both are contiguous runs in lexicographic
// order (see SubsetIndex), so a level costs a few vector additions per prefix, whatever the
// number of rows. The last two levels are fused: a draw's moments are the level k - 2 sums of
// the empty set, {d_(k-1)}, {d_k} and {d_(k-1), d_k}.
//
// Four-number sets Q are the exception: {a} + Q has five numbers, or six with an earlier d_j in
// front, and the table lists those few sets one by one. Their counts are added to the table's
// own four-set sums in place while level i is current and taken off again when it is left, so
// that the sums of the largest sets are never copied.
template <class Sink>
class DrawWalk {
public:
    DrawWalk(const SystemTable& system, int blockSize, ProgressObserver& observer, Sink& sink)
        : k_(blockSize), m_(system.highestNumber()), observer_(observer), sink_(sink) {
        if (m_ < k_) return;
        table_.emplace(system, blockSize);
        for (int level = 1; level <= k_ - 2; ++level) {
            for (int size = 0; size <= std::min(k_ - level, MAX_DENSE_SET - 1); ++size) {
                levels_[level][size].resize(index().count(size) * MOMENT_LANES);
            }
        }
    }

    void run() {
        if (!table_) {
            walkTriplesWithoutDraws();
            return;
        }
        walkLevel(1, 1);
    }

private:
    const SubsetIndex& index() const { return table_->index(); }

    // The sums of `level` for sets of `size` numbers, MOMENT_LANES each; level 0 is the table.
    const std::uint16_t* lanes(int level, int size) const {
        if (level == 0 || size == MAX_DENSE_SET) return table_->lanes(size);
        return levels_[level][size].data();
    }

    void walkLevel(int level, int first) {
        for (int a = first; a <= m_; ++a) {
            draw_[level - 1] = a;
            if (level == 3) reportThird(a);
            if (a > m_ - (k_ - level)) {
                // No draw continues this prefix, but the loops down to d3 still report.
                if (level > 3) return;
                reportTriplesBelow(level);
                continue;
            }
            advance(level, a);
            if (level + 1 == k_ - 1) {
                walkLastTwo(a + 1);
            } else {
                walkLevel(level + 1, a + 1);
            }
            if (k_ - level >= MAX_DENSE_SET) addLargeSets(level, a, std::uint16_t(-1));
        }
    }

    void walkLastTwo(int first) {
        const int level = k_ - 2;
        const std::uint16_t* singles = lanes(level, 1);
        const std::uint16_t* pairs = lanes(level, 2);
        const std::uint64_t prefix = loadMoments(lanes(level, 0));
        for (int a = first; a <= m_; ++a) {
            draw_[k_ - 2] = a;
            if (k_ == 4) reportThird(a);
            const std::uint64_t withA =
                addMoments(prefix, loadMoments(singles + (a - 1) * MOMENT_LANES));
            const std::uint16_t* pairsWithA =
                pairs + index().firstStartingWith(2, a) * MOMENT_LANES;
            for (int x = a + 1; x <= m_; ++x) {
                draw_[k_ - 1] = x;
                if (k_ == 3) reportThird(x);
                const std::uint64_t withX =
                    addMoments(loadMoments(singles + (x - 1) * MOMENT_LANES),
                               loadMoments(pairsWithA + (x - a - 1) * MOMENT_LANES));
                sink_(draw_, addMoments(withA, withX));
            }
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
        if (k_ - level >= MAX_DENSE_SET) addLargeSets(level, a, 1);
    }

    // Adds (sign 1) or takes off (sign 0xFFFF) the counts of the five- and six-number sets
    // {a} + Q and {d_j, a} + Q to the four-set sums of Q. Four-set sums that start with a, which
    // this level has just read, are left alone.
    void addLargeSets(int level, int a, std::uint16_t sign) {
        std::uint16_t* sums = table_->fourSetSums();
        for (const FiveSet& set : table_->fiveSetsStartingWith(a)) {
            std::uint16_t* counts = sums + set.restRank * MOMENT_LANES;
            counts[2] = std::uint16_t(counts[2] + sign * set.c5);
            counts[3] = std::uint16_t(counts[3] + sign * set.c6);
        }
        for (int earlier = 0; earlier < level - 1; ++earlier) {
            for (const SixSet& set : table_->sixSetsStartingWith(draw_[earlier], a)) {
                std::uint16_t* counts = sums + set.restRank * MOMENT_LANES;
                counts[3] = std::uint16_t(counts[3] + sign * set.c6);
            }
        }
    }

    void reportThird(int d3) {
        observer_.thirdNumberChanged(draw_[0], draw_[1], d3);
        const std::size_t draws = SubsetIndex::binomial(m_ - d3, k_ - 3);
        if (draws > 0) observer_.drawsReached(std::int64_t(draws));
    }

    void reportTriplesBelow(int level) {
        if (level == 1) {
            for (int d2 = draw_[0] + 1; d2 <= m_; ++d2) {
                for (int d3 = d2 + 1; d3 <= m_; ++d3) {
                    observer_.thirdNumberChanged(draw_[0], d2, d3);
                }
            }
        } else if (level == 2) {
            for (int d3 = draw_[1] + 1; d3 <= m_; ++d3) {
                observer_.thirdNumberChanged(draw_[0], draw_[1], d3);
            }
        }
    }

    void walkTriplesWithoutDraws() {
        for (int d1 = 1; d1 <= m_; ++d1) {
            draw_[0] = d1;
            reportTriplesBelow(1);
        }
    }

    const int k_;
    const int m_;
    ProgressObserver& observer_;
    Sink& sink_;
    std::optional<MomentTable> table_;
    // levels_[i][size]: the sums of level i for sets of up to three numbers.
    std::array<std::array<std::vector<std::uint16_t>, MAX_DENSE_SET>, MAX_SET_SIZE> levels_;
    Draw draw_{};
};

}  // namespace lorvex::fast
