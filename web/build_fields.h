#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "builder/design.h"
#include "builder/request.h"

// The fields of the page's "System bauen" as the player typed them, read into a request for the
// builder, and the built rows put onto the player's own numbers.
namespace lorvex {

struct BuildFields {
    std::string numbers;  // V, or the own numbers
    int guarantee = 0;
    int drawn = 0;
    std::string keyNumbers;  // among the own numbers when there are any
    std::string rowsAtMost;  // empty: no limit
    std::string seconds;
};

struct BuildInput {
    builder::BuildRequest request;  // on the numbers 1..V
    std::vector<int> ownNumbers;    // system number n is ownNumbers[n - 1]; empty: 1..V
    int seconds = 0;
    std::size_t rowsAtMost = 0;  // 0: no limit
    std::string problem;         // German, UTF-8; empty when every field reads fine
    std::string field;           // which field the problem is about: "numbers", "keys", ...
};

// With `systemNumbers` (a loaded system's highest number) the request is on those numbers and
// the field "Zahlen" is not read.
BuildInput readBuildFields(const BuildFields& fields, int systemNumbers = 0);

// The rows with system number n replaced by the n-th own number.
std::vector<builder::Block> onOwnNumbers(std::span<const builder::Block> rows,
                                         std::span<const int> ownNumbers);

// The request with its key numbers as the player typed them, for the summary.
builder::BuildRequest shownRequest(const BuildInput& input);

}  // namespace lorvex
