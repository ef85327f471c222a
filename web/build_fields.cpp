#include "build_fields.h"

#include <charconv>
#include <optional>

#include "core/messages/messages.h"
#include "core/questions/number_list.h"
#include "core/system/system_row.h"

namespace lorvex {

namespace {

constexpr int MAX_SECONDS = 86400;

// A whole number within [low, high], blanks around it allowed.
std::optional<int> wholeNumber(std::string_view text, int low, int high) {
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) return std::nullopt;
    text = text.substr(start, text.find_last_not_of(' ') + 1 - start);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

bool blank(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

BuildInput withProblem(BuildInput input, std::string problem, std::string field) {
    input.problem = std::move(problem);
    input.field = std::move(field);
    return input;
}

// The key numbers as system numbers: with own numbers, their places among them.
std::optional<std::string> readKeyNumbers(std::string_view text, BuildInput& input) {
    if (blank(text)) return std::nullopt;
    NumberList keys = parseOwnNumbers(text, NumberWording::Plain);
    if (!keys.problem.empty()) return std::move(keys.problem);
    if (auto problem = builder::keysOnSystemNumbers(keys.numbers, input.job.playedNumbers))
        return problem;
    input.job.request.keyNumbers = std::move(keys.numbers);
    return std::nullopt;
}

// V or the own numbers from the field "Zahlen"; false after a problem.
bool readNumbers(std::string_view text, BuildInput& input) {
    if (blank(text)) {
        input = withProblem(input, std::string(BUILD_NUMBERS_EXPECTED), "numbers");
        return false;
    }
    builder::NumbersGiven given = builder::readNumbersGiven(text, "");
    if (!given.problem.empty()) {
        input = withProblem(input, std::move(given.problem), "numbers");
        return false;
    }
    input.job.request.numbers =
        given.played.empty() ? given.count.value_or(0) : int(given.played.size());
    input.job.playedNumbers = std::move(given.played);
    return true;
}

}  // namespace

BuildInput readBuildFields(const BuildFields& fields, int systemNumbers,
                           std::span<const int> played) {
    BuildInput input;
    builder::BuildRequest& request = input.job.request;
    request.numbers = systemNumbers;
    input.job.playedNumbers.assign(played.begin(), played.end());
    if (systemNumbers == 0 && !readNumbers(fields.numbers, input)) return input;
    // The request's own reason, beside the field that holds how many numbers.
    if (request.numbers < builder::MIN_NUMBERS || request.numbers > builder::MAX_NUMBERS)
        return withProblem(input, *builder::requestProblem(request), "numbers");
    request.guarantee = fields.guarantee;
    request.drawn = fields.drawn;
    if (auto problem = readKeyNumbers(fields.keyNumbers, input))
        return withProblem(input, std::move(*problem), "keys");
    if (auto problem = builder::keyNumberProblem(request))
        return withProblem(input, std::move(*problem), "keys");
    if (auto problem = builder::requestProblem(request))
        return withProblem(input, std::move(*problem), "request");
    if (!blank(fields.rowsAtMost)) {
        const auto rows = wholeNumber(fields.rowsAtMost, 1, MAX_SYSTEM_ROWS);
        if (!rows) return withProblem(input, std::string(BUILD_ROWS_EXPECTED), "rows");
        input.job.rowsAtMost = std::size_t(*rows);
    }
    const auto seconds = wholeNumber(fields.seconds, 0, MAX_SECONDS);
    if (!seconds) return withProblem(input, std::string(BUILD_SECONDS_EXPECTED), "seconds");
    input.seconds = *seconds;
    input.job.options.seed = std::uint64_t(fields.seed);
    return input;
}

}  // namespace lorvex
