#include "core/analysis/fast/outcome_tally.h"

#include <bit>

#include "core/analysis/fast/moments.h"

namespace lorvex::fast {

void OutcomeTally::recordInto(PatternList& patterns, int blockSize) {
    addPending();
    patterns.reserve(patterns.size() + used_);
    for (const Slot& entry : slots_) {
        if (entry.draws == 0) continue;
        patterns.record(outcomeFromMoments(entry.moments, blockSize), entry.draws);
    }
}

void OutcomeTally::addPending() {
    for (std::size_t i = 0; i < pendingCount_; ++i) __builtin_prefetch(&slots_[home(pending_[i])]);
    for (std::size_t i = 0; i < pendingCount_; ++i) insert(pending_[i]);
    pendingCount_ = 0;
}

void OutcomeTally::resize(std::size_t slotCount) {
    std::vector<Slot> old(slotCount);
    old.swap(slots_);
    mask_ = slotCount - 1;
    shift_ = 64 - std::countr_zero(slotCount);
    used_ = 0;
    for (const Slot& entry : old) {
        if (entry.draws == 0) continue;
        std::size_t slot = home(entry.moments);
        while (slots_[slot].draws != 0) slot = (slot + 1) & mask_;
        slots_[slot] = entry;
        ++used_;
    }
}

}  // namespace lorvex::fast
