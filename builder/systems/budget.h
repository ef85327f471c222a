#pragma once

#include <cstddef>

#include "builder/systems/request.h"
#include "builder/systems/system_builder.h"

namespace lorvex::builder {

// buildSystem's system when it has at most `rowsAtMost` rows; otherwise the system of exactly
// that many rows that leaves the fewest draws without the guarantee the search finds in the
// time (proof.met() then tells whether it reached the guarantee after all).
BuiltSystem buildWithinRows(const BuildRequest& request, std::size_t rowsAtMost,
                            const BuildOptions& options);

}  // namespace lorvex::builder
