#include "player_questions_command.h"

#include <iterator>
#include <vector>

#include "core/conversions.h"
#include "core/coverage.h"
#include "core/draw_check.h"
#include "core/draw_odds.h"
#include "core/hit_analysis.h"
#include "core/number_frequency.h"
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
                       "Keine Ziehung von " + FormatInteger(blocks.back()) +
                           " Zahlen: das System hat nur " + FormatInteger(system.highestNumber()) +
                           " Systemzahlen.");
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
    if (mapped && options.ownNumbers.size() != std::size_t(system.highestNumber())) {
        return failure(PlayerAnswer::Kind::UsageError,
                       "--map nennt " + FormatInteger(std::int64_t(options.ownNumbers.size())) +
                           " Zahlen, das System hat aber " + FormatInteger(system.highestNumber()) +
                           " Systemzahlen: je Systemzahl eine eigene Zahl angeben.");
    }
    const std::vector<SystemRow> rows =
        mapped ? mapSystemRows(system, options.ownNumbers)
               : std::vector<SystemRow>(system.rows().begin(), system.rows().end());
    if (options.output == CliOutput::MappedSystem)
        return {PlayerAnswer::Kind::Text, systemRowsText(rows)};
    return {PlayerAnswer::Kind::Text, drawCheckText(rows, checkDraw(rows, options.drawNumbers))};
}

}  // namespace lorvex
