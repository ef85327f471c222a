#include "cli_options.h"

namespace lorvex {

std::string_view cliUsage() {
    return "Aufruf: lorvex-report [--only K] [--html] [-o DATEI] [--reference] SYSTEMDATEI\n"
           "\n"
           "Liest ein Lottosystem (je Zeile eine Reihe aus sechs Zahlen von 1 bis 49),\n"
           "analysiert es f\u00fcr 6, 5, 4 und 3 gezogene Systemzahlen und schreibt den\n"
           "Bericht genau so, wie ihn Lorvex beim Speichern schreibt.\n"
           "\n"
           "  --only K      nur die Analyse f\u00fcr K Treffer (K = 6, 5, 4 oder 3)\n"
           "  --html        die HTML-Seite statt des Textberichts\n"
           "  -o DATEI      in DATEI schreiben statt auf die Standardausgabe\n"
           "  --reference   mit der einfachen Aufz\u00e4hlung rechnen (langsam, zum "
           "Gegenpr\u00fcfen)\n"
           "  --help        diese Hilfe zeigen\n"
           "\n"
           "SYSTEMDATEI \"-\" liest die Standardeingabe.\n"
           "Exit-Status: 0 bei Erfolg, 1 bei einem Fehler, 2 bei falschen Argumenten.\n";
}

namespace {

CliParse usageError(std::string problem) {
    CliParse parse;
    parse.problem = std::move(problem);
    return parse;
}

std::optional<int> blockSize(std::string_view text) {
    if (text.size() != 1 || text[0] < '3' || text[0] > '6') return std::nullopt;
    return text[0] - '0';
}

}  // namespace

CliParse parseCliArguments(std::span<const std::string_view> arguments) {
    CliParse parse;
    bool filesOnly = false;
    std::optional<std::string> systemFile;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (filesOnly || argument == "-" || !argument.starts_with("-")) {
            if (systemFile) return usageError("Nur eine Systemdatei angeben.");
            systemFile = std::string(argument);
        } else if (argument == "--") {
            filesOnly = true;
        } else if (argument == "--help" || argument == "-h") {
            parse.kind = CliParse::Kind::Help;
            return parse;
        } else if (argument == "--html") {
            parse.options.format = ReportFormat::Html;
        } else if (argument == "--reference") {
            parse.options.reference = true;
        } else if (argument == "--only") {
            const auto k = hasValue ? blockSize(arguments[++i]) : std::nullopt;
            if (!k) return usageError("--only erwartet 6, 5, 4 oder 3.");
            parse.options.onlyBlock = k;
        } else if (argument == "-o" || argument == "--output") {
            if (!hasValue || arguments[i + 1].empty())
                return usageError("-o erwartet einen Dateinamen.");
            parse.options.outputFile = std::string(arguments[++i]);
        } else {
            return usageError("Unbekannte Option: " + std::string(argument));
        }
    }
    if (!systemFile) return usageError("Keine Systemdatei angegeben.");
    parse.options.systemFile = *systemFile;
    parse.kind = CliParse::Kind::Run;
    return parse;
}

}  // namespace lorvex
