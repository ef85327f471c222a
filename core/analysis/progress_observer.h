#pragma once

#include <cstdint>

namespace lorvex {

// What an analysis run reports while it works, in this order: the start; for each new value of
// the third drawn number d3 that value with d1 and d2, followed by the draws it is about to
// count (possibly in batches, at least once per value of d3); the end, after the run's rows
// have been appended. A run on an empty system reports nothing.
class ProgressObserver {
public:
    virtual ~ProgressObserver() = default;
    virtual void runStarted() {}
    virtual void thirdNumberChanged(int /*d1*/, int /*d2*/, int /*d3*/) {}
    virtual void drawsReached(std::int64_t /*draws*/) {}
    virtual void runFinished() {}
};

}  // namespace lorvex
