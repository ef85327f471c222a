#include "report_command.h"

#include <iterator>
#include <string>
#include <vector>

#include "core/conversions.h"
#include "core/error_text.h"
#include "core/file_bytes.h"
#include "core/hit_analysis.h"
#include "core/system_loader.h"
#include "report/html_report.h"
#include "report/report_file.h"
#include "report/text_report.h"

namespace lorvex {

namespace {

std::string latin1ToUtf8(std::string_view latin1) {
    std::string utf8;
    utf8.reserve(latin1.size());
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (byte >> 6));
            utf8 += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return utf8;
}

int fail(CliStreams& streams, const std::string& utf8Message) {
    streams.err << "lorvex-report: " << utf8Message << '\n';
    return 1;
}

FileBytes readSystemBytes(const std::string& path, std::istream& in) {
    if (path != "-") return readFileBytes(path);
    FileBytes input;
    input.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) input.error = EIO;
    return input;
}

std::string displayName(const std::string& path) {
    return path == "-" ? "Standardeingabe" : path;
}

}  // namespace

int runReportCommand(const CliOptions& options, CliStreams streams) {
    const FileBytes input = readSystemBytes(options.systemFile, streams.in);
    if (input.error != 0) {
        return fail(streams,
                    "Datei kann nicht ge\u00f6ffnet werden: " + displayName(options.systemFile) +
                        ": " + latin1ToUtf8(SystemErrorText(input.error)));
    }
    const std::string text = decodeSystemFileBytes(input.bytes);
    FileLines lines(text);
    SystemTable system;
    switch (loadSystemLines(lines, system)) {
        case LoadOutcome::Overflow:
            return fail(streams, "\u00dcberlauf: System \u00fcber " +
                                     FormatInteger(MAX_SYSTEM_ROWS) + " Reihen oder " +
                                     FormatInteger(MAX_SYSTEM_NUMBER) + " Zahlen");
        case LoadOutcome::NoRow:
            return fail(streams, "Keine g\u00fcltige Systemreihe gefunden in " +
                                     displayName(options.systemFile) +
                                     " (je Zeile sechs Zahlen von 1 bis 49).");
        case LoadOutcome::Loaded:
            break;
    }

    HitTable hits;
    HitAnalysis analysis(system, hits,
                         options.reference ? AnalysisEngine::Reference : AnalysisEngine::Fast);
    const std::vector<int> blocks =
        options.onlyBlock ? std::vector<int>{*options.onlyBlock} : std::vector<int>{6, 5, 4, 3};
    for (const int k : blocks) analysis.run(k);
    if (hits.rowCount() == 0) return fail(streams, "Keine Analyse zum Speichern vorhanden");

    const ReportData data{system, hits};
    const std::string bytes = reportBytes(
        options.format == ReportFormat::Html ? writeHtmlReport(data) : writeTextReport(data));
    if (!options.outputFile) {
        streams.out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        streams.out.flush();
        if (!streams.out) return fail(streams, "Der Bericht konnte nicht ausgegeben werden.");
        return 0;
    }
    const WriteResult written =
        writeFileReplacing(*options.outputFile, bytes, DirectFallback::Forbidden);
    if (!written.ok) {
        return fail(streams, "Datei kann nicht gespeichert werden: " + *options.outputFile + ": " +
                                 latin1ToUtf8(SystemErrorText(written.error)));
    }
    return 0;
}

}  // namespace lorvex
