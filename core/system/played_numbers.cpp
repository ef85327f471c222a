#include "core/system/played_numbers.h"

#include <algorithm>
#include <array>

#include "core/text/conversions.h"

namespace lorvex {

std::vector<int> numbersInRows(std::span<const SystemRow> rows) {
    std::array<bool, MAX_SYSTEM_NUMBER + 1> occurs{};
    for (const SystemRow& row : rows)
        for (const std::int32_t number : row) occurs[std::size_t(number)] = true;
    std::vector<int> numbers;
    for (int number = 1; number <= MAX_SYSTEM_NUMBER; ++number)
        if (occurs[std::size_t(number)]) numbers.push_back(number);
    return numbers;
}

SystemRow playedRow(const SystemRow& row, std::span<const int> played) {
    if (played.empty()) return row;
    SystemRow shown;
    std::transform(row.begin(), row.end(), shown.begin(),
                   [&](std::int32_t number) { return played[std::size_t(number - 1)]; });
    std::sort(shown.begin(), shown.end());
    return shown;
}

std::string placeRows(std::span<const SystemRow> written, std::span<const int> played,
                      std::vector<SystemRow>& placed) {
    std::array<std::int32_t, MAX_SYSTEM_NUMBER + 1> place{};
    for (std::size_t i = 0; i < played.size(); ++i)
        place[std::size_t(played[i])] = std::int32_t(i + 1);
    placed.clear();
    placed.reserve(written.size());
    for (const SystemRow& row : written) {
        SystemRow& onPlaces = placed.emplace_back();
        for (std::size_t i = 0; i < row.size(); ++i) {
            onPlaces[i] = place[std::size_t(row[i])];
            if (onPlaces[i] != 0) continue;
            placed.clear();
            std::string shown;
            for (const std::int32_t number : row)
                shown += (shown.empty() ? "" : " ") + FormatInteger(number);
            return "Die Reihe " + shown + " enthält die " + FormatInteger(row[i]) +
                   ", die nicht unter den " + FormatInteger(std::int64_t(played.size())) +
                   " gespielten Zahlen ist.";
        }
    }
    return {};
}

std::string placeOnPlayedNumbers(std::span<const SystemRow> written, std::span<const int> played,
                                 SystemTable& table) {
    std::vector<SystemRow> placed;
    table.clear();
    if (std::string problem = placeRows(written, played, placed); !problem.empty()) return problem;
    for (const SystemRow& row : placed) table.appendRow(row);
    table.sortRows();
    table.widenNumbers(int(played.size()));
    return {};
}

std::string playedNumbersText(std::span<const int> played) {
    std::string text = FormatInteger(std::int64_t(played.size())) + " Zahlen:";
    for (std::size_t i = 0; i < played.size(); ++i)
        text += (i == 0 ? " " : ", ") + FormatInteger(played[i]);
    return text;
}

}  // namespace lorvex
