#include "core/analysis/fast/moment_table.h"

#include <algorithm>
#include <bit>

#include "core/analysis/fast/moments.h"

namespace lorvex::fast {

namespace {

constexpr int GROUPS_BY_FIRST = MAX_SYSTEM_NUMBER + 1;
constexpr int GROUPS_BY_FIRST_TWO = GROUPS_BY_FIRST * GROUPS_BY_FIRST;

// Orders the entries by group with a counting sort; starts[g] is where group g begins.
template <class Result, class Input, class Convert>
std::vector<Result> sortIntoGroups(const std::vector<Input>& entries, int groups,
                                   std::vector<std::uint32_t>& starts, Convert convert) {
    starts.assign(std::size_t(groups) + 1, 0);
    for (const Input& entry : entries) ++starts[std::size_t(entry.group) + 1];
    for (int g = 0; g < groups; ++g) starts[g + 1] += starts[g];
    std::vector<std::uint32_t> next(starts.begin(), starts.end() - 1);
    std::vector<Result> sorted(entries.size());
    for (const Input& entry : entries) sorted[next[entry.group]++] = convert(entry);
    return sorted;
}

// The subsets of a row's six positions with at least three positions, as bit masks.
struct PositionSubset {
    unsigned positions;
    int j;  // how many positions: the moment the subset counts for
};

constexpr auto POSITION_SUBSETS = [] {
    std::array<PositionSubset, 42> subsets{};
    std::size_t at = 0;
    for (unsigned positions = 1; positions < (1u << NUMBERS_PER_ROW); ++positions) {
        const int j = std::popcount(positions);
        if (j >= 3) subsets[at++] = {positions, j};
    }
    return subsets;
}();

}  // namespace

MomentTable::MomentTable(const SystemTable& system, int drawSize,
                         std::vector<std::uint16_t>& fourSetCounts)
    : k_(drawSize), index_(system.highestNumber()) {
    Collected collected;
    for (int size = 0; size <= std::min(k_, MAX_DENSE_SET); ++size) {
        collected.dense[size].assign(index_.count(size) * MOMENT_LANES, 0);
    }
    const std::span<const SystemRow> rows = system.rows();
    // Equal rows stand side by side in a sorted table; each run is entered once, with its length.
    for (std::size_t first = 0; first < rows.size();) {
        std::size_t end = first + 1;
        while (end < rows.size() && rows[end] == rows[first]) ++end;
        addRow(rows[first], std::uint16_t(end - first), collected);
        first = end;
    }
    std::move(collected.dense.begin(), collected.dense.begin() + MAX_DENSE_SET, lanes_.begin());
    fourSetCounts = std::move(collected.dense[MAX_DENSE_SET]);
    fiveSets_ =
        sortIntoGroups<FiveSet>(collected.five, GROUPS_BY_FIRST, fiveStarts_, [](const Grouped& e) {
            return FiveSet{e.restRank, e.c5, e.c6};
        });
    sixSets_ = sortIntoGroups<SixSet>(collected.six, GROUPS_BY_FIRST_TWO, sixStarts_,
                                      [](const Grouped& e) {
                                          return SixSet{e.restRank, e.c6};
                                      });
}

void MomentTable::addRow(const SystemRow& row, std::uint16_t copies, Collected& collected) const {
    std::array<int, NUMBERS_PER_ROW> sorted;
    std::copy(row.begin(), row.end(), sorted.begin());
    std::sort(sorted.begin(), sorted.end());
    // An entry below 1 is never drawn, so no subset that holds it ever counts.
    unsigned drawable = 0;
    for (int p = 0; p < NUMBERS_PER_ROW; ++p) drawable |= unsigned(sorted[p] >= 1) << p;
    for (const auto [positions, j] : POSITION_SUBSETS) {
        if ((positions & drawable) != positions) continue;
        std::array<int, NUMBERS_PER_ROW> set;
        int size = 0;
        for (int p = 0; p < NUMBERS_PER_ROW; ++p) {
            if (!(positions >> p & 1u)) continue;
            if (size == 0 || set[size - 1] != sorted[p]) set[size++] = sorted[p];
        }
        if (size > k_) continue;
        if (size <= MAX_DENSE_SET) {
            const std::size_t rank = index_.rank(std::span<const int>(set.data(), size));
            std::uint16_t& count = collected.dense[size][rank * MOMENT_LANES + laneOfMoment(j)];
            count = std::uint16_t(count + copies);
            continue;
        }
        const int firstTwo = size - MAX_DENSE_SET;  // the numbers ahead of the ranked rest
        const auto restRank =
            std::uint32_t(index_.rank(std::span<const int>(set.data() + firstTwo, MAX_DENSE_SET)));
        if (size == 5) {
            collected.five.push_back({set[0], restRank, std::uint16_t(j == 5 ? copies : 0),
                                      std::uint16_t(j == 6 ? copies : 0)});
        } else {
            collected.six.push_back({set[0] * GROUPS_BY_FIRST + set[1], restRank, 0, copies});
        }
    }
}

}  // namespace lorvex::fast
