#pragma once

#include <span>
#include <string>

#include "builder/job/build_job.h"

// The fields of the page's "System bauen" as the player typed them, read into a build job.
namespace lorvex {

struct BuildFields {
    std::string numbers;  // V, or the own numbers
    int guarantee = 0;
    int drawn = 0;
    std::string keyNumbers;  // among the own numbers when there are any
    std::string rowsAtMost;  // empty: no limit
    std::string seconds;
    double seed = 1;  // each of the page's build workers starts from its own
};

struct BuildInput {
    builder::BuildJob job;  // options but the time and progress still to be set
    int seconds = 0;
    std::string problem;  // German, UTF-8; empty when every field reads fine
    std::string field;    // which field the problem is about: "numbers", "keys", ...
};

// With `systemNumbers` (a loaded system's count of numbers, played as `played` when there is a
// list) the job is on those numbers and the field "Zahlen" is not read.
BuildInput readBuildFields(const BuildFields& fields, int systemNumbers = 0,
                           std::span<const int> played = {});

}  // namespace lorvex
