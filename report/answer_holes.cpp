#include "answers.h"
#include "core/questions/worst_draws.h"
#include "core/text/conversions.h"

namespace lorvex {

// "N von T Ziehungen mit dem schlechtesten Ergebnis", then the first of those draws, two
// digits per number.
Answer holesAnswer(const SystemTable& system, const HitTable&, const AnswerRequest& request) {
    const WorstDraws worst = findWorstDraws(system, request.holesBlock, request.holesLimit);
    std::string text = FormatInteger(worst.count) + " von " + FormatInteger(worst.total) +
                       " Ziehungen mit dem schlechtesten Ergebnis\n";
    for (const auto& draw : worst.firstDraws) {
        for (int i = 0; i < request.holesBlock; ++i) {
            if (i > 0) text += ' ';
            text += PadLeft(FormatInteger(draw[std::size_t(i)]), 2, "0");
        }
        text += '\n';
    }
    return textAnswer(std::move(text));
}

}  // namespace lorvex
