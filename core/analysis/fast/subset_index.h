#pragma once

#include <array>
#include <cstddef>
#include <span>

#include "core/maths/binomial.h"
#include "core/system/system_row.h"

namespace lorvex::fast {

// The largest set the fast engine indexes: a whole row or a whole draw.
inline constexpr int MAX_SET_SIZE = NUMBERS_PER_ROW;

// Positions of the sets of `size` numbers out of 1..M in lexicographic order. That order
// keeps two kinds of run contiguous, which is what lets the engine add whole slices:
// - the sets whose numbers all exceed a: the last C(M - a, size) positions;
// - the sets whose smallest number is a: a block of C(M - a, size - 1) positions that lists
//   the rest of each set in the same order as the sets of size - 1 above a.
class SubsetIndex {
public:
    explicit SubsetIndex(int highestNumber) : m_(highestNumber) {}

    int highestNumber() const { return m_; }
    std::size_t count(int size) const { return choose(m_, size); }
    std::size_t setsAbove(int size, int above) const { return choose(m_ - above, size); }
    std::size_t firstAbove(int size, int above) const {
        return choose(m_, size) - choose(m_ - above, size);
    }
    std::size_t firstStartingWith(int size, int first) const {
        return choose(m_, size) - choose(m_ - first + 1, size);
    }

    // `numbers` ascending, each in 1..M.
    std::size_t rank(std::span<const int> numbers) const {
        const int size = int(numbers.size());
        std::size_t position = 0;
        int previous = 0;
        for (int t = 0; t < size; ++t) {
            const int rest = size - t;
            position += choose(m_ - previous, rest) - choose(m_ - numbers[t] + 1, rest);
            previous = numbers[t];
        }
        return position;
    }

private:
    static constexpr int MAX_N = MAX_SYSTEM_NUMBER + 1;
    using Table = std::array<std::array<std::size_t, MAX_SET_SIZE + 1>, MAX_N + 1>;

    static constexpr Table makeTable() {
        Table table{};
        for (int n = 0; n <= MAX_N; ++n) {
            for (int r = 0; r <= MAX_SET_SIZE; ++r) table[n][r] = std::size_t(binomial(n, r));
        }
        return table;
    }

    static std::size_t choose(int n, int r) {
        static constexpr Table table = makeTable();
        return n < 0 ? 0 : table[n][r];
    }

    int m_;
};

}  // namespace lorvex::fast
