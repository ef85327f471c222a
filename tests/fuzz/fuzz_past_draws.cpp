// Any bytes as a list of past draws, played with a small ticket: every draw read is six
// distinct numbers 1..49 in order with a Superzahl 0..9 and a date as dd.mm.yyyy, every line
// with text is a draw or counted as skipped, and the text and CSV answers are made whole.
#include <algorithm>
#include <cstdint>
#include <string>

#include "core/questions/past_draws.h"
#include "fuzz_check.h"
#include "report/answers.h"

namespace {

using lorvex::fuzz::FuzzInput;
using lorvex::fuzz::require;

bool wellFormed(const lorvex::PastDraw& draw) {
    const auto& n = draw.numbers;
    const bool ordered = std::adjacent_find(n.begin(), n.end(), std::greater_equal<>()) == n.end();
    const bool dated =
        draw.date.empty() || (draw.date.size() == 10 && draw.date[2] == '.' && draw.date[5] == '.');
    return ordered && n.front() >= 1 && n.back() <= 49 && dated &&
           draw.superzahl.value_or(0) >= 0 && draw.superzahl.value_or(0) <= 9;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::uint8_t ticket = input.byte();
    const std::string bytes(input.rest());
    const lorvex::PastDrawList list = lorvex::readPastDraws(bytes);
    const auto lines = std::int64_t(std::count(bytes.begin(), bytes.end(), '\n') +
                                    std::count(bytes.begin(), bytes.end(), '\r') +
                                    std::count(bytes.begin(), bytes.end(), '\0') + 1);
    require(std::int64_t(list.draws.size()) + list.skippedLines <= lines, "at most a draw a line");
    require(list.firstSkipped.size() <= lorvex::SKIPPED_LINES_NAMED, "few skipped lines named");
    std::int64_t lastLine = 0;
    for (const lorvex::PastDraw& draw : list.draws) {
        require(wellFormed(draw), "a draw as read is well formed");
        require(draw.line > lastLine, "draws in file order");
        lastLine = draw.line;
    }

    lorvex::SystemTable& system = lorvex::fuzz::reusedTable();
    system.appendRow({1, 2, 3, 4, 5, 6});
    system.appendRow({3, 7, 11, 19, 22, 28});
    lorvex::AnswerRequest request{.kind = lorvex::AnswerKind::PastDraws, .pastDraws = bytes};
    if (ticket < 10) request.superzahl = ticket;
    request.pastDrawsCsv = ticket & 0x80;
    const lorvex::HitTable noAnalysis;
    const lorvex::Answer answer = lorvex::giveAnswer(system, noAnalysis, request);
    require((answer.outcome == lorvex::Answer::Outcome::Given) == !list.draws.empty(),
            "an answer exactly when there is a draw");
    const std::string text = lorvex::answerBytes(answer);
    require(std::count(text.begin(), text.end(), '\n') >= std::int64_t(list.draws.size()),
            "a line per draw");
    return 0;
}
