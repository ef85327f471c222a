#include "answers.h"
#include "core/messages/messages.h"
#include "guarantee.h"

namespace lorvex {

// One line per block, each ended by a line feed; no block with a draw, no guarantee: say why
// rather than print nothing.
Answer guaranteeAnswer(const SystemTable& system, const HitTable& hits,
                       const AnswerRequest& request) {
    if (hits.rowCount() == 0) {
        return failedAnswer(Answer::Outcome::Failure,
                            noDrawText(request.onlyBlock.value_or(3), system.highestNumber()));
    }
    std::string text;
    for (const std::string& line : guaranteeLines(hits)) text += line + '\n';
    return textAnswer(std::move(text));
}

}  // namespace lorvex
