#pragma once

#include <array>
#include <cstdint>

#include "core/analysis/progress_observer.h"

namespace lorvex {

// Where an enumeration stands, as the progress display sees it: the triples d1 < d2 < d3 out of
// 1..highestNumber in the order of the nested loops. An engine tells the cursor which triple it
// has reached; the cursor reports that one and every triple before it that was not reported yet,
// so an engine may skip the triples that no draw continues. `finish` reports those left at the
// end. Draws are passed on as they come.
class ProgressCursor {
public:
    ProgressCursor(ProgressObserver& observer, int highestNumber)
        : observer_(observer), m_(highestNumber) {}

    // d1 < d2 < d3 <= highestNumber, and never before a triple reached earlier.
    void reachThird(int d1, int d2, int d3);
    void drawsReached(std::int64_t draws) { observer_.drawsReached(draws); }
    void finish();

private:
    using Triple = std::array<int, 3>;

    bool done() const { return next_[2] > m_; }
    void reportNext();

    ProgressObserver& observer_;
    const int m_;
    Triple next_ = {1, 2, 3};  // the first triple not reported yet
};

}  // namespace lorvex
