#include "report_command.h"

#include <cerrno>
#include <new>
#include <stdexcept>
#include <string>

#include "core/messages/messages.h"
#include "core/system/file_bytes.h"
#include "core/system/played_numbers.h"
#include "core/system/system_loader.h"
#include "filewrite/write_file.h"
#include "report/answers.h"

namespace lorvex {

namespace {

int fail(CliStreams& streams, std::string_view message) {
    streams.err << "lorvex-report: " << message << '\n';
    return 1;
}

std::string outOfMemory() {
    return std::string(OUT_OF_MEMORY) + " " + std::string(CLOSE_OTHER_PROGRAMS);
}

std::string unreadableInput(const std::string& path, int error) {
    if (error == ENOMEM) return outOfMemory();
    if (path != "-") return std::string(CANNOT_OPEN) + " " + path + ": " + SystemErrorText(error);
    const std::string reason = error == EBADF ? std::string(INPUT_CLOSED) : SystemErrorText(error);
    return std::string(CANNOT_READ_INPUT) + " " + reason;
}

std::string unwritableOutput(const std::string& path, int error) {
    return std::string(CANNOT_SAVE) + " " + path + ": " + writeErrorText(error);
}

// The system from the named file or standard input, or the German reason why there is none.
// Lines skipped on the way are counted on `err`.
std::string loadSystem(const std::string& path, CliStreams& streams, SystemTable& system) {
    const SystemLoad load =
        path == "-" ? readSystemStream(streams.in, system)
                    : readSystemFile(path, system, {}, RowOrder::Sorted, PipeWriter::WaitedFor);
    switch (load.outcome) {
        case LoadOutcome::Unreadable:
            return unreadableInput(path, load.error);
        case LoadOutcome::Overflow:
            return std::string(OVERFLOW_TITLE) + ": " + overflowText();
        case LoadOutcome::NoRow:
            return noRowText(path == "-" ? STANDARD_INPUT : std::string_view(path));
        case LoadOutcome::Loaded:
            break;
    }
    if (load.skippedLines > 0)
        streams.err << "lorvex-report: " << skippedLinesText(load.skippedLines) << '\n';
    return {};
}

// The list of past draws from the named file or standard input, or the German reason why
// there is none.
std::string readPastDrawsFile(const std::string& path, int in, std::string& bytes) {
    FileBytes read = path == "-" ? readOpenFileBytes(in)
                                 : readFileBytes(path, MAX_FILE_BYTES, PipeWriter::WaitedFor);
    if (read.error != 0) return unreadableInput(path, read.error);
    bytes = std::move(read.bytes);
    return {};
}

// The reports' bytes are ISO 8859-1, every other answer's UTF-8.
TextEncoding outputEncoding(AnswerKind answer) {
    const bool report = answer == AnswerKind::TextReport || answer == AnswerKind::HtmlReport;
    return report ? TextEncoding::Latin1 : TextEncoding::Utf8;
}

// Standard output, which main() sends through its descriptor: as a terminal shows it, or the
// exact bytes.
class OutputSink final : public FileSink {
public:
    OutputSink(CliStreams& streams, TextEncoding encoding)
        : streams_(streams), encoding_(encoding) {}
    WriteError write(std::string_view bytes) override {
        if (streams_.terminal) {
            const std::string shown = forTerminal(bytes, encoding_, *streams_.terminal);
            streams_.out.write(shown.data(), static_cast<std::streamsize>(shown.size()));
        } else {
            streams_.out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        }
        if (streams_.out) return {};
        return WriteError(errno != 0 ? errno : EIO);
    }

private:
    CliStreams& streams_;
    TextEncoding encoding_;
};

// The output as it is made, to standard output or into the file named by -o.
int emit(const CliOptions& options, CliStreams& streams, const FileProducer& produce) {
    if (!options.outputFile) {
        OutputSink sink(streams, outputEncoding(options.request.kind));
        errno = 0;
        WriteError error = produce(sink);
        if (!error && !streams.out.flush()) error = WriteError(errno);
        if (error) return fail(streams, outputNotWrittenText(error.number()));
        return 0;
    }
    if (const WriteError error = writeFile(*options.outputFile, produce, FifoReader::WaitedFor)) {
        return fail(streams, unwritableOutput(*options.outputFile, error.number()));
    }
    return 0;
}

int runReport(const CliOptions& options, CliStreams& streams) {
    // A target that cannot take the output is named before a long analysis, not after it.
    if (options.outputFile) {
        if (const WriteError error = writeTargetProblem(*options.outputFile)) {
            return fail(streams, unwritableOutput(*options.outputFile, error.number()));
        }
    }
    if (options.systemFile == "-" && options.drawsFile == "-")
        return fail(streams, "Nur eine Datei kann die Standardeingabe sein.");
    SystemTable loaded;
    if (const std::string problem = loadSystem(options.systemFile, streams, loaded);
        !problem.empty()) {
        return fail(streams, problem);
    }
    AnswerRequest request = options.request;
    if (!options.drawsFile.empty()) {
        if (const std::string problem =
                readPastDrawsFile(options.drawsFile, streams.in, request.pastDraws);
            !problem.empty()) {
            return fail(streams, problem);
        }
    }
    if (options.numbersInSystem) request.playedNumbers = numbersInRows(loaded.rows());
    SystemTable placed;
    if (!request.playedNumbers.empty()) {
        const std::string problem =
            placeOnPlayedNumbers(loaded.rows(), request.playedNumbers, placed);
        if (!problem.empty()) return fail(streams, problem);
    }
    const SystemTable& system = request.playedNumbers.empty() ? loaded : placed;
    const HitTable hits = analyseForAnswer(system, request);
    const Answer answer = giveAnswer(system, hits, request);
    if (!answer.notice.empty()) streams.err << "lorvex-report: " << answer.notice << '\n';
    switch (answer.outcome) {
        case Answer::Outcome::Failure:
            return fail(streams, answer.problem);
        case Answer::Outcome::UsageError:
            streams.err << "lorvex-report: " << answer.problem << "\n\n" << cliUsage();
            return 2;
        case Answer::Outcome::Given:
            break;
    }
    return emit(options, streams, answer.bytes);
}

}  // namespace

int runReportCommand(const CliOptions& options, CliStreams streams) {
    // Any allocation may fail, from reading the input to the last report line; none aborts.
    try {
        return runReport(options, streams);
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    return fail(streams, outOfMemory());
}

}  // namespace lorvex
