#include "build_fields.h"

#include <algorithm>
#include <bit>
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
    const std::vector<int>& own = input.ownNumbers;
    for (int& key : keys.numbers) {
        if (own.empty()) continue;
        const auto place = std::find(own.begin(), own.end(), key);
        if (place == own.end()) return keyNotAmongOwnNumbersText(key);
        key = int(place - own.begin()) + 1;
    }
    std::sort(keys.numbers.begin(), keys.numbers.end());
    input.request.keyNumbers = std::move(keys.numbers);
    return std::nullopt;
}

// V or the own numbers from the field "Zahlen"; false after a problem.
bool readNumbers(std::string_view text, BuildInput& input) {
    if (blank(text)) {
        input = withProblem(input, std::string(BUILD_NUMBERS_EXPECTED), "numbers");
        return false;
    }
    NumberList numbers = parseOwnNumbers(text, NumberWording::Plain);
    if (!numbers.problem.empty()) {
        input = withProblem(input, std::move(numbers.problem), "numbers");
        return false;
    }
    // One number is how many; more are the player's own numbers.
    if (numbers.numbers.size() == 1) {
        input.request.numbers = numbers.numbers.front();
    } else {
        input.request.numbers = int(numbers.numbers.size());
        input.ownNumbers = std::move(numbers.numbers);
    }
    return true;
}

}  // namespace

BuildInput readBuildFields(const BuildFields& fields, int systemNumbers) {
    BuildInput input;
    input.request.numbers = systemNumbers;
    if (systemNumbers == 0 && !readNumbers(fields.numbers, input)) return input;
    // The request's own reason, beside the field that holds how many numbers.
    if (input.request.numbers < builder::MIN_NUMBERS ||
        input.request.numbers > builder::MAX_NUMBERS)
        return withProblem(input, *builder::requestProblem(input.request), "numbers");
    input.request.guarantee = fields.guarantee;
    input.request.drawn = fields.drawn;
    if (auto problem = readKeyNumbers(fields.keyNumbers, input))
        return withProblem(input, std::move(*problem), "keys");
    if (auto problem = builder::requestProblem(input.request))
        return withProblem(input, std::move(*problem), "request");
    if (!blank(fields.rowsAtMost)) {
        const auto rows = wholeNumber(fields.rowsAtMost, 1, MAX_SYSTEM_ROWS);
        if (!rows) return withProblem(input, std::string(BUILD_ROWS_EXPECTED), "rows");
        input.rowsAtMost = std::size_t(*rows);
    }
    const auto seconds = wholeNumber(fields.seconds, 0, MAX_SECONDS);
    if (!seconds) return withProblem(input, std::string(BUILD_SECONDS_EXPECTED), "seconds");
    input.seconds = *seconds;
    return input;
}

std::vector<builder::Block> onOwnNumbers(std::span<const builder::Block> rows,
                                         std::span<const int> ownNumbers) {
    std::vector<builder::Block> mapped(rows.begin(), rows.end());
    if (ownNumbers.empty()) return mapped;
    for (builder::Block& row : mapped) {
        builder::Block own = 0;
        for (builder::Block rest = row; rest != 0; rest &= rest - 1)
            own |= builder::Block{1} << (ownNumbers[std::size_t(std::countr_zero(rest))] - 1);
        row = own;
    }
    return mapped;
}

builder::BuildRequest shownRequest(const BuildInput& input) {
    builder::BuildRequest shown = input.request;
    if (input.ownNumbers.empty()) return shown;
    for (int& key : shown.keyNumbers) key = input.ownNumbers[std::size_t(key - 1)];
    std::sort(shown.keyNumbers.begin(), shown.keyNumbers.end());
    return shown;
}

}  // namespace lorvex
