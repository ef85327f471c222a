#include "core/analysis/pattern_list.h"

#include <algorithm>
#include <bit>

#include "core/maths/fibonacci_hash.h"
#include "core/system/system_row.h"

namespace lorvex {

namespace {

// A row count never exceeds 9,999, so 16 bits hold each count, and comparing the packed
// values compares the tuples with the six-hit count first.
static_assert(MAX_SYSTEM_ROWS < (1 << 16));

std::uint64_t pack(const Outcome& outcome) {
    std::uint64_t key = 0;
    for (const std::int32_t count : outcome.rowsWith) key = (key << 16) | std::uint16_t(count);
    return key;
}

Outcome unpack(std::uint64_t key) {
    Outcome outcome;
    for (int hits = 3; hits <= 6; ++hits, key >>= 16)
        outcome.hits(hits) = static_cast<std::int32_t>(key & 0xFFFF);
    return outcome;
}

std::size_t home(std::uint64_t key, std::size_t mask) {
    return std::size_t(fibonacciHash(key) >> 17) & mask;
}

}  // namespace

void PatternList::clear() {
    slots_ = std::vector<Slot>();
    used_ = 0;
}

void PatternList::record(const Outcome& outcome, std::int64_t cases) {
    if (cases <= 0) return;
    if (2 * (used_ + 1) > slots_.size()) rehash(std::max<std::size_t>(64, 2 * slots_.size()));
    const std::uint64_t key = pack(outcome);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = home(key, mask);; slot = (slot + 1) & mask) {
        Slot& entry = slots_[slot];
        if (entry.cases == 0) {
            entry = {key, cases};
            ++used_;
            return;
        }
        if (entry.key == key) {
            entry.cases += cases;
            return;
        }
    }
}

void PatternList::reserve(std::size_t patterns) {
    if (2 * patterns <= slots_.size()) return;
    rehash(std::bit_ceil(2 * patterns));
}

void PatternList::rehash(std::size_t slotCount) {
    std::vector<Slot> old(slotCount);
    old.swap(slots_);
    const std::size_t mask = slots_.size() - 1;
    for (const Slot& entry : old) {
        if (entry.cases == 0) continue;
        std::size_t slot = home(entry.key, mask);
        while (slots_[slot].cases != 0) slot = (slot + 1) & mask;
        slots_[slot] = entry;
    }
}

std::vector<std::pair<Outcome, std::int64_t>> PatternList::contents() const {
    std::vector<std::pair<Outcome, std::int64_t>> patterns;
    patterns.reserve(used_);
    for (const Slot& entry : slots_) {
        if (entry.cases != 0) patterns.emplace_back(unpack(entry.key), entry.cases);
    }
    return patterns;
}

void PatternList::finish(int blockSize, HitTable& table) {
    // The patterns are sorted where they stand, so a run of millions of them needs no copy.
    const auto end = std::remove_if(slots_.begin(), slots_.end(),
                                    [](const Slot& entry) { return entry.cases == 0; });
    std::sort(slots_.begin(), end, [](const Slot& a, const Slot& b) { return a.key > b.key; });
    std::int64_t total = 0;
    for (auto pattern = slots_.begin(); pattern != end; ++pattern) total += pattern->cases;
    if (total > 0) {
        const float factor = 100.0f / static_cast<float>(total);
        table.reserve(table.rowCount() + static_cast<std::size_t>(end - slots_.begin()));
        bool first = true;
        for (auto pattern = slots_.begin(); pattern != end; ++pattern) {
            table.append({blockSize, unpack(pattern->key), pattern->cases,
                          static_cast<float>(pattern->cases) * factor, first});
            first = false;
        }
    }
    clear();
}

}  // namespace lorvex
