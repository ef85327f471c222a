#pragma once

#include <algorithm>
#include <chrono>

namespace lorvex::builder {

// The moment by which a piece of work must end. A front end makes it once, from the time the
// player gives; every step gets its share of what is left from it, never a duration again.
class Deadline {
public:
    using Clock = std::chrono::steady_clock;

    constexpr Deadline() = default;  // long passed
    explicit constexpr Deadline(Clock::time_point end) : end_(end) {}
    static Deadline in(Clock::duration time) { return Deadline(Clock::now() + time); }

    Clock::time_point end() const { return end_; }
    bool passed() const { return Clock::now() >= end_; }
    Clock::duration left() const { return std::max(end_ - Clock::now(), Clock::duration::zero()); }

    // The deadline of a step that may take `parts` of `whole` equal parts of the time left.
    Deadline share(int parts, int whole) const {
        return Deadline(Clock::now() + left() * parts / whole);
    }
    Deadline share(int whole) const { return share(1, whole); }

    // This deadline, but at least `time` from now (a start that must be made however short
    // the time), or no later than `other`.
    Deadline atLeast(Clock::duration time) const {
        return Deadline(std::max(end_, Clock::now() + time));
    }
    Deadline atMost(Deadline other) const { return Deadline(std::min(end_, other.end_)); }

private:
    Clock::time_point end_{};
};

}  // namespace lorvex::builder
