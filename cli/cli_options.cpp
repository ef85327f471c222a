#include "cli_options.h"

#include <charconv>

#include "core/number_list.h"

namespace lorvex {

std::string_view cliUsage() {
    return "Aufruf: lorvex-report [--only K] [--html | --csv | --guarantee] [-o DATEI]\n"
           "                      [--reference] SYSTEMDATEI\n"
           "       lorvex-report --holes K [--limit N] [-o DATEI] SYSTEMDATEI\n"
           "       lorvex-report [--only K] --coverage [-o DATEI] SYSTEMDATEI\n"
           "       lorvex-report --odds | --frequency [-o DATEI] SYSTEMDATEI\n"
           "       lorvex-report [--map \"N1 ... NM\"] [--check \"D1 ... D6\"] [-o DATEI]\n"
           "                      SYSTEMDATEI\n"
           "\n"
           "Liest ein Lottosystem (je Zeile eine Reihe aus sechs Zahlen von 1 bis 49),\n"
           "analysiert es für 6, 5, 4 und 3 gezogene Systemzahlen und schreibt den\n"
           "Bericht genau so, wie ihn Lorvex beim Speichern schreibt.\n"
           "\n"
           "  --only K      nur die Analyse für K Treffer (K = 6, 5, 4 oder 3)\n"
           "  --html        die HTML-Seite statt des Textberichts\n"
           "  --csv         die Treffertabelle als CSV für Tabellenkalkulationen\n"
           "  --guarantee   je Block eine Zeile: was das System mindestens garantiert\n"
           "  --holes K     die Ziehungen von K Zahlen mit dem schlechtesten Ergebnis\n"
           "  --limit N     mit --holes: höchstens N Ziehungen auflisten (Vorgabe 100,\n"
           "                0 = alle)\n"
           "  --coverage    je Block: wie viele Ziehungen mindestens einen 6er, 5er, 4er\n"
           "                oder 3er bringen\n"
           "  --odds        Gewinnchancen über alle 13983816 Ziehungen 6 aus 49\n"
           "  --frequency   in wie vielen Reihen jede Systemzahl vorkommt\n"
           "  --map \"N1 ... NM\"\n"
           "                das System auf eigenen Zahlen: Systemzahl i wird Ni (genau so\n"
           "                viele verschiedene Zahlen von 1 bis 49, wie das System\n"
           "                Systemzahlen hat)\n"
           "  --check \"D1 ... D6\"\n"
           "                die Reihen mit 3 oder mehr Richtigen bei dieser Ziehung (mit\n"
           "                --map: im umgesetzten System)\n"
           "  -o DATEI      in DATEI schreiben statt auf die Standardausgabe\n"
           "  --reference   mit der einfachen Aufzählung rechnen (langsam, zum "
           "Gegenprüfen)\n"
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

std::optional<std::int64_t> count(std::string_view text) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0) return std::nullopt;
    return value;
}

// Rules between options that each read fine on their own.
std::string combinationProblem(const CliOptions& options, int outputKinds, bool limitGiven) {
    if (outputKinds > 1) {
        return "Nur eine Ausgabeart wählen: --html, --csv, --guarantee, --holes, --coverage, "
               "--odds, --frequency oder --map/--check.";
    }
    const bool holes = options.output == CliOutput::Holes;
    if (limitGiven && !holes) return "--limit gilt nur zusammen mit --holes.";
    if (holes && options.onlyBlock && *options.onlyBlock != options.holesBlock) {
        return "--only und --holes nennen verschiedene Blöcke.";
    }
    if (holes && options.reference) return "--reference gilt nicht für --holes.";
    const bool question = answersPlayerQuestion(options.output);
    if (question && options.reference) {
        return "--reference gilt nicht für --coverage, --odds, --frequency, --map und "
               "--check.";
    }
    if (question && options.output != CliOutput::Coverage && options.onlyBlock) {
        return "--only gilt nicht für --odds, --frequency, --map und --check.";
    }
    return {};
}

}  // namespace

bool answersPlayerQuestion(CliOutput output) {
    return output == CliOutput::Coverage || output == CliOutput::Odds ||
           output == CliOutput::Frequency || output == CliOutput::MappedSystem ||
           output == CliOutput::DrawCheck;
}

CliParse parseCliArguments(std::span<const std::string_view> arguments) {
    CliParse parse;
    CliOptions& options = parse.options;
    bool filesOnly = false;
    bool limitGiven = false;
    int outputKinds = 0;
    bool mapGiven = false;
    bool checkGiven = false;
    std::optional<std::string> systemFile;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        const std::optional<std::string_view> value =
            i + 1 < arguments.size() ? std::optional(arguments[i + 1]) : std::nullopt;
        if (filesOnly || argument == "-" || !argument.starts_with("-")) {
            if (systemFile) return usageError("Nur eine Systemdatei angeben.");
            systemFile = std::string(argument);
        } else if (argument == "--") {
            filesOnly = true;
        } else if (argument == "--help" || argument == "-h") {
            parse.kind = CliParse::Kind::Help;
            return parse;
        } else if (argument == "--html" || argument == "--csv" || argument == "--guarantee") {
            ++outputKinds;
            options.output = argument == "--html"  ? CliOutput::HtmlReport
                             : argument == "--csv" ? CliOutput::Csv
                                                   : CliOutput::Guarantee;
        } else if (argument == "--coverage" || argument == "--odds" || argument == "--frequency") {
            ++outputKinds;
            options.output = argument == "--coverage" ? CliOutput::Coverage
                             : argument == "--odds"   ? CliOutput::Odds
                                                      : CliOutput::Frequency;
        } else if (argument == "--map") {
            if (mapGiven) return usageError("--map nur einmal angeben.");
            if (!value) return usageError("--map erwartet die eigenen Zahlen.");
            NumberList own = parseOwnNumbers(*value);
            if (!own.problem.empty()) return usageError(std::move(own.problem));
            options.ownNumbers = std::move(own.numbers);
            mapGiven = true;
            ++i;
        } else if (argument == "--check") {
            if (checkGiven) return usageError("--check nur einmal angeben.");
            if (!value) return usageError("--check erwartet die sechs gezogenen Zahlen.");
            DrawNumbers draw = parseDrawNumbers(*value);
            if (!draw.problem.empty()) return usageError(std::move(draw.problem));
            options.drawNumbers = draw.numbers;
            checkGiven = true;
            ++i;
        } else if (argument == "--reference") {
            options.reference = true;
        } else if (argument == "--only") {
            const auto k = value ? blockSize(*value) : std::nullopt;
            if (!k) return usageError("--only erwartet 6, 5, 4 oder 3.");
            options.onlyBlock = k;
            ++i;
        } else if (argument == "--holes") {
            const auto k = value ? blockSize(*value) : std::nullopt;
            if (!k) return usageError("--holes erwartet 6, 5, 4 oder 3.");
            ++outputKinds;
            options.output = CliOutput::Holes;
            options.holesBlock = *k;
            ++i;
        } else if (argument == "--limit") {
            const auto n = value ? count(*value) : std::nullopt;
            if (!n) return usageError("--limit erwartet eine ganze Zahl ab 0.");
            options.holesLimit = *n;
            limitGiven = true;
            ++i;
        } else if (argument == "-o" || argument == "--output") {
            if (!value || value->empty()) return usageError("-o erwartet einen Dateinamen.");
            options.outputFile = std::string(*value);
            ++i;
        } else {
            return usageError("Unbekannte Option: " + std::string(argument));
        }
    }
    if (!systemFile) return usageError("Keine Systemdatei angegeben.");
    options.systemFile = *systemFile;
    if (mapGiven || checkGiven) {
        ++outputKinds;
        options.output = checkGiven ? CliOutput::DrawCheck : CliOutput::MappedSystem;
    }
    if (std::string problem = combinationProblem(options, outputKinds, limitGiven);
        !problem.empty()) {
        return usageError(std::move(problem));
    }
    parse.kind = CliParse::Kind::Run;
    return parse;
}

}  // namespace lorvex
