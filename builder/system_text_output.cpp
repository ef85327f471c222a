#include "builder/system_text_output.h"

#include <algorithm>
#include <bit>
#include <vector>

namespace lorvex::builder {

namespace {

std::vector<int> numbersOf(Block row) {
    std::vector<int> numbers;
    for (; row != 0; row &= row - 1) numbers.push_back(std::countr_zero(row) + 1);
    return numbers;
}

}  // namespace

std::string systemText(std::span<const Block> rows) {
    std::vector<std::vector<int>> sorted;
    for (const Block row : rows) sorted.push_back(numbersOf(row));
    std::sort(sorted.begin(), sorted.end());
    std::string text;
    text.reserve(sorted.size() * 18);
    for (const std::vector<int>& numbers : sorted) {
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
