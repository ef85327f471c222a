#include "number_list.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

#include "conversions.h"

namespace lorvex {

namespace {

// `option` names the option on the command line; on the page it is empty and a problem speaks
// of the field it is shown beside.
NumberList parseNumberList(std::string_view option, std::string_view text) {
    const std::string lead = option.empty() ? std::string() : std::string(option) + ": ";
    constexpr std::string_view separators = " \t,;-";
    NumberList list;
    for (std::size_t start = text.find_first_not_of(separators); start != std::string_view::npos;
         start = text.find_first_not_of(separators, start)) {
        const std::size_t end = std::min(text.find_first_of(separators, start), text.size());
        const std::string_view field = text.substr(start, end - start);
        start = end;
        int value = 0;
        const auto [stop, error] =
            std::from_chars(field.data(), field.data() + field.size(), value);
        if (error == std::errc::result_out_of_range ||
            (error == std::errc() && (value < 1 || value > MAX_SYSTEM_NUMBER))) {
            list.problem = lead + std::string(field) + " liegt nicht zwischen 1 und 49.";
        } else if (error != std::errc() || stop != field.data() + field.size()) {
            list.problem = lead + "\"" + std::string(field) +
                           "\" ist keine Zahl (erlaubt sind Zahlen von 1 bis 49, getrennt durch "
                           "Leerzeichen, Tabulatoren, \",\", \";\" oder \"-\").";
        } else if (std::find(list.numbers.begin(), list.numbers.end(), value) !=
                   list.numbers.end()) {
            list.problem = lead + std::string(field) + " steht mehr als einmal da.";
        }
        if (!list.problem.empty()) {
            list.numbers.clear();
            return list;
        }
        list.numbers.push_back(value);
    }
    if (list.numbers.empty()) {
        list.problem = option.empty() ? "Bitte Zahlen von 1 bis 49 eingeben."
                                      : std::string(option) + " erwartet Zahlen von 1 bis 49.";
    }
    return list;
}

}  // namespace

NumberList parseOwnNumbers(std::string_view text, NumberWording wording) {
    return parseNumberList(wording == NumberWording::Options ? "--map" : "", text);
}

DrawNumbers parseDrawNumbers(std::string_view text, NumberWording wording) {
    const bool options = wording == NumberWording::Options;
    const NumberList list = parseNumberList(options ? "--check" : "", text);
    DrawNumbers draw;
    if (!list.problem.empty()) {
        draw.problem = list.problem;
    } else if (list.numbers.size() != draw.numbers.size()) {
        const std::string count = FormatInteger(std::int64_t(list.numbers.size()));
        draw.problem = options ? "--check erwartet sechs verschiedene Zahlen, nicht " + count + "."
                               : "Bitte sechs verschiedene Zahlen eingeben, nicht " + count + ".";
    } else {
        std::copy(list.numbers.begin(), list.numbers.end(), draw.numbers.begin());
    }
    return draw;
}

std::string ownNumbersCountProblem(std::size_t ownNumbers, int highestNumber,
                                   NumberWording wording) {
    if (ownNumbers == std::size_t(highestNumber)) return {};
    const std::string given = FormatInteger(std::int64_t(ownNumbers));
    const std::string typed =
        ownNumbers == 1 ? "1 eigene Zahl eingegeben" : given + " eigene Zahlen eingegeben";
    return (wording == NumberWording::Options ? "--map nennt " + given + " Zahlen" : typed) +
           ", das System hat aber " + FormatInteger(highestNumber) +
           " Systemzahlen: je Systemzahl eine eigene Zahl angeben.";
}

}  // namespace lorvex
