#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "builder/design/design.h"
#include "builder/design/verification.h"
#include "builder/systems/request.h"

namespace lorvex::builder {

struct BuildOptions : RunLimits {
    // Called, one call at a time, with each smaller system reached, its rows as buildSystem
    // writes them (valid, not yet proven); may be empty.
    std::function<void(std::span<const Row> rows)> improved;
};

struct BuiltSystem {
    std::vector<Row> rows;
    std::uint64_t lowerBound = 0;
    Verification proof;  // of the rows as written, over every draw that holds the key numbers
    // The earlier system given: its size where it is a system for the request (else 0), and
    // whether the search started from it.
    std::size_t earlierRows = 0;
    bool startedFromEarlier = false;

    bool minimal() const { return rows.size() <= lowerBound; }
};

// The constructions for the request, the smallest of them made smaller by the search until the
// time is up or the lower bound is reached, and the result proven over every draw. The request
// must be valid (requestProblem gives nothing). `earlier` may hold a system built for the same
// request before (on its system numbers; no key numbers): where it proves valid and smaller
// than the constructions' design, the search starts from it.
BuiltSystem buildSystem(const BuildRequest& request, const BuildOptions& options,
                        std::span<const Row> earlier = {});

// The search's limits for a build with these options: its deadline, seed, threads and the
// size at which it may stop; no progress reports (the caller adds them where it wants them).
SearchLimits searchLimits(const BuildOptions& options, Deadline deadline, std::uint64_t lowerBound);

}  // namespace lorvex::builder
