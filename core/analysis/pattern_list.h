#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "core/analysis/hit_table.h"
#include "core/analysis/outcome.h"

namespace lorvex {

// Groups the outcomes of one run and turns them into a block of hit-table rows, best first.
class PatternList {
public:
    // Also gives the memory of a large run back.
    void clear();
    void record(const Outcome& outcome, std::int64_t cases = 1);
    // Room for `patterns` distinct patterns, so that recording that many never regrows.
    void reserve(std::size_t patterns);
    // Orders the patterns by their counts, most hits first, and appends one row per pattern.
    // The list is used up by it: empty afterwards.
    void finish(int blockSize, HitTable& table);
    std::size_t size() const { return used_; }
    // Each pattern with its cases, in no particular order.
    std::vector<std::pair<Outcome, std::int64_t>> contents() const;

private:
    // An open-addressing table keyed by the packed counts; a slot without cases is free.
    struct Slot {
        std::uint64_t key = 0;
        std::int64_t cases = 0;
    };

    void rehash(std::size_t slotCount);

    std::vector<Slot> slots_;
    std::size_t used_ = 0;
};

}  // namespace lorvex
