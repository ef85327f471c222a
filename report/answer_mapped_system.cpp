#include "answers.h"
#include "player_answers.h"

namespace lorvex {

// The system on the own numbers, as system text that loads again.
Answer mappedSystemAnswer(const SystemTable& system, const HitTable&,
                          const AnswerRequest& request) {
    PlayedRows played = playedRows(system, request);
    if (!played.problem.empty())
        return failedAnswer(Answer::Outcome::UsageError, std::move(played.problem));
    return textAnswer(systemRowsText(played.rows));
}

}  // namespace lorvex
