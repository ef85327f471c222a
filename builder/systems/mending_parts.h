#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "builder/design/design.h"
#include "builder/systems/request.h"
#include "builder/systems/system_builder.h"

// Pieces that plugging, trimming and the row budget share.
namespace lorvex::builder {

// A row of the request (bit n-1 for the number n, all key numbers in it) as a row of the
// reduced design: the inverse of requestRow.
Block reducedRow(const BuildRequest& request, Row row);

// The draws of the shape that no block meets in `guarantee` points, in colex order.
std::vector<Block> holesOf(const DesignShape& shape, std::span<const Block> blocks);

// No fewer rows than this close all the holes (draws of the shape).
std::uint64_t addedRowsBound(const DesignShape& shape, std::span<const Block> holes);

// The blocks less those that every draw they reach can spare, the most redundant tried first
// where ordering them is cheap. Past the deadline the blocks not yet tried are kept.
std::vector<Block> withoutRedundantRows(const DesignShape& shape, std::vector<Block> blocks,
                                        Deadline deadline);

// Exactly `rows` blocks besides `fixed` that leave as few draws without the guarantee as the
// search finds, seeded with `start`; no more than `start` has when it already covers all.
std::vector<Block> fewestMissed(const DesignShape& shape, std::size_t rows,
                                std::span<const Block> start, std::span<const Block> fixed,
                                const SearchLimits& limits);

}  // namespace lorvex::builder
