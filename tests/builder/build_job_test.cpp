#include "builder/job/build_job.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <vector>

#include "core/system/played_numbers.h"
#include "core/system/system_loader.h"

namespace lorvex::builder {
namespace {

const std::vector<int> PLAYED = {3, 7, 11, 19, 22, 28, 31, 36, 40, 42, 45, 47};

BuildJob quickJob(BuildRequest request, JobMode mode = JobMode::Build) {
    BuildJob job;
    job.request = std::move(request);
    job.mode = mode;
    job.options.deadline = Deadline::in(std::chrono::milliseconds(300));
    return job;
}

// Every draw of `drawn` played numbers holding the keys meets a written row in `guarantee`
// numbers: checked on the text as written, apart from the builder's own proof.
bool textKeepsTheGuarantee(const std::string& text, const std::vector<int>& played, int drawn,
                           int guarantee, const std::vector<int>& keys = {}) {
    SystemTable table;
    if (readSystemText(text, table).outcome != LoadOutcome::Loaded) return false;
    std::vector<std::uint64_t> rows;
    for (const SystemRow& row : table.rows()) {
        std::uint64_t mask = 0;
        for (const int number : row) mask |= std::uint64_t{1} << number;
        rows.push_back(mask);
    }
    std::uint64_t required = 0;
    for (const int key : keys) required |= std::uint64_t{1} << key;
    const int v = int(played.size());
    for (std::uint32_t pick = 0; pick < (1u << v); ++pick) {
        if (std::popcount(pick) != drawn) continue;
        std::uint64_t draw = 0;
        for (int i = 0; i < v; ++i)
            if (pick >> i & 1) draw |= std::uint64_t{1} << played[std::size_t(i)];
        if ((draw & required) != required) continue;
        if (std::none_of(rows.begin(), rows.end(),
                         [&](std::uint64_t row) { return std::popcount(row & draw) >= guarantee; }))
            return false;
    }
    return true;
}

TEST(BuildJob, BuildsOnThePlayedNumbersWithKeysNamedAsPlayed) {
    for (const std::vector<int>& playedKeys : {std::vector<int>{}, std::vector<int>{7}}) {
        BuildJob job = quickJob({12, 4, 5, playedKeys});
        job.playedNumbers = PLAYED;
        ASSERT_FALSE(keysOnSystemNumbers(job.request.keyNumbers, job.playedNumbers));
        const JobResult result = runBuildJob(job);
        ASSERT_EQ(result.status, JobStatus::Built) << result.problem;
        EXPECT_TRUE(textKeepsTheGuarantee(result.systemText, PLAYED, 5, 4, playedKeys));
        SystemTable table;
        readSystemText(result.systemText, table);
        for (const int number : numbersInRows(table.rows()))
            EXPECT_NE(std::find(PLAYED.begin(), PLAYED.end(), number), PLAYED.end());
        EXPECT_TRUE(result.summary.front().starts_with("12 Zahlen, "));
    }
}

// The player's rows stand first, as given; the added rows after them, named in the summary.
TEST(BuildJob, PlugWritesThePlayersRowsFirstAndSaysWhichAreNew) {
    const std::vector<SystemRow> ticket = {{47, 3, 7, 11, 19, 22}, {3, 7, 28, 31, 36, 40}};
    BuildJob job = quickJob({12, 4, 5, {}}, JobMode::Plug);
    job.playedNumbers = PLAYED;
    ASSERT_FALSE(playerRowsOnSystemNumbers(ticket, job.playedNumbers, job.playerRows));
    const JobResult result = runBuildJob(job);
    ASSERT_EQ(result.status, JobStatus::Built) << result.problem;
    EXPECT_TRUE(result.systemText.starts_with("03 07 11 19 22 47\n03 07 28 31 36 40\n"));
    EXPECT_TRUE(textKeepsTheGuarantee(result.systemText, PLAYED, 5, 4));
    EXPECT_TRUE(result.summary.front().starts_with("Lücken geschlossen, ergänzt: Reihen 3 bis "))
        << result.summary.front();
}

TEST(BuildJob, TrimOnlyRemovesUnlessExchangeIsAsked) {
    BuildJob built = quickJob({10, 3, 4, {}});
    JobResult covering = runBuildJob(built);
    ASSERT_EQ(covering.status, JobStatus::Built);
    std::vector<Row> rows = covering.rows;
    rows.insert(rows.begin() + 1, {Row{0b111111}, Row{0b1111110000}});  // redundant extras
    BuildJob trim = quickJob({10, 3, 4, {}}, JobMode::Trim);
    trim.playerRows = rows;
    const JobResult trimmed = runBuildJob(trim);
    ASSERT_EQ(trimmed.status, JobStatus::Built);
    EXPECT_TRUE(trimmed.proof.met());
    EXPECT_LT(trimmed.rows.size(), rows.size());
    // A subsequence of the player's rows.
    auto from = rows.begin();
    for (const Row row : trimmed.rows) {
        from = std::find(from, rows.end(), row);
        ASSERT_NE(from, rows.end());
    }
}

JobResult runFor(BuildRequest request) {
    BuildJob job = quickJob(std::move(request));
    job.options.deadline = Deadline::in(std::chrono::seconds(1));
    return runBuildJob(job);
}

TEST(BuildJob, RefusesWhatLorvexCouldNotLoadOrWouldMisread) {
    const JobResult sixKeys = runFor({16, 6, 6, {1, 2, 3, 4, 5, 6}});
    EXPECT_EQ(sixKeys.status, JobStatus::Refused);
    EXPECT_NE(sixKeys.problem.find("Sechs Bankzahlen"), std::string::npos) << sixKeys.problem;
    const JobResult tooMany = runFor({49, 4, 5, {}});
    EXPECT_EQ(tooMany.status, JobStatus::Failed);
    EXPECT_NE(tooMany.problem.find("höchstens 9.999"), std::string::npos) << tooMany.problem;
}

TEST(BuildJob, NumbersGivenAreACountOrTheNumbersThemselves) {
    EXPECT_EQ(readNumbersGiven(" 12 ", "--numbers").count, 12);
    EXPECT_EQ(readNumbersGiven("0", "--numbers").count, 0);
    EXPECT_FALSE(readNumbersGiven("3 7 11", "--numbers").count.has_value());
    EXPECT_EQ(readNumbersGiven("3 7 11", "--numbers").played, (std::vector<int>{3, 7, 11}));
    EXPECT_FALSE(readNumbersGiven("3 3", "--numbers").problem.empty());
    EXPECT_FALSE(readNumbersGiven("", "--numbers").problem.empty());
    const std::vector<SystemRow> rows = {{9, 3, 5, 1, 2, 4}};
    EXPECT_EQ(mendingNumbers({}, rows), (std::vector<int>{1, 2, 3, 4, 5, 9}));
    EXPECT_EQ(mendingNumbers({7, {}, {}}, rows), (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
}

}  // namespace
}  // namespace lorvex::builder
