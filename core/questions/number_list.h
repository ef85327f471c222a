#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/system/system_row.h"

// The numbers a player types for playing the system on own numbers and for checking a draw,
// read alike by lorvex-report ("--map", "--check") and the web page. The German problems name
// those options on the command line and speak of the typed numbers on the page.
namespace lorvex {

enum class NumberWording { Options, Plain };

// Numbers separated as in a system line: runs of blanks, TABs, ",", ";" and "-". Each must be a
// plain decimal number from 1 to 49, and none may repeat.
struct NumberList {
    std::vector<int> numbers;  // empty after a problem
    std::string problem;       // UTF-8; empty when the text reads fine
};

// `option` names the option on the command line; on the page it is empty and a problem speaks
// of the field it is shown beside.
NumberList parseNumberList(std::string_view option, std::string_view text);

// The own numbers of "--map": system number i becomes numbers[i - 1].
NumberList parseOwnNumbers(std::string_view text, NumberWording wording = NumberWording::Options);

// The draw of "--check": six numbers.
struct DrawNumbers {
    std::array<int, NUMBERS_PER_ROW> numbers{};
    std::string problem;  // UTF-8; empty when the text reads fine
};
DrawNumbers parseDrawNumbers(std::string_view text, NumberWording wording = NumberWording::Options);

// Empty when there is one own number per system number.
std::string ownNumbersCountProblem(std::size_t ownNumbers, int highestNumber,
                                   NumberWording wording = NumberWording::Options);

}  // namespace lorvex
