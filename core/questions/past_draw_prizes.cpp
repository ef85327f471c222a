#include "core/questions/past_draw_prizes.h"

#include <algorithm>
#include <bit>

#include "core/questions/draw_check.h"

namespace lorvex {

bool DrawPrizes::won() const {
    return std::any_of(rowsInClass.begin(), rowsInClass.end(),
                       [](std::int32_t rows) { return rows > 0; });
}

DrawPrizes prizesOfDraw(std::span<const SystemRow> rows, const PastDraw& draw,
                        std::optional<int> ticketSuperzahl) {
    DrawPrizes prizes;
    prizes.superzahlKnown = ticketSuperzahl.has_value() && draw.superzahl.has_value();
    const bool matches = prizes.superzahlKnown && *ticketSuperzahl == *draw.superzahl;
    const std::uint64_t drawn = numberSet(draw.numbers);
    for (const SystemRow& row : rows) {
        const int prize = prizeClass(std::popcount(numberSet(row) & drawn), matches);
        if (prize > 0) ++prizes.rowsInClass[std::size_t(prize - 1)];
    }
    return prizes;
}

}  // namespace lorvex
