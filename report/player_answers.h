#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "core/questions/coverage.h"
#include "core/questions/draw_check.h"
#include "core/questions/draw_odds.h"
#include "core/system/system_row.h"

// The answers to a player's questions after the hit table, as UTF-8 text with LF line ends.
namespace lorvex {

// One section per block, a blank line between them.
std::string coverageText(std::span<const BlockCoverage> blocks);

// Why there is no coverage: even the smallest block asked for has no draw.
std::string noCoverageText(int smallestBlock, int highestNumber);

std::string drawOddsText(const DrawOdds& odds);

// `rowsHolding[n - 1]`: the rows that hold the system number n, shown as played[n - 1] when
// there are played numbers.
std::string numberFrequencyText(std::span<const std::int32_t> rowsHolding,
                                std::span<const int> played = {});

// One row per line, its numbers ascending with two digits each: loads again as a system.
std::string systemRowsText(std::span<const SystemRow> rows);

// The rows with 3 or more hits, then the totals.
std::string drawCheckText(std::span<const SystemRow> rows, const DrawCheck& check);

}  // namespace lorvex
