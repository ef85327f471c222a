#include "pattern_list.h"

#include <algorithm>
#include <vector>

#include "conversions.h"

namespace lorvex {

namespace {

// A row count never exceeds 9,999, so 16 bits hold each count, and comparing the packed
// values compares the tuples with the six-hit count first.
std::uint64_t pack(const Outcome& outcome) {
    std::uint64_t key = 0;
    for (const std::int32_t count : outcome.rowsWith) key = (key << 16) | std::uint16_t(count);
    return key;
}

std::int32_t unpackCount(std::uint64_t key, int hits) {
    return static_cast<std::int32_t>((key >> (16 * (hits - 3))) & 0xFFFF);
}

std::string countCell(std::int32_t count) {
    return count == 0 ? "" : FormatInteger(count);
}

}  // namespace

void PatternList::record(const Outcome& outcome, std::int64_t cases) {
    cases_[pack(outcome)] += cases;
}

std::vector<std::pair<Outcome, std::int64_t>> PatternList::contents() const {
    std::vector<std::pair<Outcome, std::int64_t>> patterns;
    for (const auto& [key, cases] : cases_) {
        Outcome outcome;
        for (int hits = 6; hits >= 3; --hits) outcome.hits(hits) = unpackCount(key, hits);
        patterns.emplace_back(outcome, cases);
    }
    return patterns;
}

void PatternList::finish(int blockSize, HitTable& table) const {
    std::vector<std::pair<std::uint64_t, std::int64_t>> patterns(cases_.begin(), cases_.end());
    std::sort(patterns.begin(), patterns.end(),
              [](const auto& a, const auto& b) { return a.first > b.first; });
    std::int64_t total = 0;
    for (const auto& pattern : patterns) total += pattern.second;
    if (total == 0) return;
    const float factor = 100.0f / static_cast<float>(total);
    bool first = true;
    for (const auto& [key, cases] : patterns) {
        HitRow row;
        row.cells[0] = FormatInteger(blockSize);
        for (int hits = 6; hits >= 3; --hits)
            row.cells[7 - hits] = countCell(unpackCount(key, hits));
        row.cells[5] = FormatInteger(cases);
        row.cells[6] = FormatDecimal(static_cast<float>(cases) * factor, 3);
        row.firstOfBlock = first;
        first = false;
        table.append(std::move(row));
    }
}

}  // namespace lorvex
