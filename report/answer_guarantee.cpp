#include "answers.h"
#include "guarantee.h"

namespace lorvex {

// One line per block, each ended by a line feed.
Answer guaranteeAnswer(const SystemTable&, const HitTable& hits, const AnswerRequest&) {
    std::string text;
    for (const std::string& line : guaranteeLines(hits)) text += line + '\n';
    return textAnswer(std::move(text));
}

}  // namespace lorvex
