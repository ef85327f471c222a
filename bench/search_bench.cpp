// lorvex-search-bench: how small the local search gets coverings and lotto designs in a given
// time, beside the best known sizes. Each shape starts from rows annealed to cover everything
// at a generous size and is then shrunk; the result is checked against every draw.
//
//   lorvex-search-bench [--seconds S] [--threads N] [--seed N] [--trace] [v:k:m:t[=best] ...]
//   lorvex-search-bench --rows R [...]   draws left uncovered with R rows

#include <bit>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "builder/design/bounds.h"
#include "builder/design/design.h"
#include "builder/search/coverage_state.h"

namespace {

using lorvex::builder::Block;
using lorvex::builder::DesignShape;
using lorvex::builder::SearchLimits;

struct Case {
    DesignShape shape;
    long best = 0;
};

// Record sizes from the La Jolla Covering Repository and the known lotto values.
const std::vector<Case> defaultCases{
    {{9, 6, 3, 3}, 7},    {{10, 6, 3, 3}, 10},   {{11, 6, 3, 3}, 11},   {{12, 6, 3, 3}, 15},
    {{13, 6, 3, 3}, 21},  {{14, 6, 3, 3}, 25},   {{15, 6, 3, 3}, 31},   {{16, 6, 3, 3}, 38},
    {{18, 6, 3, 3}, 48},  {{20, 6, 3, 3}, 71},   {{22, 6, 3, 3}, 77},   {{9, 6, 4, 4}, 12},
    {{10, 6, 4, 4}, 20},  {{11, 6, 4, 4}, 32},   {{12, 6, 4, 4}, 41},   {{13, 6, 4, 4}, 66},
    {{14, 6, 4, 4}, 80},  {{15, 6, 4, 4}, 117},  {{16, 6, 4, 4}, 152},  {{18, 6, 4, 4}, 236},
    {{20, 6, 4, 4}, 382}, {{9, 6, 5, 5}, 30},    {{10, 6, 5, 5}, 50},   {{11, 6, 5, 5}, 100},
    {{12, 6, 5, 5}, 132}, {{13, 6, 5, 5}, 245},  {{14, 6, 5, 5}, 371},  {{15, 6, 5, 5}, 578},
    {{16, 6, 5, 5}, 808}, {{18, 6, 5, 5}, 1530}, {{20, 6, 5, 5}, 2800}, {{9, 6, 4, 3}, 3},
    {{9, 6, 6, 5}, 7},    {{10, 6, 6, 3}, 2},    {{13, 6, 6, 3}, 2},
};

Case parseCase(std::string_view text) {
    Case result;
    int* fields[] = {&result.shape.points, &result.shape.blockSize, &result.shape.drawSize,
                     &result.shape.guarantee};
    for (int* field : fields) {
        *field = std::atoi(std::string(text).c_str());
        const auto colon = text.find_first_of(":=");
        text = colon == text.npos ? std::string_view{} : text.substr(colon + 1);
    }
    if (!text.empty()) result.best = std::atol(std::string(text).c_str());
    return result;
}

void runCase(const Case& c, double seconds, int threads, std::uint64_t seed, std::size_t fixedRows,
             bool trace) {
    using Clock = std::chrono::steady_clock;
    const auto begin = Clock::now();
    SearchLimits limits;
    limits.deadline =
        lorvex::builder::Deadline(begin + std::chrono::duration_cast<Clock::duration>(
                                              std::chrono::duration<double>(seconds)));
    limits.seed = seed;
    limits.threads = threads;
    if (trace)
        limits.improved = [begin](std::span<const lorvex::builder::Block> design) {
            std::fprintf(stderr, "  %zu rows after %.2f s\n", design.size(),
                         std::chrono::duration<double>(Clock::now() - begin).count());
        };
    const auto bound = long(lorvex::builder::lowerBound(c.shape));
    // Stops at the best known size, so the time says how long reaching it took.
    limits.lowerBound = std::size_t(std::max(bound, c.best));
    if (fixedRows > 0) {
        const auto result = lorvex::builder::bestWithRows(c.shape, fixedRows, {}, {}, limits);
        std::printf("| %2d %d %d %d | %6zu rows leave %llu draws uncovered | %6.1f s\n",
                    c.shape.points, c.shape.blockSize, c.shape.drawSize, c.shape.guarantee,
                    fixedRows, (unsigned long long)result.uncoveredDraws,
                    std::chrono::duration<double>(Clock::now() - begin).count());
        return;
    }
    // A first covering at a size that the search covers quickly, with more rows and a little
    // time for each try.
    std::size_t rows = std::size_t(std::ceil(double(std::max(bound, c.best)) * 1.2));
    lorvex::builder::SearchResult first;
    while (true) {
        SearchLimits attempt = limits;
        attempt.deadline = limits.deadline.atMost(
            lorvex::builder::Deadline::in((limits.deadline.end() - begin) / 20));
        first = lorvex::builder::bestWithRows(c.shape, rows, first.blocks, {}, attempt);
        if (first.uncoveredDraws == 0 || limits.deadline.passed()) break;
        rows += rows / 10 + 1;
    }
    std::vector<Block> design =
        first.uncoveredDraws == 0 ? lorvex::builder::shrinkDesign(c.shape, first.blocks, {}, limits)
                                  : std::vector<Block>{};
    const double took = std::chrono::duration<double>(Clock::now() - begin).count();
    const lorvex::builder::search::CoverageState check(c.shape, {}, design);
    std::printf("| %2d %d %d %d | %6zu | %6.1f | %6ld | %6ld | %s\n", c.shape.points,
                c.shape.blockSize, c.shape.drawSize, c.shape.guarantee, design.size(), took, c.best,
                bound, design.empty() || check.uncoveredCount() != 0 ? "HOLES" : "ok");
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    double seconds = 30;
    int threads = 2;
    std::uint64_t seed = 1;
    std::vector<Case> cases;
    std::size_t fixedRows = 0;
    bool trace = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--seconds" && i + 1 < argc) {
            seconds = std::atof(argv[++i]);
        } else if (arg == "--threads" && i + 1 < argc) {
            threads = std::atoi(argv[++i]);
        } else if (arg == "--trace") {
            trace = true;
        } else if (arg == "--rows" && i + 1 < argc) {
            fixedRows = std::strtoull(argv[++i], nullptr, 10);
        } else if (arg == "--seed" && i + 1 < argc) {
            seed = std::strtoull(argv[++i], nullptr, 10);
        } else {
            cases.push_back(parseCase(arg));
        }
    }
    if (cases.empty()) cases = defaultCases;
    std::printf("| v k m t | rows | seconds | best known | lower bound | check\n");
    std::printf("|---|---|---|---|---|---|\n");
    for (const Case& c : cases) runCase(c, seconds, threads, seed, fixedRows, trace);
}
