#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/analysis/fast/subset_index.h"
#include "core/analysis/pattern_list.h"
#include "core/maths/fibonacci_hash.h"

namespace lorvex::fast {

// Counts the draws per distinct packed moment vector: an open-addressing table with linear
// probing, small enough to stay in cache, so that a draw costs one probe or two. Equal moments
// mean equal outcomes; the outcomes are worked out once per entry at the end.
class OutcomeTally {
public:
    OutcomeTally() { resize(INITIAL_SLOTS); }

    void add(std::uint64_t moments) {
        if (slots_.size() <= CACHED_SLOTS) {
            insert(moments);
            return;
        }
        // A table beyond the cache takes draws in batches: the slots of a whole batch are
        // requested from memory before the first is needed, so that the misses overlap.
        pending_[pendingCount_++] = moments;
        if (pendingCount_ == BATCH) addPending();
    }

    // One record per entry, with its number of draws as the cases.
    void recordInto(PatternList& patterns, int blockSize);

private:
    static constexpr std::size_t INITIAL_SLOTS = 1024;
    static constexpr std::size_t CACHED_SLOTS = std::size_t(1) << 16;
    static constexpr std::size_t BATCH = 32;

    struct Slot {
        std::uint64_t moments = 0;
        std::uint32_t draws = 0;  // 0 marks a free slot
    };
    static_assert(binomial(MAX_SYSTEM_NUMBER, MAX_SET_SIZE) <= UINT32_MAX,
                  "32 bits count all the draws of a run");

    std::size_t home(std::uint64_t moments) const {
        return std::size_t(fibonacciHash(moments) >> shift_);
    }

    void addPending();

    void insert(std::uint64_t moments) {
        for (std::size_t slot = home(moments);; slot = (slot + 1) & mask_) {
            Slot& entry = slots_[slot];
            if (entry.draws == 0) {
                entry = {moments, 1};
                if (++used_ * 2 > slots_.size()) resize(slots_.size() * 2);
                return;
            }
            if (entry.moments == moments) {
                ++entry.draws;
                return;
            }
        }
    }

    void resize(std::size_t slotCount);

    std::vector<Slot> slots_;
    std::size_t mask_ = 0;
    int shift_ = 0;
    std::size_t used_ = 0;
    std::array<std::uint64_t, BATCH> pending_;
    std::size_t pendingCount_ = 0;
};

}  // namespace lorvex::fast
