#include "report_command.h"

#include <cerrno>
#include <iterator>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/conversions.h"
#include "core/hit_analysis.h"
#include "core/messages.h"
#include "core/system_loader.h"
#include "core/worst_draws.h"
#include "player_questions_command.h"
#include "report/guarantee.h"
#include "report/hit_table_csv.h"
#include "report/html_report.h"
#include "report/report_content.h"
#include "report/report_file.h"
#include "report/report_stream.h"
#include "report/text_report.h"

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
    return std::string(CANNOT_SAVE) + " " + path + ": " + SystemErrorText(error);
}

// The system from the named file or standard input, or the German reason why there is none.
std::string loadSystem(const std::string& path, int standardInput, SystemTable& system) {
    const SystemLoad load =
        path == "-" ? readSystemStream(standardInput, system) : readSystemFile(path, system);
    switch (load.outcome) {
        case LoadOutcome::Unreadable:
            return unreadableInput(path, load.error);
        case LoadOutcome::Overflow:
            return std::string(OVERFLOW_TITLE) + ": " + overflowText();
        case LoadOutcome::NoRow:
            return noRowText(path == "-" ? STANDARD_INPUT : std::string_view(path));
        case LoadOutcome::Loaded:
            return {};
    }
    return {};
}

HitTable analyse(const SystemTable& system, const CliOptions& options) {
    HitTable hits;
    HitAnalysis analysis(system, hits,
                         options.reference ? AnalysisEngine::Reference : AnalysisEngine::Fast);
    const std::vector<int> blocks =
        options.onlyBlock
            ? std::vector<int>{*options.onlyBlock}
            : std::vector<int>(std::begin(ALL_BLOCK_SIZES), std::end(ALL_BLOCK_SIZES));
    for (const int k : blocks) analysis.run(k);
    return hits;
}

std::string linesWithLf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + '\n';
    return text;
}

std::string holesText(const SystemTable& system, const CliOptions& options) {
    const WorstDraws worst = findWorstDraws(system, options.holesBlock, options.holesLimit);
    std::string text = FormatInteger(worst.count) + " von " + FormatInteger(worst.total) +
                       " Ziehungen mit dem schlechtesten Ergebnis\n";
    for (const auto& draw : worst.firstDraws) {
        for (int i = 0; i < options.holesBlock; ++i) {
            if (i > 0) text += ' ';
            text += PadLeft(FormatInteger(draw[i]), 2, "0");
        }
        text += '\n';
    }
    return text;
}

// The reports' bytes are ISO 8859-1, every other answer's UTF-8.
TextEncoding outputEncoding(CliOutput output) {
    const bool report = output == CliOutput::TextReport || output == CliOutput::HtmlReport;
    return report ? TextEncoding::Latin1 : TextEncoding::Utf8;
}

// Standard output: as a terminal shows it, or the exact bytes.
void writeOut(CliStreams& streams, std::string_view bytes, TextEncoding encoding) {
    if (!streams.terminal) {
        streams.out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return;
    }
    const std::string shown = forTerminal(bytes, encoding, *streams.terminal);
    streams.out.write(shown.data(), static_cast<std::streamsize>(shown.size()));
}

// The output as it is made, to standard output or into the file named by -o.
int emit(const CliOptions& options, CliStreams& streams, const ByteProducer& produce) {
    if (!options.outputFile) {
        produce([&](std::string_view bytes) {
            writeOut(streams, bytes, outputEncoding(options.output));
            return bool(streams.out);
        });
        streams.out.flush();
        if (!streams.out) return fail(streams, OUTPUT_NOT_WRITTEN);
        return 0;
    }
    const WriteResult written =
        writeFileReplacing(*options.outputFile, produce, DirectFallback::Forbidden);
    if (!written.ok) return fail(streams, unwritableOutput(*options.outputFile, written.error));
    return 0;
}

int emit(const CliOptions& options, CliStreams& streams, std::string_view bytes) {
    return emit(options, streams, [bytes](const ChunkSink& sink) { return sink(bytes); });
}

int runReport(const CliOptions& options, CliStreams& streams) {
    // A target that cannot take the report is named before a long analysis, not after it.
    if (options.outputFile) {
        if (const int error = writeTargetProblem(*options.outputFile)) {
            return fail(streams, unwritableOutput(*options.outputFile, error));
        }
    }
    SystemTable system;
    if (const std::string problem = loadSystem(options.systemFile, streams.in, system);
        !problem.empty()) {
        return fail(streams, problem);
    }
    if (options.output == CliOutput::Holes)
        return emit(options, streams, holesText(system, options));
    if (answersPlayerQuestion(options.output)) {
        const PlayerAnswer answer = answerPlayerQuestion(system, options);
        if (answer.kind == PlayerAnswer::Kind::Failure) return fail(streams, answer.text);
        if (answer.kind == PlayerAnswer::Kind::UsageError) {
            streams.err << "lorvex-report: " << answer.text << "\n\n" << cliUsage();
            return 2;
        }
        return emit(options, streams, answer.text);
    }

    const HitTable hits = analyse(system, options);
    switch (options.output) {
        case CliOutput::Csv:
            return emit(options, streams, hitTableCsv(hits));
        case CliOutput::Guarantee:
            // No block with a draw, no guarantee: say why rather than print nothing.
            if (hits.rowCount() == 0) {
                return fail(streams,
                            noDrawText(options.onlyBlock.value_or(3), system.highestNumber()));
            }
            return emit(options, streams, linesWithLf(guaranteeLines(hits)));
        case CliOutput::TextReport:
        case CliOutput::HtmlReport:
        case CliOutput::Holes:
        case CliOutput::Coverage:
        case CliOutput::Odds:
        case CliOutput::Frequency:
        case CliOutput::MappedSystem:
        case CliOutput::DrawCheck:
            break;
    }
    // The report keeps the desktop program's rule: nothing to save without an analysis.
    if (hits.rowCount() == 0) return fail(streams, NO_ANALYSIS_TO_SAVE);
    const ReportData data{system, hits};
    const bool html = options.output == CliOutput::HtmlReport;
    const ReportWriter writer = html ? writeHtmlReport : writeTextReport;
    return emit(options, streams,
                [&](const ChunkSink& sink) { return streamReportBytes(writer, data, sink); });
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
