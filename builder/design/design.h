#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "builder/design/bits.h"
#include "builder/design/deadline.h"
#include "builder/design/tuning.h"

namespace lorvex::builder {

// What a design must do: rows of `blockSize` points out of `points`, such that every set of
// `drawSize` points meets some row in at least `guarantee` points. Key numbers are taken out
// before a shape is made, so blockSize may be below six.
struct DesignShape {
    int points = 0;     // v
    int blockSize = 0;  // k
    int drawSize = 0;   // m
    int guarantee = 0;  // t, at most min(k, m)
};

// What every step of a build may spend: its time, its random numbers, its threads. Made once
// by a front end and handed down.
struct RunLimits {
    Deadline deadline;
    std::uint64_t seed = 1;
    // Independent runs; 1 runs on the calling thread only and starts no thread.
    int threads = 1;
    // What all search runs together may hold in their tables.
    std::uint64_t memoryBytes = tuning::SEARCH_MEMORY;
};

struct SearchLimits : RunLimits {
    // The search stops as soon as it reaches a design of this size.
    std::size_t lowerBound = 0;
    // Polled now and then; may be empty.
    std::function<bool()> cancelled;
    // Called, one call at a time, with each smaller valid design reached; may be empty.
    std::function<void(std::span<const Block> blocks)> improved;
};

struct SearchResult {
    std::vector<Block> blocks;
    std::uint64_t uncoveredDraws = 0;
};

// A valid design no larger than `start` (which must be valid), made smaller by local search
// until the deadline, the lower bound or cancellation. `fixed` rows are kept as they are and
// count towards the guarantee; they are not part of `start` nor of the result.
std::vector<Block> shrinkDesign(const DesignShape& shape, std::vector<Block> start,
                                std::span<const Block> fixed, const SearchLimits& limits);

// `rows` blocks (besides `fixed`) that leave as few draws without the guarantee as the search
// finds before the deadline; `start` (any size) seeds it.
SearchResult bestWithRows(const DesignShape& shape, std::size_t rows, std::span<const Block> start,
                          std::span<const Block> fixed, const SearchLimits& limits);

}  // namespace lorvex::builder
