#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "builder/design/design.h"

namespace lorvex::builder {

inline constexpr int MIN_NUMBERS = 7;
inline constexpr int MAX_NUMBERS = 49;
inline constexpr int ROW_SIZE = 6;

// What a player asks for: rows of six out of the numbers 1..numbers such that whenever `drawn`
// of them are drawn, all key numbers among them, some row holds at least `guarantee` of them.
struct BuildRequest {
    int numbers = 0;
    int guarantee = 0;
    int drawn = 0;
    std::vector<int> keyNumbers;  // ascending, each in every row
};

// What is wrong with the key numbers alone (German, UTF-8): out of range, named twice, too many.
std::optional<std::string> keyNumberProblem(const BuildRequest& request);

// Why the request cannot be met or means nothing (German, UTF-8), or nothing when it is fine.
std::optional<std::string> requestProblem(const BuildRequest& request);

// The design left once the key numbers are taken out of every row and every draw.
DesignShape reducedShape(const BuildRequest& request);

// A row of a system for the request: bit n-1 for the system number n, the key numbers included.
// The design's blocks (design/bits.h) have the key numbers taken out; the two never mix.
struct Row {
    Block numbers = 0;
    friend bool operator==(Row, Row) = default;
};

// The rows' numbers as sets, for what works on any sets of points (the proof, say).
std::vector<Block> numbersOf(std::span<const Row> rows);

// A row of the reduced design as the numbers of the request: point p is the (p+1)-th number
// that is no key number; the key numbers are added.
Row requestRow(const BuildRequest& request, Block reducedRow);

// The key numbers as a row mask over the numbers (bit n-1 for number n).
Block keyMask(const BuildRequest& request);

}  // namespace lorvex::builder
