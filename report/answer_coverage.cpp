#include "answers.h"
#include "core/questions/coverage.h"
#include "player_answers.h"

namespace lorvex {

// The requested blocks that have draws; a failure when none has.
Answer coverageAnswer(const SystemTable& system, const HitTable&, const AnswerRequest& request) {
    const std::vector<int> blocks = requestedBlocks(request);
    std::vector<BlockCoverage> covered;
    for (const int k : blocks) {
        if (auto block = computeCoverage(system, k)) covered.push_back(*block);
    }
    if (covered.empty()) {
        return failedAnswer(Answer::Outcome::Failure,
                            noCoverageText(blocks.back(), system.highestNumber()));
    }
    return textAnswer(coverageText(covered));
}

}  // namespace lorvex
