// lorvex-orbit-bench: one orbit design on one thread, searched until it stops gaining, with its
// size and the seconds it took (making the orbit lists included). The same seed gives the same
// design, so two builds can be timed against each other on equal work.
//
//   lorvex-orbit-bench v:k:m:t GROUP [SEED]     e.g. 22:6:6:4 Z6x2+Z4x2 1

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "builder/design/tuning.h"
#include "builder/orbits/orbit_parts.h"
#include "builder/orbits/permutation_groups.h"

namespace {

using namespace lorvex::builder;

std::optional<DesignShape> parseShape(const char* text) {
    DesignShape shape;
    if (std::sscanf(text, "%d:%d:%d:%d", &shape.points, &shape.blockSize, &shape.drawSize,
                    &shape.guarantee) != 4)
        return std::nullopt;
    const bool fits = shape.points >= 7 && shape.points <= 49 && shape.blockSize >= 1 &&
                      shape.blockSize <= shape.points && shape.drawSize >= 1 &&
                      shape.drawSize <= shape.points && shape.guarantee >= 1 &&
                      shape.guarantee <= std::min(shape.blockSize, shape.drawSize);
    if (!fits) return std::nullopt;
    return shape;
}

std::optional<PermutationGroup> groupNamed(int points, const std::string& name) {
    std::vector<PermutationGroup> groups = candidateGroups(points, true);
    for (PermutationGroup& group : twoLengthGroups(points)) groups.push_back(std::move(group));
    if (points >= 9) groups.push_back(threeTripleTurn(points));  // "Z3x3" beyond the small groups
    for (PermutationGroup& group : groups) {
        if (group.name == name) return std::move(group);
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: lorvex-orbit-bench v:k:m:t GROUP [SEED]\n");
        return 2;
    }
    const std::optional<DesignShape> shape = parseShape(argv[1]);
    const std::optional<PermutationGroup> group =
        shape ? groupNamed(shape->points, argv[2]) : std::nullopt;
    if (!group) {
        std::fprintf(stderr, "no such shape or group: %s %s\n", argv[1], argv[2]);
        return 2;
    }
    const std::uint64_t seed = argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 1;
    const auto never = [] { return false; };
    const auto start = std::chrono::steady_clock::now();
    const auto design =
        orbitDesignWithin(*shape, *group, seed, tuning::MAX_ORBIT_WORK, never, never);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!design) {
        std::fprintf(stderr, "too many orbits for %s\n", argv[2]);
        return 1;
    }
    std::printf("%s %s seed %llu: %zu rows, %.2f s\n", argv[1], argv[2],
                static_cast<unsigned long long>(seed), design->size(), seconds);
    return 0;
}
