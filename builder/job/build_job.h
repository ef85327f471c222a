#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "builder/design/design.h"
#include "builder/design/verification.h"
#include "builder/systems/request.h"
#include "builder/systems/system_builder.h"
#include "builder/systems/system_mending.h"
#include "core/system/system_row.h"

// One build as every front end asks for it: the request on the system numbers 1..V, the numbers
// the system plays, the player's rows and the mode in; the proven rows, the system text on the
// played numbers, the summary lines and the win table out. The front ends only read their
// input into a job and show or write what comes back.
namespace lorvex::builder {

// Prove: the player's rows as they are (a build's best system so far, say), proven and
// summed up like a built one.
enum class JobMode { Build, Plug, Trim, TrimExchanging, Prove };

struct BuildJob {
    BuildRequest request;  // on the system numbers; its key numbers are system numbers too
    // System number i is played as playedNumbers[i - 1]; empty: as the numbers 1..V.
    std::vector<int> playedNumbers;
    JobMode mode = JobMode::Build;
    std::vector<Row> playerRows;  // plug, trim: on the system numbers, in the player's order
    std::size_t rowsAtMost = NO_ROW_LIMIT;
    BuildOptions options;
    // A build: the system built for this request before, to start from (see buildSystem).
    std::vector<Row> earlierRows;
};

enum class JobStatus {
    Built,         // the guarantee holds
    BudgetMissed,  // within rowsAtMost rows it does not: the rows that meet the most draws
    Refused,       // the job asks for what cannot be (the reason in `problem`), nothing built
    NotMet,        // trim: the player's system misses the guarantee (the reason in `problem`)
    Failed,        // nothing to write (the reason in `problem`)
};

struct JobResult {
    JobStatus status = JobStatus::Failed;
    std::vector<Row> rows;   // on the system numbers, in the order written
    std::string systemText;  // on the played numbers: plug's added rows after the player's
    Verification proof;
    std::uint64_t lowerBound = 0;
    std::vector<std::string> summary;  // German, UTF-8, one line each
    std::string winTable;
    std::string problem;
    // A build: the size of the earlier system given, where it proved to be a system for the
    // request; else 0.
    std::size_t earlierRows = 0;
};

// Why the job cannot run (German, UTF-8), found before any search.
std::optional<std::string> jobProblem(const BuildJob& job);

JobResult runBuildJob(const BuildJob& job);

// How many numbers, or which, as typed for "--numbers" or the page's field: one number is a
// count, more are the played numbers in their order.
struct NumbersGiven {
    std::optional<int> count;  // with no list: how many (not yet checked against 7..49)
    std::vector<int> played;   // the list, when one was given
    std::string problem;       // German, UTF-8
};
NumbersGiven readNumbersGiven(std::string_view text, std::string_view option);

// The numbers a player's system plays: the list given, else 1..count, else those in its rows.
std::vector<int> mendingNumbers(const NumbersGiven& given, std::span<const SystemRow> rows);

// The key numbers as the player names them (among the played numbers when there are any) as
// system numbers, ascending; the reason when one is not played.
std::optional<std::string> keysOnSystemNumbers(std::vector<int>& keys, std::span<const int> played);

// The player's rows (numbers from the played list; 1..V without one) as rows on the system
// numbers in their order, or the reason when a row holds a number not played.
std::optional<std::string> playerRowsOnSystemNumbers(std::span<const SystemRow> written,
                                                     std::span<const int> played,
                                                     std::vector<Row>& rows);

}  // namespace lorvex::builder
