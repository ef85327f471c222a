#include "builder/job/system_text_output.h"

#include <algorithm>
#include <bit>
#include <vector>

namespace lorvex::builder {

namespace {

std::vector<int> playedNumbersOf(Block row, std::span<const int> played) {
    std::vector<int> numbers;
    for (; row != 0; row &= row - 1) {
        const int number = std::countr_zero(row) + 1;
        numbers.push_back(played.empty() ? number : played[std::size_t(number - 1)]);
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

}  // namespace

std::string systemText(std::span<const Row> rows, std::span<const int> played, RowsWritten order) {
    std::vector<std::vector<int>> written;
    written.reserve(rows.size());
    for (const Row row : rows) written.push_back(playedNumbersOf(row.numbers, played));
    if (order == RowsWritten::Sorted) std::sort(written.begin(), written.end());
    std::string text;
    text.reserve(written.size() * 18);
    for (const std::vector<int>& numbers : written) {
        for (std::size_t i = 0; i < numbers.size(); ++i) {
            if (i > 0) text += ' ';
            text += char('0' + numbers[i] / 10);
            text += char('0' + numbers[i] % 10);
        }
        text += '\n';
    }
    return text;
}

}  // namespace lorvex::builder
