#include "cli_options.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <vector>

#include "core/number_list.h"

namespace lorvex {

namespace {

using enum AnswerKind;

// Reads an option's argument into the options; returns what is wrong with it, or nothing.
using ReadArgument = std::string (*)(std::string_view value, CliOptions& options);

// One line of lorvex-report's options: the parser, the usage text and the usage errors are
// all made from these.
struct CliOption {
    std::string_view name;
    std::string_view alias;     // another spelling, not shown in the usage
    std::string_view argument;  // as the usage names it; empty for an option without one
    std::string_view expects;   // "--only erwartet 6, 5, 4 oder 3." when the argument is missing
    std::string_view help;      // lines of the usage text, separated by line feeds
    std::optional<AnswerKind> chooses;     // the answer it asks for
    std::vector<AnswerKind> combinesWith;  // the answers another option asks for that it fits
    ReadArgument read = nullptr;
    bool once = false;  // given twice is a usage error
};

const std::vector<AnswerKind> kHitTableAnswers = {TextReport, HtmlReport, Csv, Guarantee};

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

// The problem text "" means the value reads fine; "?" that it is the option's `expects`.
constexpr std::string_view kExpected = "?";

std::string readOnly(std::string_view value, CliOptions& options) {
    options.request.onlyBlock = blockSize(value);
    return options.request.onlyBlock ? "" : std::string(kExpected);
}

std::string readHoles(std::string_view value, CliOptions& options) {
    const auto k = blockSize(value);
    if (!k) return std::string(kExpected);
    options.request.holesBlock = *k;
    return {};
}

std::string readLimit(std::string_view value, CliOptions& options) {
    const auto n = count(value);
    if (!n) return std::string(kExpected);
    options.request.holesLimit = *n;
    return {};
}

std::string readOwnNumbers(std::string_view value, CliOptions& options) {
    NumberList own = parseOwnNumbers(value);
    options.request.ownNumbers = std::move(own.numbers);
    return std::move(own.problem);
}

std::string readDraw(std::string_view value, CliOptions& options) {
    DrawNumbers draw = parseDrawNumbers(value);
    options.request.drawNumbers = draw.numbers;
    return std::move(draw.problem);
}

std::string readOutputFile(std::string_view value, CliOptions& options) {
    if (value.empty()) return std::string(kExpected);
    options.outputFile = std::string(value);
    return {};
}

std::string readNothing(std::string_view, CliOptions&) {
    return {};
}

std::string readReference(std::string_view, CliOptions& options) {
    options.request.reference = true;
    return {};
}

const std::vector<CliOption>& cliOptions() {
    static const std::vector<CliOption> table = {
        {"--only",
         "",
         "K",
         "6, 5, 4 oder 3",
         "nur die Analyse für K Treffer (K = 6, 5, 4 oder 3)",
         std::nullopt,
         {TextReport, HtmlReport, Csv, Guarantee, Holes, Coverage},
         readOnly},
        {"--html",
         "",
         "",
         "",
         "die HTML-Seite statt des Textberichts",
         HtmlReport,
         {},
         readNothing},
        {"--csv",
         "",
         "",
         "",
         "die Treffertabelle als CSV für Tabellenkalkulationen",
         Csv,
         {},
         readNothing},
        {"--guarantee",
         "",
         "",
         "",
         "je Block eine Zeile: was das System mindestens garantiert",
         Guarantee,
         {},
         readNothing},
        {"--holes",
         "",
         "K",
         "6, 5, 4 oder 3",
         "die Ziehungen von K Zahlen mit dem schlechtesten Ergebnis",
         Holes,
         {},
         readHoles},
        {"--limit",
         "",
         "N",
         "eine ganze Zahl ab 0",
         "mit --holes: höchstens N Ziehungen auflisten (Vorgabe 100,\n0 = alle)",
         std::nullopt,
         {Holes},
         readLimit},
        {"--coverage",
         "",
         "",
         "",
         "je Block: wie viele Ziehungen mindestens einen 6er, 5er, 4er\noder 3er bringen",
         Coverage,
         {},
         readNothing},
        {"--odds",
         "",
         "",
         "",
         "Gewinnchancen über alle 13983816 Ziehungen 6 aus 49",
         Odds,
         {},
         readNothing},
        {"--frequency",
         "",
         "",
         "",
         "in wie vielen Reihen jede Systemzahl vorkommt",
         Frequency,
         {},
         readNothing},
        {"--map",
         "",
         "\"N1 ... NM\"",
         "die eigenen Zahlen",
         "das System auf eigenen Zahlen: Systemzahl i wird Ni (genau so\nviele verschiedene "
         "Zahlen von 1 bis 49, wie das System\nSystemzahlen hat)",
         MappedSystem,
         {DrawCheck},
         readOwnNumbers,
         true},
        {"--check",
         "",
         "\"D1 ... D6\"",
         "die sechs gezogenen Zahlen",
         "die Reihen mit 3 oder mehr Richtigen bei dieser Ziehung (mit\n--map: im umgesetzten "
         "System)",
         DrawCheck,
         {},
         readDraw,
         true},
        {"-o",
         "--output",
         "DATEI",
         "einen Dateinamen",
         "in DATEI schreiben statt auf die Standardausgabe",
         std::nullopt,
         {TextReport, HtmlReport, Csv, Guarantee, Holes, Coverage, Odds, Frequency, MappedSystem,
          DrawCheck},
         readOutputFile},
        {"--reference", "", "", "",
         "mit der einfachen Aufzählung rechnen (langsam, zum Gegenprüfen)", std::nullopt,
         kHitTableAnswers, readReference},
        {"--help", "-h", "", "", "diese Hilfe zeigen", std::nullopt, {}, nullptr},
    };
    return table;
}

bool fits(const CliOption& option, AnswerKind answer) {
    return std::find(option.combinesWith.begin(), option.combinesWith.end(), answer) !=
           option.combinesWith.end();
}

// "a, b und c", "a, b oder c".
std::string listed(const std::vector<std::string>& names, std::string_view last) {
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) text += i + 1 == names.size() ? " " + std::string(last) + " " : ", ";
        text += names[i];
    }
    return text;
}

// "Nur eine Ausgabeart wählen: --html, ... oder --map/--check."; options that ask for answers
// that go together stand as one.
std::string oneAnswerOnly() {
    std::vector<std::string> names;
    bool joinNext = false;
    for (const CliOption& option : cliOptions()) {
        if (!option.chooses) continue;
        if (joinNext)
            names.back() += "/" + std::string(option.name);
        else
            names.emplace_back(option.name);
        joinNext = !option.combinesWith.empty();
    }
    return "Nur eine Ausgabeart wählen: " + listed(names, "oder") + ".";
}

// "--reference gilt nicht für --coverage, ... und --check.": the answers of the same family
// as the one asked for that the option does not fit.
std::string doesNotFit(const CliOption& option, AnswerKind answer) {
    std::vector<std::string> names;
    for (const CliOption& other : cliOptions()) {
        if (other.chooses && answerFamily(*other.chooses) == answerFamily(answer) &&
            !fits(option, *other.chooses)) {
            names.emplace_back(other.name);
        }
    }
    return std::string(option.name) + " gilt nicht für " + listed(names, "und") + ".";
}

// The answer the chosen options ask for together: the one that all the others fit. An option
// given twice does not fit itself.
std::optional<AnswerKind> chosenAnswer(const std::vector<const CliOption*>& chosen) {
    if (chosen.empty()) return TextReport;
    for (std::size_t i = 0; i < chosen.size(); ++i) {
        bool othersFit = true;
        for (std::size_t j = 0; j < chosen.size(); ++j)
            othersFit = othersFit && (i == j || fits(*chosen[j], *chosen[i]->chooses));
        if (othersFit) return chosen[i]->chooses;
    }
    return std::nullopt;
}

std::string_view optionChoosing(AnswerKind answer) {
    for (const CliOption& option : cliOptions()) {
        if (option.chooses == answer) return option.name;
    }
    return {};
}

// Rules between options that each read fine on their own.
std::string combinationProblem(const std::vector<const CliOption*>& given, CliOptions& options) {
    std::vector<const CliOption*> chosen;
    std::copy_if(given.begin(), given.end(), std::back_inserter(chosen),
                 [](const CliOption* option) { return option->chooses.has_value(); });
    const std::optional<AnswerKind> answer = chosenAnswer(chosen);
    if (!answer) return oneAnswerOnly();
    options.request.kind = *answer;
    const auto isGiven = [&given](const CliOption& option) {
        return std::find(given.begin(), given.end(), &option) != given.end();
    };
    const auto misfits = [&](const CliOption& option) {
        return isGiven(option) && !option.chooses && !fits(option, *answer);
    };
    // First an option that fits one answer only, then the blocks, then the others, the last in
    // the table first.
    for (const CliOption& option : cliOptions()) {
        if (misfits(option) && option.combinesWith.size() == 1) {
            return std::string(option.name) + " gilt nur zusammen mit " +
                   std::string(optionChoosing(option.combinesWith.front())) + ".";
        }
    }
    const AnswerRequest& request = options.request;
    if (*answer == Holes && request.onlyBlock && *request.onlyBlock != request.holesBlock)
        return "--only und --holes nennen verschiedene Blöcke.";
    for (auto option = cliOptions().rbegin(); option != cliOptions().rend(); ++option) {
        if (misfits(*option)) return doesNotFit(*option, *answer);
    }
    return {};
}

const CliOption* findOption(std::string_view argument) {
    for (const CliOption& option : cliOptions()) {
        if (argument == option.name || (!option.alias.empty() && argument == option.alias))
            return &option;
    }
    return nullptr;
}

CliParse usageError(std::string problem) {
    CliParse parse;
    parse.problem = std::move(problem);
    return parse;
}

}  // namespace

std::string cliUsage() {
    std::string text =
        "Aufruf: lorvex-report [--only K] [--html | --csv | --guarantee] [-o DATEI]\n"
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
        "\n";
    constexpr std::size_t helpColumn = 16;
    for (const CliOption& option : cliOptions()) {
        std::string head = "  " + std::string(option.name);
        if (!option.argument.empty()) head += " " + std::string(option.argument);
        // A head too long for its column stands on a line of its own.
        head += head.size() + 2 <= helpColumn ? std::string(helpColumn - head.size(), ' ')
                                              : "\n" + std::string(helpColumn, ' ');
        text += head;
        for (const char c : option.help)
            text += c == '\n' ? "\n" + std::string(helpColumn, ' ') : std::string(1, c);
        text += '\n';
    }
    return text +
           "\n"
           "SYSTEMDATEI \"-\" liest die Standardeingabe.\n"
           "Exit-Status: 0 bei Erfolg, 1 bei einem Fehler, 2 bei falschen Argumenten.\n";
}

CliParse parseCliArguments(std::span<const std::string_view> arguments) {
    CliParse parse;
    CliOptions& options = parse.options;
    bool filesOnly = false;
    std::vector<const CliOption*> given;
    std::optional<std::string> systemFile;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (filesOnly || argument == "-" || !argument.starts_with("-")) {
            if (systemFile) return usageError("Nur eine Systemdatei angeben.");
            systemFile = std::string(argument);
            continue;
        }
        if (argument == "--") {
            filesOnly = true;
            continue;
        }
        const CliOption* option = findOption(argument);
        if (!option) return usageError("Unbekannte Option: " + std::string(argument));
        if (!option->read) {
            parse.kind = CliParse::Kind::Help;
            return parse;
        }
        const std::string name(option->name);
        if (option->once && std::find(given.begin(), given.end(), option) != given.end())
            return usageError(name + " nur einmal angeben.");
        const std::string expected = name + " erwartet " + std::string(option->expects) + ".";
        std::string_view value;
        if (!option->argument.empty()) {
            if (i + 1 >= arguments.size()) return usageError(expected);
            value = arguments[++i];
        }
        if (std::string problem = option->read(value, options); !problem.empty())
            return usageError(problem == kExpected ? expected : std::move(problem));
        given.push_back(option);
    }
    if (!systemFile) return usageError("Keine Systemdatei angegeben.");
    options.systemFile = *systemFile;
    if (std::string problem = combinationProblem(given, options); !problem.empty())
        return usageError(std::move(problem));
    parse.kind = CliParse::Kind::Run;
    return parse;
}

}  // namespace lorvex
