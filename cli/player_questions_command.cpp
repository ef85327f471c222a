#include "player_questions_command.h"

#include <iterator>
#include <vector>

#include "core/coverage.h"
#include "core/draw_check.h"
#include "core/draw_odds.h"
#include "core/hit_analysis.h"
#include "core/number_frequency.h"
#include "core/number_list.h"
#include "core/system_mapping.h"
#include "report/player_answers.h"

namespace lorvex {

namespace {

PlayerAnswer failure(PlayerAnswer::Kind kind, std::string reason) {
    return {kind, std::move(reason)};
}

PlayerAnswer coverage(const SystemTable& system, const CliOptions& options) {
    const std::vector<int> blocks =
        options.onlyBlock
            ? std::vector<int>{*options.onlyBlock}
            : std::vector<int>(std::begin(ALL_BLOCK_SIZES), std::end(ALL_BLOCK_SIZES));
    std::vector<BlockCoverage> covered;
    for (const int k : blocks) {
        if (auto block = computeCoverage(system, k)) covered.push_back(*block);
    }
    if (covered.empty()) {
        return failure(PlayerAnswer::Kind::Failure,
                       noCoverageText(blocks.back(), system.highestNumber()));
    }
    return {PlayerAnswer::Kind::Text, coverageText(covered)};
}

}  // namespace

PlayerAnswer answerPlayerQuestion(const SystemTable& system, const CliOptions& options) {
    switch (options.output) {
        case CliOutput::Coverage:
            return coverage(system, options);
        case CliOutput::Odds:
            return {PlayerAnswer::Kind::Text, drawOddsText(computeDrawOdds(system))};
        case CliOutput::Frequency:
            return {PlayerAnswer::Kind::Text, numberFrequencyText(rowsHoldingEachNumber(system))};
        default:
            break;
    }
    const bool mapped = !options.ownNumbers.empty();
    if (mapped) {
        std::string problem =
            ownNumbersCountProblem(options.ownNumbers.size(), system.highestNumber());
        if (!problem.empty()) return failure(PlayerAnswer::Kind::UsageError, std::move(problem));
    }
    const std::vector<SystemRow> rows =
        mapped ? mapSystemRows(system, options.ownNumbers)
               : std::vector<SystemRow>(system.rows().begin(), system.rows().end());
    if (options.output == CliOutput::MappedSystem)
        return {PlayerAnswer::Kind::Text, systemRowsText(rows)};
    return {PlayerAnswer::Kind::Text, drawCheckText(rows, checkDraw(rows, options.drawNumbers))};
}

}  // namespace lorvex
