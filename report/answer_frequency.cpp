#include "answers.h"
#include "core/questions/number_frequency.h"
#include "player_answers.h"

namespace lorvex {

Answer frequencyAnswer(const SystemTable& system, const HitTable&, const AnswerRequest&) {
    return textAnswer(numberFrequencyText(rowsHoldingEachNumber(system)));
}

}  // namespace lorvex
