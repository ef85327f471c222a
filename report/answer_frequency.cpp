#include "answers.h"
#include "core/questions/number_frequency.h"
#include "player_answers.h"

namespace lorvex {

Answer frequencyAnswer(const SystemTable& system, const HitTable&, const AnswerRequest& request) {
    return textAnswer(numberFrequencyText(rowsHoldingEachNumber(system), request.playedNumbers));
}

}  // namespace lorvex
