#pragma once

#include <string_view>

namespace lorvex {

// The outside pages of the "?" menu.
// "Velmor's Lotto-Wheels page": what lottery wheels are, with examples.
inline constexpr std::string_view LINK_1_ADDRESS = "https://en.wikipedia.org/wiki/Lottery_wheeling";
// "La Jolla Covering Repository Tables": the tables of covering designs.
inline constexpr std::string_view LINK_2_ADDRESS = "https://ljcr.dmgordon.org/cover/table.html";
// "Dranek Lotto-Systeme": a German-language page about the 6-out-of-49 lottery.
inline constexpr std::string_view LINK_3_ADDRESS = "https://de.wikipedia.org/wiki/Lotto_6_aus_49";
// "Homepage".
inline constexpr std::string_view HOMEPAGE_ADDRESS = "https://ljcr.dmgordon.org/cover.html";

}  // namespace lorvex
