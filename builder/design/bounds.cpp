#include "builder/design/bounds.h"

#include <algorithm>

#include "core/maths/binomial.h"

namespace lorvex::builder {

namespace {

std::uint64_t ceilDivide(std::uint64_t numerator, std::uint64_t denominator) {
    return (numerator + denominator - 1) / denominator;
}

}  // namespace

std::uint64_t schoenheimBound(int v, int k, int t) {
    std::uint64_t bound = 1;
    for (int i = t; i >= 1; --i) {
        const int shift = t - i;  // innermost factor first: (v-t+1)/(k-t+1)
        bound =
            ceilDivide(std::uint64_t(v - t + 1 + shift) * bound, std::uint64_t(k - t + 1 + shift));
    }
    return bound;
}

std::uint64_t countingBound(const DesignShape& shape) {
    const auto [v, k, m, t] = shape;
    std::uint64_t reach = 0;
    for (int i = std::max(t, 0); i <= std::min(k, m); ++i) {
        reach += binomial(k, i) * binomial(v - k, m - i);
    }
    if (reach == 0) return 0;
    return ceilDivide(binomial(v, m), reach);
}

std::uint64_t lowerBound(const DesignShape& shape) {
    if (shape.drawSize > shape.points) return 0;
    if (shape.guarantee <= 0) return 1;
    const std::uint64_t counting = countingBound(shape);
    if (shape.drawSize != shape.guarantee) return counting;
    return std::max(counting, schoenheimBound(shape.points, shape.blockSize, shape.guarantee));
}

}  // namespace lorvex::builder
