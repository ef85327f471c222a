#include <algorithm>

#include "answers.h"
#include "core/questions/worst_draws.h"
#include "core/text/conversions.h"

namespace lorvex {

// "N von T Ziehungen mit dem schlechtesten Ergebnis", then the first of those draws, two
// digits per number, on the played numbers.
Answer holesAnswer(const SystemTable& system, const HitTable&, const AnswerRequest& request) {
    const WorstDraws worst = findWorstDraws(system, request.holesBlock, request.holesLimit);
    std::string text = FormatInteger(worst.count) + " von " + FormatInteger(worst.total) +
                       " Ziehungen mit dem schlechtesten Ergebnis\n";
    const std::vector<int>& played = request.playedNumbers;
    for (const auto& draw : worst.firstDraws) {
        std::vector<int> shown(draw.begin(), draw.begin() + request.holesBlock);
        if (!played.empty()) {
            for (int& number : shown) number = played[std::size_t(number - 1)];
            std::sort(shown.begin(), shown.end());
        }
        for (std::size_t i = 0; i < shown.size(); ++i) {
            if (i > 0) text += ' ';
            text += PadLeft(FormatInteger(shown[i]), 2, "0");
        }
        text += '\n';
    }
    return textAnswer(std::move(text));
}

}  // namespace lorvex
