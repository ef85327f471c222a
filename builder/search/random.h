#pragma once

#include <cstdint>

namespace lorvex::builder::search {

// xoshiro256** seeded through splitmix64: the same numbers on every compiler and library,
// which keeps a run repeatable for a given seed.
class Random {
public:
    explicit Random(std::uint64_t seed) {
        for (auto& word : state_) {
            seed += 0x9e3779b97f4a7c15ULL;
            std::uint64_t z = seed;
            z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
            z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
            word = z ^ (z >> 31);
        }
    }

    std::uint64_t next() {
        const std::uint64_t result = rotl(state_[1] * 5, 7) * 9;
        const std::uint64_t shifted = state_[1] << 17;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= shifted;
        state_[3] = rotl(state_[3], 45);
        return result;
    }

    // Uniform in 0..bound-1 for 0 < bound < 2^32, by the multiply-shift method.
    std::uint32_t below(std::uint32_t bound) {
        return std::uint32_t(((next() >> 32) * bound) >> 32);
    }

    // Uniform in [0, 1).
    double unit() { return double(next() >> 11) * 0x1.0p-53; }

private:
    static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

    std::uint64_t state_[4]{};
};

// The one way every search chooses among equally good candidates: each with the same chance,
// the n-th equal one taking the place of the choice with chance 1/n (reservoir sampling).
// Lower scores are better.
template <typename Score>
class TieBreak {
public:
    TieBreak(Random& random, Score worst) : random_(random), best_(worst) {}

    // Whether the candidate with `score` becomes the choice.
    bool offer(Score score) {
        if (score > best_) return false;
        if (score < best_) {
            best_ = score;
            ties_ = 0;
        }
        return random_.below(++ties_) == 0;
    }

    Score best() const { return best_; }
    bool chosen() const { return ties_ > 0; }

private:
    Random& random_;
    Score best_;
    std::uint32_t ties_ = 0;
};

}  // namespace lorvex::builder::search
