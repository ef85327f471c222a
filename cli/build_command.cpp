#include "build_command.h"

#include <unistd.h>

#include <mutex>
#include <new>
#include <stdexcept>
#include <string>
#include <thread>

#include "builder/job/build_job.h"
#include "builder/job/build_summary.h"
#include "core/messages/messages.h"
#include "core/system/played_numbers.h"
#include "core/system/system_loader.h"
#include "core/text/conversions.h"
#include "filewrite/write_file.h"
#include "system_cache.h"

namespace lorvex {

namespace {

// Exit status when the guarantee was not reached within --rows-at-most rows.
constexpr int BUDGET_NOT_REACHED = 3;

int fail(BuildStreams& streams, std::string_view message) {
    streams.err << "lorvex-build: " << message << '\n';
    return 1;
}

int usageProblem(BuildStreams& streams, std::string_view message) {
    fail(streams, message);
    return 2;
}

std::string unwritableOutput(const std::string& path, int error) {
    return std::string(CANNOT_SAVE) + " " + path + ": " + writeErrorText(error);
}

// The one place that writes the system: standard output, or the file named by -o, replaced
// only once the whole text is written.
int writeSystem(const BuildCliOptions& options, BuildStreams& streams, const std::string& text) {
    if (!options.outputFile) {
        errno = 0;
        streams.out << text;
        streams.out.flush();
        return streams.out ? 0 : fail(streams, outputNotWrittenText(errno));
    }
    if (const WriteError error =
            writeFile(*options.outputFile, producerOf(text), FifoReader::WaitedFor)) {
        return fail(streams, unwritableOutput(*options.outputFile, error.number()));
    }
    return 0;
}

// A target that cannot take the system is named before the search, not after it.
int outputProblem(const BuildCliOptions& options, BuildStreams& streams) {
    if (!options.outputFile) return 0;
    if (const WriteError error = writeTargetProblem(*options.outputFile)) {
        return fail(streams, unwritableOutput(*options.outputFile, error.number()));
    }
    return 0;
}

builder::BuildOptions buildOptions(const BuildCliOptions& options, BuildStreams& streams,
                                   std::mutex& progressLock) {
    builder::BuildOptions build;
    build.deadline = builder::Deadline::in(std::chrono::seconds(options.seconds));
    build.seed = options.seed;
    build.threads =
        options.threads.value_or(int(std::max(1u, std::thread::hardware_concurrency())));
    if (streams.errIsTerminal) {
        build.improved = [&streams, &progressLock](std::span<const builder::Row> rows) {
            const std::lock_guard lock(progressLock);
            streams.err << "\rlorvex-build: bisher " << builder::rowCountText(rows.size())
                        << "\x1b[K" << std::flush;
        };
    }
    return build;
}

builder::JobMode jobMode(const BuildCliOptions& options) {
    switch (options.mode) {
        case BuildMode::Build:
            return builder::JobMode::Build;
        case BuildMode::Plug:
            return builder::JobMode::Plug;
        case BuildMode::Trim:
            break;
    }
    return options.exchange ? builder::JobMode::TrimExchanging : builder::JobMode::Trim;
}

// The player's system named by --plug or --trim ("-": standard input, as for lorvex-report),
// its rows in the order of the file; or the German reason why there is none.
std::string loadSystem(const std::string& path, BuildStreams& streams, SystemTable& system) {
    const bool standardInput = path == "-";
    const SystemLoad load =
        standardInput
            ? readSystemStream(STDIN_FILENO, system, {}, RowOrder::AsWritten)
            : readSystemFile(path, system, {}, RowOrder::AsWritten, PipeWriter::WaitedFor);
    switch (load.outcome) {
        case LoadOutcome::Unreadable:
            if (standardInput)
                return std::string(CANNOT_READ_INPUT) + " " + SystemErrorText(load.error);
            return std::string(CANNOT_OPEN) + " " + path + ": " + SystemErrorText(load.error);
        case LoadOutcome::Overflow:
            return std::string(OVERFLOW_TITLE) + ": " + overflowText();
        case LoadOutcome::NoRow:
            return noRowText(standardInput ? STANDARD_INPUT : std::string_view(path));
        case LoadOutcome::Loaded:
            break;
    }
    if (load.skippedLines > 0)
        streams.err << "lorvex-build: " << skippedLinesText(load.skippedLines) << '\n';
    return {};
}

// The job on the player's system: its numbers (said on standard error), its rows on them, and
// the key numbers among them; or the usage problem.
std::string mendingJob(const BuildCliOptions& options, const SystemTable& table,
                       builder::BuildJob& job, BuildStreams& streams) {
    job.playedNumbers = builder::mendingNumbers(options.numbers, table.rows());
    job.request.numbers = int(job.playedNumbers.size());
    const std::optional<int> count = options.numbers.count;
    if (options.numbers.played.empty() && !count)
        streams.err << "lorvex-build: System auf " << playedNumbersText(job.playedNumbers) << '\n';
    if (count && (*count < builder::MIN_NUMBERS || *count > builder::MAX_NUMBERS))
        return *builder::requestProblem({*count, 2, 2, {}});
    if (auto problem =
            builder::playerRowsOnSystemNumbers(table.rows(), job.playedNumbers, job.playerRows))
        return *problem;
    if (auto problem = builder::keysOnSystemNumbers(job.request.keyNumbers, job.playedNumbers))
        return *problem;
    return {};
}

int report(const BuildCliOptions& options, BuildStreams& streams,
           const builder::JobResult& result) {
    switch (result.status) {
        case builder::JobStatus::Refused:
            return usageProblem(streams, result.problem);
        case builder::JobStatus::NotMet:
            return fail(streams, result.problem + " --plug schließt die Lücken.");
        case builder::JobStatus::Failed:
            return fail(streams, result.problem);
        case builder::JobStatus::Built:
        case builder::JobStatus::BudgetMissed:
            break;
    }
    if (const int status = writeSystem(options, streams, result.systemText)) return status;
    for (const std::string& line : result.summary) streams.err << line << '\n';
    streams.err << result.winTable;
    return result.status == builder::JobStatus::BudgetMissed ? BUDGET_NOT_REACHED : 0;
}

// Where a plain build keeps its system: the folder and the file's name.
struct CacheEntry {
    std::string folder;
    std::string name;
};

std::optional<CacheEntry> cacheEntry(const BuildCliOptions& options, const builder::BuildJob& job,
                                     const std::optional<std::string>& cacheFolder) {
    if (!cacheFolder || !options.useCache || job.mode != builder::JobMode::Build ||
        job.rowsAtMost != builder::NO_ROW_LIMIT)
        return std::nullopt;
    const std::optional<std::string> name = systemCacheName(job.request);
    if (!name) return std::nullopt;
    return CacheEntry{*cacheFolder, *name};
}

int runJob(const BuildCliOptions& options, BuildStreams& streams,
           const std::optional<std::string>& cacheFolder) {
    builder::BuildJob job;
    job.request = options.request;
    job.mode = jobMode(options);
    job.rowsAtMost = options.rowsAtMost.value_or(builder::NO_ROW_LIMIT);
    if (job.mode == builder::JobMode::Build) {
        job.playedNumbers = options.numbers.played;
    } else {
        SystemTable table;
        if (std::string problem = loadSystem(options.systemFile, streams, table); !problem.empty())
            return fail(streams, problem);
        if (std::string problem = mendingJob(options, table, job, streams); !problem.empty())
            return usageProblem(streams, problem);
    }
    if (auto problem = builder::jobProblem(job)) return usageProblem(streams, *problem);
    if (const int status = outputProblem(options, streams)) return status;
    std::mutex progressLock;
    job.options = buildOptions(options, streams, progressLock);
    const std::optional<CacheEntry> cache = cacheEntry(options, job, cacheFolder);
    if (cache) job.earlierRows = cachedSystem(cache->folder + "/" + cache->name);
    if (streams.errIsTerminal) streams.err << "lorvex-build: Suche läuft ..." << std::flush;
    const builder::JobResult result = builder::runBuildJob(job);
    if (streams.errIsTerminal) streams.err << "\r\x1b[K";
    if (cache && result.status == builder::JobStatus::Built &&
        (result.earlierRows == 0 || result.rows.size() < result.earlierRows))
        keepSystem(cache->folder, cache->name, result.rows);
    return report(options, streams, result);
}

}  // namespace

int runBuildCommand(const BuildCliOptions& options, BuildStreams streams,
                    const std::optional<std::string>& cacheFolder) {
    try {
        return runJob(options, streams, cacheFolder);
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    return fail(streams, std::string(OUT_OF_MEMORY) + " " + std::string(CLOSE_OTHER_PROGRAMS));
}

}  // namespace lorvex
