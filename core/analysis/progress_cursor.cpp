#include "core/analysis/progress_cursor.h"

namespace lorvex {

void ProgressCursor::reachThird(int d1, int d2, int d3) {
    const Triple reached = {d1, d2, d3};
    while (!done() && next_ <= reached) reportNext();
}

void ProgressCursor::finish() {
    while (!done()) reportNext();
}

void ProgressCursor::reportNext() {
    auto& [d1, d2, d3] = next_;
    observer_.thirdNumberChanged(d1, d2, d3);
    if (++d3 <= m_) return;
    if (++d2 < m_) {
        d3 = d2 + 1;
        return;
    }
    ++d1;
    d2 = d1 + 1;
    d3 = d1 + 2;  // beyond highestNumber once the last triple is reported
}

}  // namespace lorvex
