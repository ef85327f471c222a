#include "builder/search/parallel_runs.h"

#if !defined(__EMSCRIPTEN__) || defined(__EMSCRIPTEN_PTHREADS__)
#define LORVEX_HAVE_THREADS 1
#include <exception>
#include <system_error>
#include <thread>
#include <vector>
#endif

namespace lorvex::builder::search {

void runInParallel(int count, const std::function<void(int)>& run) {
#ifdef LORVEX_HAVE_THREADS
    // A run that fails (out of memory, say) must not end the program from its thread: its
    // exception is handed to the caller once every run has returned.
    std::vector<std::exception_ptr> failures(static_cast<std::size_t>(count));
    const auto guarded = [&](int index) {
        try {
            run(index);
        } catch (...) {
            failures[std::size_t(index)] = std::current_exception();
        }
    };
    std::vector<std::thread> others;
    others.reserve(std::size_t(count));
    for (int index = 1; index < count; ++index) {
        try {
            others.emplace_back(guarded, index);
        } catch (const std::system_error&) {
            guarded(index);  // no thread to be had: the run takes its turn here
        }
    }
    guarded(0);
    for (std::thread& other : others) other.join();
    for (const std::exception_ptr& failure : failures) {
        if (failure) std::rethrow_exception(failure);
    }
#else
    // A build without threads runs one after the other.
    for (int index = 0; index < count; ++index) run(index);
#endif
}

}  // namespace lorvex::builder::search
