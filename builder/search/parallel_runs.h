#pragma once

#include <functional>

namespace lorvex::builder::search {

// Runs run(0) .. run(count-1) at the same time, run(0) on the calling thread; with count 1
// no thread is started. Returns when all have returned; then rethrows the first exception a run
// threw, if any.
void runInParallel(int count, const std::function<void(int)>& run);

}  // namespace lorvex::builder::search
