#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <map>
#include <ostream>
#include <random>
#include <string>
#include <tuple>
#include <variant>
#include <vector>

#include "core/analysis/draw_enumeration.h"
#include "core/analysis/fast/fast_engine.h"
#include "core/analysis/hit_analysis.h"
#include "core/system/file_bytes.h"
#include "core/system/system_loader.h"
#include "core/system/system_text.h"

namespace lorvex {
namespace {

using Counts = std::array<std::int32_t, 4>;  // rows with 6, 5, 4, 3 hits
using PatternMap = std::map<Counts, std::int64_t>;

struct Third {
    int d1, d2, d3;
    bool operator==(const Third&) const = default;
};
struct Draws {
    std::int64_t count;
    bool operator==(const Draws&) const = default;
};
using ProgressEvent = std::variant<Third, Draws>;

// The progress points in order; consecutive draw reports are merged, since batching them is
// the engine's choice.
class RecordingObserver : public ProgressObserver {
public:
    void thirdNumberChanged(int d1, int d2, int d3) override {
        events.push_back(Third{d1, d2, d3});
    }
    void drawsReached(std::int64_t draws) override {
        if (!events.empty() && std::holds_alternative<Draws>(events.back())) {
            std::get<Draws>(events.back()).count += draws;
        } else {
            events.push_back(Draws{draws});
        }
    }
    std::vector<ProgressEvent> events;
};

struct EngineRun {
    PatternMap patterns;
    std::vector<ProgressEvent> progress;
};

using Engine = void (*)(const SystemTable&, int, PatternList&, ProgressObserver&);

EngineRun runEngine(Engine engine, const SystemTable& system, int blockSize) {
    PatternList list;
    RecordingObserver observer;
    engine(system, blockSize, list, observer);
    EngineRun run;
    for (const auto& [outcome, cases] : list.contents()) run.patterns[outcome.rowsWith] += cases;
    run.progress = std::move(observer.events);
    return run;
}

SystemTable makeSystem(const std::vector<SystemRow>& rows) {
    SystemTable system;
    for (const SystemRow& row : rows) system.appendRow(row);
    system.sortRows();
    return system;
}

std::int64_t binomial(int n, int r) {
    if (r < 0 || n < r) return 0;
    std::int64_t value = 1;
    for (int i = 1; i <= r; ++i) value = value * (n - r + i) / i;
    return value;
}

Counts countsOf(int blockSize, std::array<std::int32_t, 7> rowsWithHits) {
    Counts counts{};
    for (int h = blockSize; h >= 3; --h) counts[6 - h] = rowsWithHits[h];
    return counts;
}

void expectSameAsReference(const SystemTable& system, int blockSize) {
    const EngineRun fast = runEngine(enumerateDrawsFast, system, blockSize);
    const EngineRun reference = runEngine(enumerateDrawsReference, system, blockSize);
    EXPECT_EQ(fast.patterns, reference.patterns);
    EXPECT_TRUE(fast.progress == reference.progress) << "progress points differ";
}

// --- randomised equivalence with the reference ---

enum class Family { DistinctNumbers, RepeatedNumbers, IdenticalRows, FewNumbers, MoreNumbers };

struct RandomCase {
    Family family;
    int blockSize;
};

std::string familyName(Family family) {
    switch (family) {
        case Family::DistinctNumbers:
            return "DistinctNumbers";
        case Family::RepeatedNumbers:
            return "RepeatedNumbers";
        case Family::IdenticalRows:
            return "IdenticalRows";
        case Family::FewNumbers:
            return "FewNumbers";
        case Family::MoreNumbers:
            return "MoreNumbers";
    }
    return "";
}

void PrintTo(const RandomCase& randomCase, std::ostream* out) {
    *out << familyName(randomCase.family) << ", block " << randomCase.blockSize;
}

class RandomSystems {
public:
    explicit RandomSystems(unsigned seed) : random_(seed) {}

    int uniform(int low, int high) { return low + int(random_() % unsigned(high - low + 1)); }

    SystemRow row(Family family, int highest) {
        SystemRow row{};
        if (family == Family::DistinctNumbers && highest >= NUMBERS_PER_ROW) {
            std::vector<int> numbers(highest);
            for (int i = 0; i < highest; ++i) numbers[i] = i + 1;
            for (int i = 0; i < NUMBERS_PER_ROW; ++i) {
                std::swap(numbers[i], numbers[uniform(i, highest - 1)]);
                row[i] = numbers[i];
            }
            return row;
        }
        for (std::int32_t& number : row) number = uniform(1, highest);
        return row;
    }

    SystemTable system(Family family) {
        if (family == Family::MoreNumbers) return largerSystem();
        const int highest = family == Family::FewNumbers ? uniform(1, 5) : uniform(6, 16);
        const int rowCount = uniform(1, 24);
        std::vector<SystemRow> rows;
        while (int(rows.size()) < rowCount) {
            if (family == Family::IdenticalRows && !rows.empty() && uniform(0, 1) == 0) {
                rows.push_back(rows[uniform(0, int(rows.size()) - 1)]);
            } else {
                rows.push_back(row(family, highest));
            }
        }
        return makeSystem(rows);
    }

    // Up to 19 numbers and 40 rows, a quarter of them with repeated numbers.
    SystemTable largerSystem() {
        const int highest = uniform(17, 19);
        std::vector<SystemRow> rows(std::size_t(uniform(20, 40)));
        for (SystemRow& row : rows) {
            const bool repeats = uniform(0, 3) == 0;
            row = this->row(repeats ? Family::RepeatedNumbers : Family::DistinctNumbers, highest);
        }
        return makeSystem(rows);
    }

private:
    std::mt19937 random_;
};

class FastMatchesReference : public testing::TestWithParam<RandomCase> {};

TEST_P(FastMatchesReference, OnRandomSmallSystems) {
    const auto [family, blockSize] = GetParam();
    RandomSystems random(1000u * unsigned(family) + unsigned(blockSize));
    const int systems = family == Family::MoreNumbers ? 2 : 20;
    for (int i = 0; i < systems; ++i) {
        const SystemTable system = random.system(family);
        SCOPED_TRACE("system " + std::to_string(i) + ", highest number " +
                     std::to_string(system.highestNumber()));
        expectSameAsReference(system, blockSize);
    }
}

std::vector<RandomCase> allRandomCases() {
    std::vector<RandomCase> cases;
    for (Family family : {Family::DistinctNumbers, Family::RepeatedNumbers, Family::IdenticalRows,
                          Family::FewNumbers, Family::MoreNumbers}) {
        for (int blockSize = 6; blockSize >= 3; --blockSize) cases.push_back({family, blockSize});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Families, FastMatchesReference, testing::ValuesIn(allRandomCases()),
                         [](const testing::TestParamInfo<RandomCase>& info) {
                             return familyName(info.param.family) + "_Block" +
                                    std::to_string(info.param.blockSize);
                         });

// --- hand-picked systems ---

struct NamedSystem {
    std::string name;
    std::vector<SystemRow> rows;
};

void PrintTo(const NamedSystem& system, std::ostream* out) {
    *out << system.name;
}

class FastMatchesReferenceOn : public testing::TestWithParam<NamedSystem> {};

TEST_P(FastMatchesReferenceOn, EveryBlock) {
    const SystemTable system = makeSystem(GetParam().rows);
    for (int blockSize = 6; blockSize >= 3; --blockSize) {
        SCOPED_TRACE("block " + std::to_string(blockSize));
        expectSameAsReference(system, blockSize);
    }
}

std::vector<SystemRow> repeated(const SystemRow& row, int times) {
    return std::vector<SystemRow>(std::size_t(times), row);
}

std::vector<SystemRow> heavyRepeats() {
    // Moments such as c3 = 8 per row of 1 1 2 2 3 3 exceed 16 bits over 9,999 rows.
    std::vector<SystemRow> rows = repeated({1, 1, 2, 2, 3, 3}, 5000);
    for (const SystemRow& row :
         {SystemRow{4, 4, 4, 5, 5, 6}, SystemRow{1, 2, 3, 7, 6, 5}, SystemRow{7, 7, 7, 7, 7, 7}}) {
        const auto more = repeated(row, 1666);
        rows.insert(rows.end(), more.begin(), more.end());
    }
    rows.push_back({2, 3, 3, 3, 1, 1});
    return rows;
}

INSTANTIATE_TEST_SUITE_P(
    Edges, FastMatchesReferenceOn,
    testing::Values(
        NamedSystem{"OneRow", {{1, 2, 3, 4, 5, 6}}},
        NamedSystem{"NumbersElevenToTwenty", {{11, 12, 13, 14, 15, 16}, {15, 16, 17, 18, 19, 20}}},
        NamedSystem{"SameNumberSixTimes", {{1, 1, 1, 1, 1, 1}}},
        NamedSystem{"HighestNumberThree", {{3, 1, 2, 1, 2, 3}}},
        NamedSystem{"HighestNumberFive", {{1, 1, 2, 3, 4, 5}, {5, 4, 3, 2, 1, 5}}},
        NamedSystem{"RepeatedNumberAndItsDraw", {{1, 1, 2, 3, 4, 5}, {1, 2, 3, 4, 5, 9}}},
        NamedSystem{"IdenticalRowsOnly", repeated({7, 3, 5, 1, 8, 2}, 40)},
        NamedSystem{"MaximalRowCountWithRepeats", heavyRepeats()},
        // Not from the loader, but no entry may make the engine write out of bounds.
        NamedSystem{"EntryZeroIsNeverHit", {{0, 1, 2, 3, 4, 5}, {0, 0, 7, 7, 1, 2}}}),
    [](const testing::TestParamInfo<NamedSystem>& info) { return info.param.name; });

Counts outcomeOfDraw(const SystemTable& system, const std::vector<int>& wanted) {
    Counts found{-1, -1, -1, -1};
    forEachDrawOutcome(system, int(wanted.size()),
                       [&](std::span<const int> draw, const Outcome& outcome) {
                           if (std::equal(draw.begin(), draw.end(), wanted.begin(), wanted.end()))
                               found = outcome.rowsWith;
                       });
    return found;
}

TEST(FastEnumeration, RepeatedNumberCountsOncePerEntry) {
    const SystemTable system = makeSystem({{1, 1, 2, 3, 4, 5}, {6, 7, 8, 9, 10, 11}});
    EXPECT_EQ(outcomeOfDraw(system, {1, 2, 3, 4, 5, 9}), (Counts{1, 0, 0, 0}));
    // Six hits in block 5 are no part of the block's outcome.
    EXPECT_EQ(outcomeOfDraw(system, {1, 2, 3, 4, 5}), (Counts{0, 0, 0, 0}));
    EXPECT_EQ(outcomeOfDraw(system, {1, 2, 3, 4, 6}), (Counts{0, 1, 0, 0}));
    EXPECT_EQ(outcomeOfDraw(system, {1, 2, 6, 7, 8}), (Counts{0, 0, 0, 2}));
}

TEST(FastEnumeration, TwoRowsGiveTheWorkedExample) {
    const SystemTable system = makeSystem({{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 7}});
    EXPECT_EQ(runEngine(enumerateDrawsFast, system, 6).patterns,
              (PatternMap{{Counts{1, 1, 0, 0}, 2}, {Counts{0, 2, 0, 0}, 5}}));
    EXPECT_EQ(
        runEngine(enumerateDrawsFast, system, 5).patterns,
        (PatternMap{{Counts{0, 2, 0, 0}, 1}, {Counts{0, 1, 1, 0}, 10}, {Counts{0, 0, 2, 0}, 10}}));
    EXPECT_EQ(
        runEngine(enumerateDrawsFast, system, 4).patterns,
        (PatternMap{{Counts{0, 0, 2, 0}, 5}, {Counts{0, 0, 1, 1}, 20}, {Counts{0, 0, 0, 2}, 10}}));
    EXPECT_EQ(
        runEngine(enumerateDrawsFast, system, 3).patterns,
        (PatternMap{{Counts{0, 0, 0, 2}, 10}, {Counts{0, 0, 0, 1}, 20}, {Counts{0, 0, 0, 0}, 5}}));
}

TEST(FastEnumeration, HighestNumberBelowBlockSizeReportsTriplesButNoDraw) {
    const SystemTable system = makeSystem({{1, 1, 2, 2, 3, 4}});
    const EngineRun run = runEngine(enumerateDrawsFast, system, 6);
    EXPECT_TRUE(run.patterns.empty());
    const std::vector<ProgressEvent> expected = {Third{1, 2, 3}, Third{1, 2, 4}, Third{1, 3, 4},
                                                 Third{2, 3, 4}};
    EXPECT_TRUE(run.progress == expected);
}

// --- exact cases at 49 numbers ---

// Progress of a whole run: every triple d1 < d2 < d3 in order, each followed by the number of
// draws that start with it whenever there are any.
void expectProgressOfEveryTriple(const std::vector<ProgressEvent>& progress, int highest,
                                 int blockSize) {
    std::vector<ProgressEvent> expected;
    for (int d1 = 1; d1 <= highest; ++d1) {
        for (int d2 = d1 + 1; d2 <= highest; ++d2) {
            for (int d3 = d2 + 1; d3 <= highest; ++d3) {
                expected.push_back(Third{d1, d2, d3});
                const std::int64_t draws = binomial(highest - d3, blockSize - 3);
                if (draws > 0) expected.push_back(Draws{draws});
            }
        }
    }
    EXPECT_TRUE(progress == expected) << "progress points differ";
}

// Blocks 5, 4 and 3; block 6 at 49 numbers takes seconds under the sanitizers, and the complete
// system below covers it.
class SingleRowAtFortyNine : public testing::TestWithParam<int> {};

TEST_P(SingleRowAtFortyNine, IsHypergeometric) {
    const int blockSize = GetParam();
    const EngineRun run =
        runEngine(enumerateDrawsFast, makeSystem({{49, 7, 23, 31, 2, 40}}), blockSize);
    PatternMap expected;
    for (int h = 0; h <= blockSize; ++h) {
        std::array<std::int32_t, 7> rowsWithHits{};
        rowsWithHits[h] = 1;
        expected[countsOf(blockSize, rowsWithHits)] += binomial(6, h) * binomial(43, blockSize - h);
    }
    EXPECT_EQ(run.patterns, expected);
}

INSTANTIATE_TEST_SUITE_P(Blocks, SingleRowAtFortyNine, testing::Values(5, 4, 3),
                         [](const testing::TestParamInfo<int>& info) {
                             return "Block" + std::to_string(info.param);
                         });

class CompleteSystemAtFortyNine : public testing::TestWithParam<int> {};

TEST_P(CompleteSystemAtFortyNine, OfNineNumbersCountsAndReportsEveryDraw) {
    // All C(9, 6) rows of 41..49: a draw with i of these numbers gives C(i, h) C(9 - i, 6 - h)
    // rows with h hits, and there are C(9, i) C(40, k - i) such draws.
    const int blockSize = GetParam();
    std::vector<SystemRow> rows;
    for (unsigned mask = 0; mask < (1u << 9); ++mask) {
        if (std::popcount(mask) != 6) continue;
        SystemRow row{};
        int at = 0;
        for (int bit = 0; bit < 9; ++bit) {
            if (mask >> bit & 1u) row[at++] = 41 + bit;
        }
        rows.push_back(row);
    }
    const EngineRun run = runEngine(enumerateDrawsFast, makeSystem(rows), blockSize);
    PatternMap expected;
    for (int i = 0; i <= blockSize; ++i) {
        std::array<std::int32_t, 7> rowsWithHits{};
        for (int h = 0; h <= 6; ++h) {
            rowsWithHits[h] = std::int32_t(binomial(i, h) * binomial(9 - i, 6 - h));
        }
        expected[countsOf(blockSize, rowsWithHits)] += binomial(9, i) * binomial(40, blockSize - i);
    }
    EXPECT_EQ(run.patterns, expected);
    expectProgressOfEveryTriple(run.progress, 49, blockSize);
}

INSTANTIATE_TEST_SUITE_P(Blocks, CompleteSystemAtFortyNine, testing::Values(6, 5, 4, 3),
                         [](const testing::TestParamInfo<int>& info) {
                             return "Block" + std::to_string(info.param);
                         });

// --- every draw with its outcome ---

std::vector<std::vector<int>> drawsInOrder(int highest, int blockSize) {
    std::vector<std::vector<int>> draws;
    std::vector<int> draw(static_cast<std::size_t>(blockSize));
    for (unsigned mask = 0; mask < (1u << highest); ++mask) {
        if (std::popcount(mask) != blockSize) continue;
        int at = 0;
        for (int number = 1; number <= highest; ++number) {
            if (mask >> (number - 1) & 1u) draw[std::size_t(at++)] = number;
        }
        draws.push_back(draw);
    }
    std::sort(draws.begin(), draws.end());
    return draws;
}

Counts countDirectly(const SystemTable& system, const std::vector<int>& draw) {
    std::array<std::int32_t, 7> rowsWithHits{};
    for (const SystemRow& row : system.rows()) {
        int hits = 0;
        for (std::int32_t number : row) hits += int(std::count(draw.begin(), draw.end(), number));
        ++rowsWithHits[hits];
    }
    return countsOf(int(draw.size()), rowsWithHits);
}

class EveryDrawOutcome : public testing::TestWithParam<int> {};

TEST_P(EveryDrawOutcome, VisitsDrawsInOrderWithTheirOwnCounts) {
    const int blockSize = GetParam();
    RandomSystems random(77u + unsigned(blockSize));
    for (Family family : {Family::DistinctNumbers, Family::RepeatedNumbers, Family::IdenticalRows,
                          Family::FewNumbers}) {
        const SystemTable system = random.system(family);
        SCOPED_TRACE(familyName(family));
        std::vector<std::vector<int>> visited;
        std::vector<Counts> outcomes;
        forEachDrawOutcome(system, blockSize,
                           [&](std::span<const int> draw, const Outcome& outcome) {
                               visited.emplace_back(draw.begin(), draw.end());
                               outcomes.push_back(outcome.rowsWith);
                           });
        const auto expectedDraws = drawsInOrder(system.highestNumber(), blockSize);
        ASSERT_EQ(visited, expectedDraws);
        for (std::size_t i = 0; i < visited.size(); ++i) {
            EXPECT_EQ(outcomes[i], countDirectly(system, visited[i])) << "draw " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Blocks, EveryDrawOutcome, testing::Values(6, 5, 4, 3),
                         [](const testing::TestParamInfo<int>& info) {
                             return "Block" + std::to_string(info.param);
                         });

// Rows with exactly 6, 5, 4 and 3 hits, also above the draw's size.
Counts allHitCountsDirectly(const SystemTable& system, const std::vector<int>& draw) {
    std::array<std::int32_t, 7> rowsWithHits{};
    for (const SystemRow& row : system.rows()) {
        int hits = 0;
        for (std::int32_t number : row) hits += int(std::count(draw.begin(), draw.end(), number));
        ++rowsWithHits[hits];
    }
    return countsOf(6, rowsWithHits);
}

class EveryDrawHitCounts : public testing::TestWithParam<int> {};

TEST_P(EveryDrawHitCounts, KeepRowsScoringMoreThanTheDrawSize) {
    const int drawSize = GetParam();
    RandomSystems random(300u + unsigned(drawSize));
    int drawsWithCountsAboveSize = 0;
    for (Family family : {Family::RepeatedNumbers, Family::IdenticalRows, Family::FewNumbers}) {
        for (int i = 0; i < 4; ++i) {
            const SystemTable system = random.system(family);
            SCOPED_TRACE(familyName(family) + " " + std::to_string(i));
            std::vector<std::vector<int>> visited;
            std::vector<Counts> counts;
            forEachDrawHitCounts(system, drawSize,
                                 [&](std::span<const int> draw, const Outcome& hits) {
                                     visited.emplace_back(draw.begin(), draw.end());
                                     counts.push_back(hits.rowsWith);
                                 });
            ASSERT_EQ(visited, drawsInOrder(system.highestNumber(), drawSize));
            for (std::size_t d = 0; d < visited.size(); ++d) {
                EXPECT_EQ(counts[d], allHitCountsDirectly(system, visited[d])) << "draw " << d;
                for (int h = drawSize + 1; h <= 6; ++h) {
                    if (h >= 3 && counts[d][6 - h] > 0) {
                        ++drawsWithCountsAboveSize;
                        break;
                    }
                }
            }
        }
    }
    // The empty draw scores nothing; a draw of six can score no more than six.
    if (drawSize > 0 && drawSize < 6) {
        EXPECT_GT(drawsWithCountsAboveSize, 0) << "no draw tests the counts above its size";
    }
}

INSTANTIATE_TEST_SUITE_P(DrawSizes, EveryDrawHitCounts, testing::Range(0, 7),
                         [](const testing::TestParamInfo<int>& info) {
                             return "Draw" + std::to_string(info.param);
                         });

// --- real systems through the analysis ---

class RealSystem : public testing::TestWithParam<std::string> {};

TEST_P(RealSystem, FastAndReferenceHitTablesAreIdentical) {
    FileBytes file = readFileBytes(std::string(LORVEX_EXAMPLES_DIR) + "/" + GetParam());
    ASSERT_EQ(file.error, 0);
    const std::string text = decodeSystemFileBytes(std::move(file.bytes));
    FileLines lines(text);
    SystemTable system;
    ASSERT_EQ(loadSystemLines(lines, system), LoadOutcome::Loaded);
    HitTable fastTable, referenceTable;
    HitAnalysis fast(system, fastTable, AnalysisEngine::Fast);
    HitAnalysis reference(system, referenceTable, AnalysisEngine::Reference);
    for (int blockSize = 6; blockSize >= 3; --blockSize) {
        fast.run(blockSize);
        reference.run(blockSize);
    }
    ASSERT_EQ(fastTable.rowCount(), referenceTable.rowCount());
    for (int row = 0; row < fastTable.rowCount(); ++row) {
        EXPECT_EQ(fastTable.rows()[row], referenceTable.rows()[row]) << "row " << row;
    }
}

INSTANTIATE_TEST_SUITE_P(Examples, RealSystem, testing::Values("C10_6_5_50.txt", "C12_6_5_132.txt"),
                         [](const testing::TestParamInfo<std::string>& info) {
                             return info.param.substr(0, 3);
                         });

}  // namespace
}  // namespace lorvex
