#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "core/analysis/fast/subset_index.h"
#include "core/system/system_table.h"

namespace lorvex::fast {

// The largest set kept in a dense table; C(49, 4) = 211,876 of them.
inline constexpr int MAX_DENSE_SET = 4;
static_assert(MAX_DENSE_SET + 2 == MAX_SET_SIZE,
              "beyond the dense table lie the five- and six-number sets only");
static_assert(binomial(MAX_SYSTEM_NUMBER, MAX_DENSE_SET) <= UINT32_MAX,
              "a 32-bit rank names every four-number set");

// A five-number set {first} + rest, as carried by a row: the rest by its rank among the
// four-number sets, and the counts for c5 and c6.
struct FiveSet {
    std::uint32_t restRank;
    std::uint16_t c5, c6;
};

// A six-number set {first, second} + rest: only c6 can count it.
struct SixSet {
    std::uint32_t restRank;
    std::uint16_t c6;
};

// The rows of a system boiled down for one draw size k, independent of the row count from
// here on: for every set S of up to k numbers and every j = 3..6, how many j-subsets of a row's
// six positions carry exactly the numbers of S, summed over all rows (modulo 2^16). A draw's
// moment c_j is then the sum of these counts over the subsets of the draw. A set carried by
// fewer positions than it has numbers cannot occur, and neither can one larger than k in a draw.
//
// Sets of up to four numbers are kept densely; the few sets of five and six numbers that rows
// carry (at most seven per row) are kept as lists grouped by their smallest numbers. The dense
// counts of the four-number sets go to the caller's `fourSetCounts` (laid out as `lanes(4)`
// would be), since a walk adds the larger sets to them for a while: the table itself is read
// only once built.
class MomentTable {
public:
    MomentTable(const SystemTable& system, int drawSize, std::vector<std::uint16_t>& fourSetCounts);

    const SubsetIndex& index() const { return index_; }
    // Sets of `size` numbers (0..min(k, 3)) in lexicographic order, MOMENT_LANES counts each.
    const std::uint16_t* lanes(int size) const { return lanes_[size].data(); }
    std::span<const FiveSet> fiveSetsStartingWith(int first) const {
        return group(fiveSets_, fiveStarts_, first);
    }
    std::span<const SixSet> sixSetsStartingWith(int first, int second) const {
        return group(sixSets_, sixStarts_, first * (MAX_SYSTEM_NUMBER + 1) + second);
    }

private:
    struct Grouped {
        int group;
        std::uint32_t restRank;
        std::uint16_t c5, c6;
    };
    // The counts as the rows are entered: dense ones by set size, five and six sets as listed.
    struct Collected {
        std::array<std::vector<std::uint16_t>, MAX_DENSE_SET + 1> dense;
        std::vector<Grouped> five, six;
    };

    void addRow(const SystemRow& row, std::uint16_t copies, Collected& collected) const;

    template <class Entry>
    static std::span<const Entry> group(const std::vector<Entry>& entries,
                                        const std::vector<std::uint32_t>& starts, int group) {
        return std::span<const Entry>(entries).subspan(starts[group],
                                                       starts[group + 1] - starts[group]);
    }

    int k_;
    SubsetIndex index_;
    std::array<std::vector<std::uint16_t>, MAX_DENSE_SET> lanes_;  // sets of 0..3 numbers
    std::vector<FiveSet> fiveSets_;
    std::vector<std::uint32_t> fiveStarts_;  // by smallest number
    std::vector<SixSet> sixSets_;
    std::vector<std::uint32_t> sixStarts_;  // by smallest number * 50 + second smallest
};

}  // namespace lorvex::fast
