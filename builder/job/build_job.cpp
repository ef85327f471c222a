#include "builder/job/build_job.h"

#include <algorithm>
#include <charconv>

#include "builder/design/bounds.h"
#include "builder/job/build_summary.h"
#include "builder/job/system_text_output.h"
#include "builder/job/win_table.h"
#include "builder/systems/budget.h"
#include "core/messages/messages.h"
#include "core/questions/number_list.h"
#include "core/system/played_numbers.h"
#include "core/text/conversions.h"

namespace lorvex::builder {

namespace {

// The modes that start from the player's rows.
bool mends(JobMode mode) {
    return mode != JobMode::Build;
}

// The request with its key numbers as the player names them, for the summary lines.
BuildRequest shownRequest(const BuildJob& job) {
    BuildRequest shown = job.request;
    if (job.playedNumbers.empty()) return shown;
    for (int& key : shown.keyNumbers) key = job.playedNumbers[std::size_t(key - 1)];
    std::sort(shown.keyNumbers.begin(), shown.keyNumbers.end());
    return shown;
}

struct Made {
    std::vector<Row> rows;
    Verification proof;
    std::string mending;          // what plugging or trimming did
    Verification given;           // trim: the player's system's own check
    std::size_t earlierRows = 0;  // build: as in BuiltSystem
    bool startedFromEarlier = false;
};

Made make(const BuildJob& job) {
    const BuildRequest& request = job.request;
    switch (job.mode) {
        case JobMode::Build: {
            BuiltSystem built = job.rowsAtMost != NO_ROW_LIMIT
                                    ? buildWithinRows(request, job.rowsAtMost, job.options)
                                    : buildSystem(request, job.options, job.earlierRows);
            Made made{std::move(built.rows), built.proof, {}, built.proof};
            made.earlierRows = built.earlierRows;
            made.startedFromEarlier = built.startedFromEarlier;
            return made;
        }
        case JobMode::Plug: {
            MendedSystem mended = plugSystem(request, job.playerRows, job.options, job.rowsAtMost);
            std::string summary = plugSummary(mended);
            return {std::move(mended.rows), mended.proof, std::move(summary), mended.given};
        }
        case JobMode::Prove: {
            const Verification proof =
                verifyRows(request.numbers, numbersOf(job.playerRows), keyMask(request),
                           request.drawn, request.guarantee);
            return {job.playerRows, proof, {}, proof};
        }
        case JobMode::Trim:
        case JobMode::TrimExchanging: {
            const Trimming trimming =
                job.mode == JobMode::Trim ? Trimming::RemoveOnly : Trimming::MayExchange;
            MendedSystem mended =
                trimSystem(request, job.playerRows, job.options, job.rowsAtMost, trimming);
            std::string summary = trimSummary(mended);
            return {std::move(mended.rows), mended.proof, std::move(summary), mended.given};
        }
    }
    return {};
}

JobResult failed(JobStatus status, std::string problem) {
    JobResult result;
    result.status = status;
    result.problem = std::move(problem);
    return result;
}

}  // namespace

std::optional<std::string> jobProblem(const BuildJob& job) {
    if (auto problem = requestProblem(job.request)) return problem;
    if (!job.playedNumbers.empty() && int(job.playedNumbers.size()) != job.request.numbers) {
        return "Es sind " + FormatInteger(std::int64_t(job.playedNumbers.size())) +
               " Zahlen genannt, das System spielt aber " + FormatInteger(job.request.numbers) +
               ".";
    }
    if (!mends(job.mode)) return std::nullopt;
    if (auto problem = mendingProblem(job.request, job.playerRows)) return problem;
    if (job.mode == JobMode::Plug && job.playerRows.size() > job.rowsAtMost) {
        return rowsAboveLimitText(std::int64_t(job.playerRows.size()),
                                  std::int64_t(job.rowsAtMost));
    }
    return std::nullopt;
}

JobResult runBuildJob(const BuildJob& job) {
    if (auto problem = jobProblem(job)) return failed(JobStatus::Refused, std::move(*problem));
    const BuildRequest shown = shownRequest(job);
    Made made = make(job);
    const bool trims = job.mode == JobMode::Trim || job.mode == JobMode::TrimExchanging;
    if (trims && !made.given.met()) {
        return failed(JobStatus::NotMet, unmetGuaranteeText(shown, made.given));
    }
    JobResult result;
    result.lowerBound = lowerBound(reducedShape(job.request));
    const bool budgetMissed =
        !made.proof.met() && job.rowsAtMost != NO_ROW_LIMIT && !made.rows.empty();
    if (!made.proof.met() && !budgetMissed) {
        return failed(JobStatus::Failed, buildSummary(shown, made.rows.size(), result.lowerBound,
                                                      made.proof.draws, made.proof.missed));
    }
    if (made.rows.size() > std::size_t(MAX_SYSTEM_ROWS))
        return failed(JobStatus::Failed, tooManyRowsText(made.rows.size()));
    result.status = budgetMissed ? JobStatus::BudgetMissed : JobStatus::Built;
    result.proof = made.proof;
    result.systemText = systemText(made.rows, job.playedNumbers,
                                   mends(job.mode) ? RowsWritten::InOrder : RowsWritten::Sorted);
    if (!made.mending.empty()) result.summary.push_back(std::move(made.mending));
    result.summary.push_back(budgetMissed ? budgetSummary(shown, made.rows.size(), made.proof)
                                          : buildSummary(shown, made.rows.size(), result.lowerBound,
                                                         made.proof.draws, made.proof.missed));
    result.summary.push_back(guaranteeSentence(shown, made.proof));
    if (made.startedFromEarlier) result.summary.push_back(earlierStartText(made.earlierRows));
    result.earlierRows = made.earlierRows;
    result.winTable = winTableText(winTable(made.rows, job.request.numbers));
    result.rows = std::move(made.rows);
    return result;
}

NumbersGiven readNumbersGiven(std::string_view text, std::string_view option) {
    NumberList list = parseNumberList(option, text);
    if (list.problem.empty() && list.numbers.size() > 1) return {{}, std::move(list.numbers), {}};
    // One plain number is how many, whatever its size: the request says what is allowed.
    const std::size_t start = text.find_first_not_of(" \t");
    const std::size_t end = text.find_last_not_of(" \t");
    if (start != std::string_view::npos) {
        const std::string_view word = text.substr(start, end + 1 - start);
        int count = 0;
        const auto [stop, error] = std::from_chars(word.data(), word.data() + word.size(), count);
        if (error == std::errc() && stop == word.data() + word.size() && count >= 0)
            return {count, {}, {}};
    }
    if (!list.problem.empty()) return {{}, {}, std::move(list.problem)};
    return {{}, {}, notANumberText(option, text)};
}

std::vector<int> mendingNumbers(const NumbersGiven& given, std::span<const SystemRow> rows) {
    if (!given.played.empty()) return given.played;
    if (!given.count) return numbersInRows(rows);
    std::vector<int> numbers;
    for (int number = 1; number <= std::min(*given.count, MAX_SYSTEM_NUMBER); ++number)
        numbers.push_back(number);
    return numbers;
}

std::optional<std::string> keysOnSystemNumbers(std::vector<int>& keys,
                                               std::span<const int> played) {
    for (int& key : keys) {
        if (played.empty()) continue;
        const auto place = std::find(played.begin(), played.end(), key);
        if (place == played.end()) return keyNotAmongOwnNumbersText(key);
        key = int(place - played.begin()) + 1;
    }
    std::sort(keys.begin(), keys.end());
    return std::nullopt;
}

std::optional<std::string> playerRowsOnSystemNumbers(std::span<const SystemRow> written,
                                                     std::span<const int> played,
                                                     std::vector<Row>& rows) {
    std::vector<SystemRow> placed(written.begin(), written.end());
    if (!played.empty()) {
        std::string problem = placeRows(written, played, placed);
        if (!problem.empty()) return problem;
    }
    rows.clear();
    for (const SystemRow& row : placed) {
        Block block = 0;
        for (const std::int32_t number : row) block |= Block{1} << (number - 1);
        rows.push_back({block});
    }
    return std::nullopt;
}

}  // namespace lorvex::builder
