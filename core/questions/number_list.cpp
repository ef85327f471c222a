#include "core/questions/number_list.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

#include "core/messages/messages.h"

namespace lorvex {

NumberList parseNumberList(std::string_view option, std::string_view text) {
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
        // "0x0C" is no number at all, rather than a 0 out of range.
        const bool whole = stop == field.data() + field.size();
        if (!whole || error == std::errc::invalid_argument) {
            list.problem = notANumberText(option, field);
        } else if (error == std::errc::result_out_of_range || value < 1 ||
                   value > MAX_SYSTEM_NUMBER) {
            list.problem = numberOutOfRangeText(option, field);
        } else if (std::find(list.numbers.begin(), list.numbers.end(), value) !=
                   list.numbers.end()) {
            list.problem = numberTwiceText(option, field);
        }
        if (!list.problem.empty()) {
            list.numbers.clear();
            return list;
        }
        list.numbers.push_back(value);
    }
    if (list.numbers.empty()) list.problem = numbersExpectedText(option);
    return list;
}

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
        draw.problem = sixDrawnNumbersExpectedText(options ? "--check" : "", list.numbers.size());
    } else {
        std::copy(list.numbers.begin(), list.numbers.end(), draw.numbers.begin());
    }
    return draw;
}

std::string ownNumbersCountProblem(std::size_t ownNumbers, int highestNumber,
                                   NumberWording wording) {
    if (ownNumbers == std::size_t(highestNumber)) return {};
    return ownNumbersCountText(wording == NumberWording::Options ? "--map" : "", ownNumbers,
                               highestNumber);
}

}  // namespace lorvex
