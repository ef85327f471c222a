#pragma once

#include <cstdint>

#include "core/system/system_table.h"

namespace lorvex::bench {

// Reproducible systems of `rowCount` rows over 1..49, each holding 49 somewhere so that the
// highest number is 49.
enum class RowKind {
    DistinctNumbers,  // six different numbers per row
    MostlyRepeated,   // nine rows in ten hold one number twice
    HeavilyRepeated,  // nine rows in ten hold up to three copies, some a number three times or more
};

SystemTable syntheticSystem(int rowCount, RowKind kind, std::uint64_t seed = 20240601);

}  // namespace lorvex::bench
