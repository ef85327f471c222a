#include "build_command.h"

#include <mutex>
#include <new>
#include <stdexcept>
#include <string>
#include <thread>

#include "builder/build_summary.h"
#include "builder/system_builder.h"
#include "builder/system_text_output.h"
#include "core/messages/messages.h"
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

int runBuild(const BuildCliOptions& options, BuildStreams& streams) {
    // A target that cannot take the system is named before the search, not after it.
    if (options.outputFile) {
        if (const WriteError error = writeTargetProblem(*options.outputFile)) {
            return fail(streams, unwritableOutput(*options.outputFile, error.number()));
        }
    }
    std::mutex progressLock;
    if (streams.errIsTerminal)
        streams.err << "lorvex-build: Konstruktionen laufen ..." << std::flush;
    const builder::BuiltSystem built =
        builder::buildSystem(options.request, buildOptions(options, streams, progressLock));
    if (streams.errIsTerminal) streams.err << "\r\x1b[K";
    const std::string summary =
        builder::buildSummary(options.request, built.rows.size(), built.lowerBound,
                              built.proof.draws, built.proof.missed);
    if (!built.proof.met()) return fail(streams, summary);
    if (const int status = writeSystem(options, streams, builder::systemText(built.rows))) {
        return status;
    }
    streams.err << summary << '\n';
    return 0;
}

}  // namespace

int runBuildCommand(const BuildCliOptions& options, BuildStreams streams) {
    try {
        return runBuild(options, streams);
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    return fail(streams, std::string(OUT_OF_MEMORY) + " " + std::string(CLOSE_OTHER_PROGRAMS));
}

}  // namespace lorvex
