#include "answers.h"
#include "core/questions/draw_odds.h"
#include "player_answers.h"

namespace lorvex {

Answer oddsAnswer(const SystemTable& system, const HitTable&, const AnswerRequest&) {
    return textAnswer(drawOddsText(computeDrawOdds(system)));
}

}  // namespace lorvex
