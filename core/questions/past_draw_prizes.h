#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "core/questions/past_draws.h"
#include "core/questions/prize_classes.h"
#include "core/system/system_row.h"

namespace lorvex {

// What the rows of a ticket won in one past draw.
struct DrawPrizes {
    std::array<std::int32_t, PRIZE_CLASSES> rowsInClass{};  // [0] rows in class 1 ... [8] class 9
    // Whether the ticket's and the draw's Superzahl were both known. When not, each row counts
    // by its Richtige alone, in the class without the Superzahl, and 2 Richtige win nothing.
    bool superzahlKnown = false;

    std::int32_t rowsIn(int prizeClass) const { return rowsInClass[std::size_t(prizeClass - 1)]; }
    bool won() const;
};

DrawPrizes prizesOfDraw(std::span<const SystemRow> rows, const PastDraw& draw,
                        std::optional<int> ticketSuperzahl);

}  // namespace lorvex
