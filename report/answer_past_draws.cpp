#include "answers.h"
#include "core/questions/past_draw_prizes.h"
#include "past_draws_text.h"

namespace lorvex {

// The ticket played in every draw of the list, on the played or own numbers when there are
// any.
Answer pastDrawsAnswer(const SystemTable& system, const HitTable&, const AnswerRequest& request) {
    PlayedRows played = playedRows(system, request);
    if (!played.problem.empty())
        return failedAnswer(Answer::Outcome::UsageError, std::move(played.problem));
    const PastDrawList list = readPastDraws(request.pastDraws);
    if (list.draws.empty()) {
        Answer failed = failedAnswer(Answer::Outcome::Failure, std::string(NO_PAST_DRAW));
        failed.notice = skippedDrawLinesText(list);
        return failed;
    }
    std::vector<DrawPrizes> prizes;
    prizes.reserve(list.draws.size());
    for (const PastDraw& draw : list.draws)
        prizes.push_back(prizesOfDraw(played.rows, draw, request.superzahl));
    const PastDrawsPlayed tally{list.draws, prizes, std::int64_t(played.rows.size()),
                                request.superzahl};
    Answer answer = textAnswer(request.pastDrawsCsv ? pastDrawsCsv(tally) : pastDrawsText(tally));
    answer.notice = skippedDrawLinesText(list);
    return answer;
}

}  // namespace lorvex
