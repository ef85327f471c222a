#include "answers.h"
#include "core/questions/draw_check.h"
#include "player_answers.h"

namespace lorvex {

// The draw against the system, or against the system on the own numbers when there are any.
Answer drawCheckAnswer(const SystemTable& system, const HitTable&, const AnswerRequest& request) {
    PlayedRows played = playedRows(system, request);
    if (!played.problem.empty())
        return failedAnswer(Answer::Outcome::UsageError, std::move(played.problem));
    return textAnswer(drawCheckText(played.rows, checkDraw(played.rows, request.drawNumbers)));
}

}  // namespace lorvex
