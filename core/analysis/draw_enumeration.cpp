#include "core/analysis/draw_enumeration.h"

#include <array>

#include "core/analysis/progress_cursor.h"

namespace lorvex {

namespace {

class ReferenceEnumeration {
public:
    ReferenceEnumeration(const SystemTable& system, int blockSize, PatternList& patterns,
                         ProgressObserver& observer)
        : system_(system),
          k_(blockSize),
          patterns_(patterns),
          progress_(observer, system.highestNumber()) {}

    void run() {
        loop(0, 1);
        progress_.finish();
    }

private:
    // The nested loops d1 < d2 < ... < dk, one level per call; every bound inclusive.
    void loop(int level, int start) {
        for (int value = start; value <= system_.highestNumber(); ++value) {
            draw_[level] = value;
            if (level == 2) progress_.reachThird(draw_[0], draw_[1], draw_[2]);
            if (level + 1 < k_ && level + 1 < int(draw_.size())) {
                loop(level + 1, value + 1);
            } else {
                countDraw();
            }
        }
    }

    void countDraw() {
        progress_.drawsReached(1);
        std::array<bool, MAX_SYSTEM_NUMBER + 1> drawn{};
        for (int i = 0; i < k_; ++i) drawn[draw_[i]] = true;
        std::array<std::int32_t, 7> hitCounts{};
        for (const SystemRow& row : system_.rows()) {
            int hits = 0;
            for (const std::int32_t number : row) hits += drawn[number] ? 1 : 0;
            ++hitCounts[hits];
        }
        Outcome outcome;
        for (int h = k_; h >= 3; --h) outcome.hits(h) = hitCounts[h];
        patterns_.record(outcome);
    }

    const SystemTable& system_;
    const int k_;
    PatternList& patterns_;
    ProgressCursor progress_;
    std::array<int, 6> draw_{};
};

}  // namespace

void enumerateDrawsReference(const SystemTable& system, int blockSize, PatternList& patterns,
                             ProgressObserver& observer) {
    ReferenceEnumeration(system, blockSize, patterns, observer).run();
}

}  // namespace lorvex
