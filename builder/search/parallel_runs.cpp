#include "builder/search/parallel_runs.h"

#if !defined(__EMSCRIPTEN__) || defined(__EMSCRIPTEN_PTHREADS__)
#define LORVEX_HAVE_THREADS 1
#include <thread>
#include <vector>
#endif

namespace lorvex::builder::search {

void runInParallel(int count, const std::function<void(int)>& run) {
#ifdef LORVEX_HAVE_THREADS
    std::vector<std::thread> others;
    for (int index = 1; index < count; ++index) others.emplace_back(run, index);
    run(0);
    for (std::thread& other : others) other.join();
#else
    // A build without threads runs one after the other.
    for (int index = 0; index < count; ++index) run(index);
#endif
}

}  // namespace lorvex::builder::search
