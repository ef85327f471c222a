#include "build_command.h"

#include <unistd.h>

#include <mutex>
#include <new>
#include <stdexcept>
#include <string>
#include <thread>

#include "builder/bounds.h"
#include "builder/budget.h"
#include "builder/build_summary.h"
#include "builder/system_builder.h"
#include "builder/system_mending.h"
#include "builder/system_text_output.h"
#include "builder/win_table.h"
#include "core/messages/messages.h"
#include "core/system/system_loader.h"
#include "core/text/conversions.h"
#include "filewrite/write_file.h"

namespace lorvex {

namespace {

int fail(BuildStreams& streams, std::string_view message) {
    streams.err << "lorvex-build: " << message << '\n';
    return 1;
}

std::string unwritableOutput(const std::string& path, int error) {
    return std::string(CANNOT_SAVE) + " " + path + ": " + writeErrorText(error);
}

// The one place that writes the system: standard output, or the file named by -o, replaced
// only once the whole text is written.
int writeSystem(const BuildCliOptions& options, BuildStreams& streams, const std::string& text) {
    if (!options.outputFile) {
        streams.out << text;
        streams.out.flush();
        return streams.out ? 0 : fail(streams, OUTPUT_NOT_WRITTEN);
    }
    if (const WriteError error =
            writeFile(*options.outputFile, producerOf(text), FifoReader::WaitedFor)) {
        return fail(streams, unwritableOutput(*options.outputFile, error.number()));
    }
    return 0;
}

builder::BuildOptions buildOptions(const BuildCliOptions& options, BuildStreams& streams,
                                   std::mutex& progressLock) {
    builder::BuildOptions build;
    build.searchTime = std::chrono::seconds(options.seconds);
    build.seed = options.seed;
    build.threads = int(std::max(1u, std::thread::hardware_concurrency()));
    if (streams.errIsTerminal) {
        build.improved = [&streams, &progressLock](std::size_t rows) {
            const std::lock_guard lock(progressLock);
            streams.err << "\rlorvex-build: bisher " << builder::rowCountText(rows) << "\x1b[K"
                        << std::flush;
        };
    }
    return build;
}

// Exit status when the guarantee was not reached within --rows-at-most rows.
constexpr int BUDGET_NOT_REACHED = 3;

int usageProblem(BuildStreams& streams, std::string_view message) {
    fail(streams, message);
    return 2;
}

// Writes the proven system with its summary (or the budget's share) and the win table; 0, 3
// for a system that misses the guarantee within the budget, 1 when anything failed.
int writeResult(const BuildCliOptions& options, BuildStreams& streams,
                const builder::BuildRequest& request, const std::vector<builder::Block>& rows,
                const builder::Verification& proof, const std::string& before) {
    const std::uint64_t bound = builder::lowerBound(builder::reducedShape(request));
    const std::string summary =
        builder::buildSummary(request, rows.size(), bound, proof.draws, proof.missed);
    const bool budgetMissed = !proof.met() && options.rowsAtMost && !rows.empty();
    if (!proof.met() && !budgetMissed) return fail(streams, summary);
    if (const int status = writeSystem(options, streams, builder::systemText(rows))) {
        return status;
    }
    if (!before.empty()) streams.err << before << '\n';
    streams.err << (budgetMissed ? builder::budgetSummary(request, rows.size(), proof) : summary)
                << '\n';
    streams.err << builder::winTableText(builder::winTable(rows));
    return budgetMissed ? BUDGET_NOT_REACHED : 0;
}

// A target that cannot take the system is named before the search, not after it.
int outputProblem(const BuildCliOptions& options, BuildStreams& streams) {
    if (!options.outputFile) return 0;
    if (const WriteError error = writeTargetProblem(*options.outputFile)) {
        return fail(streams, unwritableOutput(*options.outputFile, error.number()));
    }
    return 0;
}

int runBuild(const BuildCliOptions& options, BuildStreams& streams) {
    if (const int status = outputProblem(options, streams)) return status;
    std::mutex progressLock;
    if (streams.errIsTerminal)
        streams.err << "lorvex-build: Konstruktionen laufen ..." << std::flush;
    const builder::BuildOptions build = buildOptions(options, streams, progressLock);
    const builder::BuiltSystem built =
        options.rowsAtMost ? builder::buildWithinRows(options.request, *options.rowsAtMost, build)
                           : builder::buildSystem(options.request, build);
    if (streams.errIsTerminal) streams.err << "\r\x1b[K";
    return writeResult(options, streams, options.request, built.rows, built.proof, {});
}

// The system named by --plug or --trim ("-": standard input, as for lorvex-report), or the
// German reason why there is none.
std::string loadSystem(const std::string& path, BuildStreams& streams, SystemTable& system) {
    const bool standardInput = path == "-";
    const SystemLoad load =
        standardInput ? readSystemStream(STDIN_FILENO, system) : readSystemFile(path, system);
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

int runMending(const BuildCliOptions& options, BuildStreams& streams) {
    SystemTable table;
    if (const std::string problem = loadSystem(options.systemFile, streams, table);
        !problem.empty()) {
        return fail(streams, problem);
    }
    builder::BuildRequest request = options.request;
    if (request.numbers != 0 && request.numbers < table.highestNumber()) {
        return usageProblem(streams,
                            "Das System enthält die Zahl " + FormatInteger(table.highestNumber()) +
                                ", mehr als --numbers " + FormatInteger(request.numbers) + ".");
    }
    if (request.numbers == 0 && table.highestNumber() < builder::MIN_NUMBERS) {
        return usageProblem(streams, "Das System hat nur die Zahlen 1 bis " +
                                         FormatInteger(table.highestNumber()) +
                                         "; --numbers nennt die Zahl der Systemzahlen (7 bis 49).");
    }
    request.numbers = std::max(request.numbers, table.highestNumber());
    const std::vector<builder::Block> rows = builder::rowsOfTable(table);
    if (auto problem = builder::requestProblem(request)) return usageProblem(streams, *problem);
    if (auto problem = builder::mendingProblem(request, rows))
        return usageProblem(streams, *problem);
    const bool plug = options.mode == BuildMode::Plug;
    const std::size_t rowsAtMost = options.rowsAtMost.value_or(builder::NO_ROW_LIMIT);
    if (plug && rows.size() > rowsAtMost) {
        return usageProblem(streams, "Das System hat schon " + builder::rowCountText(rows.size()) +
                                         ", mehr als --rows-at-most " +
                                         FormatInteger(std::int64_t(rowsAtMost)) + ".");
    }
    if (const int status = outputProblem(options, streams)) return status;
    std::mutex progressLock;
    const builder::BuildOptions build = buildOptions(options, streams, progressLock);
    if (streams.errIsTerminal) streams.err << "lorvex-build: Suche läuft ..." << std::flush;
    const builder::MendedSystem mended =
        plug ? builder::plugSystem(request, rows, build, rowsAtMost)
             : builder::trimSystem(request, rows, build, rowsAtMost);
    if (streams.errIsTerminal) streams.err << "\r\x1b[K";
    if (!plug && !mended.given.met()) {
        return fail(streams, builder::unmetGuaranteeText(request, mended.given) +
                                 " --plug schließt die Lücken.");
    }
    return writeResult(options, streams, request, mended.rows, mended.proof,
                       plug ? builder::plugSummary(mended) : builder::trimSummary(mended));
}

}  // namespace

int runBuildCommand(const BuildCliOptions& options, BuildStreams streams) {
    try {
        return options.mode == BuildMode::Build ? runBuild(options, streams)
                                                : runMending(options, streams);
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    return fail(streams, std::string(OUT_OF_MEMORY) + " " + std::string(CLOSE_OTHER_PROGRAMS));
}

}  // namespace lorvex
