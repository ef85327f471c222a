#include "synthetic_systems.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace lorvex::bench {

namespace {

// splitmix64: the same numbers on every platform and standard library.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    int below(int bound) {
        state_ += 0x9E3779B97F4A7C15u;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return int((z ^ (z >> 31)) % std::uint64_t(bound));
    }

private:
    std::uint64_t state_;
};

SystemRow distinctRow(Random& random) {
    std::array<int, MAX_SYSTEM_NUMBER> numbers;
    std::iota(numbers.begin(), numbers.end(), 1);
    SystemRow row{};
    for (int i = 0; i < NUMBERS_PER_ROW; ++i) {
        std::swap(numbers[i], numbers[i + random.below(MAX_SYSTEM_NUMBER - i)]);
        row[i] = numbers[i];
    }
    return row;
}

SystemRow repeatedRow(Random& random, int mostCopies) {
    SystemRow row = distinctRow(random);
    const int copies = 1 + random.below(mostCopies);
    for (int i = 0; i < copies; ++i) {
        const int from = random.below(NUMBERS_PER_ROW);
        const int to = (from + 1 + random.below(NUMBERS_PER_ROW - 1)) % NUMBERS_PER_ROW;
        row[to] = row[from];
    }
    return row;
}

}  // namespace

SystemTable syntheticSystem(int rowCount, RowKind kind, std::uint64_t seed) {
    Random random(seed);
    SystemTable system;
    for (int i = 0; i < rowCount; ++i) {
        const int mostCopies = kind == RowKind::HeavilyRepeated  ? 3
                               : kind == RowKind::MostlyRepeated ? 1
                                                                 : 0;
        const bool repeat = mostCopies > 0 && random.below(10) != 0;
        SystemRow row = repeat ? repeatedRow(random, mostCopies) : distinctRow(random);
        if (i == 0 && std::find(row.begin(), row.end(), MAX_SYSTEM_NUMBER) == row.end()) {
            row[0] = MAX_SYSTEM_NUMBER;
        }
        system.appendRow(row);
    }
    system.sortRows();
    return system;
}

}  // namespace lorvex::bench
