#include "builder/systems/request.h"

#include <algorithm>
#include <bit>

#include "builder/design/bounds.h"
#include "core/system/system_row.h"
#include "core/text/conversions.h"

namespace lorvex::builder {

namespace {

std::string text(int value) {
    return FormatInteger(value);
}

}  // namespace

std::optional<std::string> keyNumberProblem(const BuildRequest& request) {
    const std::vector<int>& keys = request.keyNumbers;
    for (const int key : keys) {
        if (key < 1 || key > request.numbers) {
            return "Die Bankzahl " + text(key) + " liegt nicht zwischen 1 und " +
                   text(request.numbers) + ".";
        }
    }
    if (std::adjacent_find(keys.begin(), keys.end()) != keys.end()) {
        return "Jede Bankzahl darf nur einmal genannt werden.";
    }
    const int count = int(keys.size());
    // Six key numbers are the one row; the system would not hold the other numbers at all.
    if (count == ROW_SIZE) {
        return "Sechs Bankzahlen sind schon eine ganze Reihe; höchstens fünf angeben.";
    }
    // Key numbers beyond the guarantee would promise more than was asked.
    if (count > request.guarantee) {
        return text(count) + " Bankzahlen sind mehr, als die Garantie von " +
               text(request.guarantee) + " Richtigen zulässt.";
    }
    return std::nullopt;
}

std::optional<std::string> requestProblem(const BuildRequest& request) {
    if (request.numbers < MIN_NUMBERS || request.numbers > MAX_NUMBERS) {
        return "Ein System spielt " + text(MIN_NUMBERS) + " bis " + text(MAX_NUMBERS) +
               " Zahlen, nicht " + text(request.numbers) + ".";
    }
    if (request.guarantee < 2 || request.guarantee > ROW_SIZE) {
        return "Die Garantie muss zwischen 2 und 6 Richtigen liegen, nicht " +
               text(request.guarantee) + ".";
    }
    if (request.drawn < 2 || request.drawn > ROW_SIZE) {
        return "Es werden 2 bis 6 Gewinnzahlen gezogen, nicht " + text(request.drawn) + ".";
    }
    if (request.guarantee > request.drawn) {
        return "Bei " + text(request.drawn) + " Gewinnzahlen kann keine Reihe " +
               text(request.guarantee) + " Richtige haben.";
    }
    if (request.drawn > request.numbers) {
        return "Unter " + text(request.numbers) + " Zahlen können nicht " + text(request.drawn) +
               " Gewinnzahlen sein.";
    }
    if (auto problem = keyNumberProblem(request)) return problem;
    // Lorvex loads at most MAX_SYSTEM_ROWS rows; a system that must be larger is of no use.
    const std::uint64_t least = lowerBound(reducedShape(request));
    if (least > std::uint64_t(MAX_SYSTEM_ROWS)) {
        return "Ein solches System hat mindestens " + FormatInteger(std::int64_t(least)) +
               " Reihen; Lorvex verarbeitet höchstens " + text(MAX_SYSTEM_ROWS) + ".";
    }
    return std::nullopt;
}

DesignShape reducedShape(const BuildRequest& request) {
    const int keys = int(request.keyNumbers.size());
    return {request.numbers - keys, ROW_SIZE - keys, request.drawn - keys,
            request.guarantee - keys};
}

Block keyMask(const BuildRequest& request) {
    Block mask = 0;
    for (const int key : request.keyNumbers) mask |= Block{1} << (key - 1);
    return mask;
}

std::vector<Block> numbersOf(std::span<const Row> rows) {
    std::vector<Block> numbers;
    numbers.reserve(rows.size());
    for (const Row row : rows) numbers.push_back(row.numbers);
    return numbers;
}

Row requestRow(const BuildRequest& request, Block reducedRow) {
    const Block keys = keyMask(request);
    Block row = keys;
    int point = 0;
    for (int number = 1; number <= request.numbers; ++number) {
        const Block bit = Block{1} << (number - 1);
        if (keys & bit) continue;
        if (reducedRow & (Block{1} << point)) row |= bit;
        ++point;
    }
    return {row};
}

}  // namespace lorvex::builder
