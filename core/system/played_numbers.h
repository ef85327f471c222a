#pragma once

#include <span>
#include <string>
#include <vector>

#include "core/system/system_table.h"

// The numbers a system plays: an ordered list of V distinct numbers from 1 to 49, the i-th of
// which stands for the system number i. A system written on them is analysed as the system on
// 1..V, and every number shown goes back to the list. An empty list plays the system numbers
// as they are.
namespace lorvex {

// The numbers that occur in the rows, ascending.
std::vector<int> numbersInRows(std::span<const SystemRow> rows);

// The row as played: system number i becomes played[i - 1], ascending; unchanged for no list.
SystemRow playedRow(const SystemRow& row, std::span<const int> played);

// The rows of `written` (numbers from the list) as system numbers, in their order, into
// `placed`; the German reason (UTF-8) when a row holds a number outside the list, else empty.
std::string placeRows(std::span<const SystemRow> written, std::span<const int> played,
                      std::vector<SystemRow>& placed);

// The rows of `written` (numbers from the list) as system numbers into `table` (cleared first),
// sorted, with the system numbers 1..played.size() whether or not each occurs. The German
// reason (UTF-8) when a row holds a number outside the list, else empty.
std::string placeOnPlayedNumbers(std::span<const SystemRow> written, std::span<const int> played,
                                 SystemTable& table);

// "12 Zahlen: 3, 7, 11, 19, 22, 28, 31, 36, 40, 42, 45, 47".
std::string playedNumbersText(std::span<const int> played);

}  // namespace lorvex
