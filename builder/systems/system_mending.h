#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "builder/design/design.h"
#include "builder/design/verification.h"
#include "builder/systems/request.h"
#include "builder/systems/system_builder.h"
#include "core/system/system_table.h"

namespace lorvex::builder {

// No limit on the rows of the system written.
inline constexpr std::size_t NO_ROW_LIMIT = SIZE_MAX;

// A player's system after plugging or trimming, rows as written (bit n-1 for the number n).
struct MendedSystem {
    std::vector<Row> rows;
    std::size_t givenRows = 0;
    std::size_t newRows = 0;            // rows of `rows` that the given system does not have
    std::uint64_t addedLowerBound = 0;  // plug: no fewer rows than this could close the holes
    Verification given;                 // the given system's own check
    Verification proof;                 // the check of `rows`, over every draw with the key numbers
};

// Why the rows cannot be plugged or trimmed for the request (German): a number above the
// request's numbers, a repeated number, or a row without all key numbers.
std::optional<std::string> mendingProblem(const BuildRequest& request, std::span<const Row> rows);

// Keeps every row and adds as few as the search finds, so that the guarantee holds; with a
// limit on all rows of the result, the rows added leave as few draws without the guarantee as
// the search finds (proof.met() tells which). Request valid, mendingProblem empty.
MendedSystem plugSystem(const BuildRequest& request, std::span<const Row> rows,
                        const BuildOptions& options, std::size_t rowsAtMost = NO_ROW_LIMIT);

// Whether trimming may exchange the player's rows for others when that makes the system smaller.
enum class Trimming { RemoveOnly, MayExchange };

// The rows less those the guarantee can spare, in their order; with a limit, at most that many
// of them, those leaving the fewest draws without the guarantee. With MayExchange, the search
// then makes the system as small as it finds, new rows written after the kept ones. When the
// rows do not meet the guarantee (given.met() is false) they come back unchanged.
MendedSystem trimSystem(const BuildRequest& request, std::span<const Row> rows,
                        const BuildOptions& options, std::size_t rowsAtMost = NO_ROW_LIMIT,
                        Trimming trimming = Trimming::RemoveOnly);

}  // namespace lorvex::builder
