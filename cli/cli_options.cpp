#include "cli_options.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <vector>

#include "core/questions/number_list.h"
#include "core/questions/prize_classes.h"

namespace lorvex {

namespace {

using enum AnswerKind;

constexpr std::string_view NUMBERS_TWICE = "--numbers und --numbers-used nicht zusammen angeben.";

// Reads an option's argument into the options; returns what is wrong with it (`expected`
// when it is not what the option expects), or nothing.
using ReadArgument = std::string (*)(std::string_view value, const std::string& expected,
                                     CliOptions& options);

// One line of lorvex-report's options: the parser, the usage text and the usage errors are
// all made from these.
struct CliOption {
    std::string_view name;
    std::string_view alias = {};     // another spelling, not shown in the usage
    std::string_view argument = {};  // as the usage names it; empty for an option without one
    std::string_view expects = {};   // "6, 5, 4 oder 3": "--only erwartet 6, 5, 4 oder 3."
    std::string_view help = {};      // lines of the usage text, separated by line feeds
    std::optional<AnswerKind> chooses = std::nullopt;  // the answer it asks for
    std::vector<AnswerKind> combinesWith = {};  // the answers asked for by others that it fits
    // Of those, the answers whose own argument it may only repeat: not shown in their usage.
    std::vector<AnswerKind> restates = {};
    // Answers asked for by others whose form it changes (--csv with --draws): fits them
    // without asking for them together.
    std::vector<AnswerKind> reshapes = {};
    ReadArgument read = nullptr;  // nothing to read when absent
    bool once = false;            // given twice is a usage error
    bool showsHelp = false;
};

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

std::string readOnly(std::string_view value, const std::string& expected, CliOptions& options) {
    options.request.onlyBlock = blockSize(value);
    return options.request.onlyBlock ? "" : expected;
}

std::string readHoles(std::string_view value, const std::string& expected, CliOptions& options) {
    const auto k = blockSize(value);
    if (!k) return expected;
    options.request.holesBlock = *k;
    return {};
}

std::string readLimit(std::string_view value, const std::string& expected, CliOptions& options) {
    const auto n = count(value);
    if (!n) return expected;
    options.request.holesLimit = *n;
    return {};
}

std::string readOwnNumbers(std::string_view value, const std::string&, CliOptions& options) {
    NumberList own = parseOwnNumbers(value);
    options.request.ownNumbers = std::move(own.numbers);
    return std::move(own.problem);
}

std::string readPlayedNumbers(std::string_view value, const std::string&, CliOptions& options) {
    if (options.numbersInSystem) return std::string(NUMBERS_TWICE);
    NumberList played = parseNumberList("--numbers", value);
    options.request.playedNumbers = std::move(played.numbers);
    return std::move(played.problem);
}

std::string readNumbersInSystem(std::string_view, const std::string&, CliOptions& options) {
    options.numbersInSystem = true;
    return options.request.playedNumbers.empty() ? "" : std::string(NUMBERS_TWICE);
}

std::string readDraw(std::string_view value, const std::string&, CliOptions& options) {
    DrawNumbers draw = parseDrawNumbers(value);
    options.request.drawNumbers = draw.numbers;
    return std::move(draw.problem);
}

std::string readOutputFile(std::string_view value, const std::string& expected,
                           CliOptions& options) {
    if (value.empty()) return expected;
    options.outputFile = std::string(value);
    return {};
}

std::string readDrawsFile(std::string_view value, const std::string& expected,
                          CliOptions& options) {
    if (value.empty()) return expected;
    options.drawsFile = std::string(value);
    return {};
}

std::string readSuperzahl(std::string_view value, const std::string& expected,
                          CliOptions& options) {
    options.request.superzahl = parseSuperzahl(value);
    return options.request.superzahl ? "" : expected;
}

std::string readCsv(std::string_view, const std::string&, CliOptions& options) {
    options.request.pastDrawsCsv = true;
    return {};
}

std::string readReference(std::string_view, const std::string&, CliOptions& options) {
    options.request.reference = true;
    return {};
}

// In the order of the usage text.
const std::vector<CliOption>& cliOptions() {
    static const std::vector<CliOption> table = {
        {.name = "--only",
         .argument = "K",
         .expects = "6, 5, 4 oder 3",
         .help = "nur die Analyse für K Treffer (K = 6, 5, 4 oder 3)",
         .combinesWith = {TextReport, HtmlReport, Csv, Guarantee, Holes, Coverage},
         .restates = {Holes},
         .read = readOnly},
        {.name = "--html", .help = "die HTML-Seite statt des Textberichts", .chooses = HtmlReport},
        {.name = "--csv",
         .help = "die Treffertabelle als CSV für Tabellenkalkulationen (mit --draws:\n"
                 "die Gewinne je Ziehung)",
         .chooses = Csv,
         .reshapes = {PastDraws},
         .read = readCsv},
        {.name = "--guarantee",
         .help = "je Block eine Zeile: was das System mindestens garantiert",
         .chooses = Guarantee},
        {.name = "--holes",
         .argument = "K",
         .expects = "6, 5, 4 oder 3",
         .help = "die Ziehungen von K Zahlen mit dem schlechtesten Ergebnis",
         .chooses = Holes,
         .read = readHoles},
        {.name = "--limit",
         .argument = "N",
         .expects = "eine ganze Zahl ab 0",
         .help = "mit --holes: höchstens N Ziehungen auflisten (Vorgabe 100,\n0 = alle)",
         .combinesWith = {Holes},
         .read = readLimit},
        {.name = "--coverage",
         .help = "je Block: wie viele Ziehungen mindestens einen 6er, 5er, 4er\noder 3er bringen",
         .chooses = Coverage},
        {.name = "--odds",
         .help = "Gewinnchancen über alle 13983816 Ziehungen 6 aus 49",
         .chooses = Odds},
        {.name = "--frequency",
         .help = "in wie vielen Reihen jede Systemzahl vorkommt",
         .chooses = Frequency},
        {.name = "--map",
         .argument = "\"N1 ... NM\"",
         .expects = "die eigenen Zahlen",
         .help = "das System auf eigenen Zahlen: Systemzahl i wird Ni (genau so\nviele "
                 "verschiedene Zahlen von 1 bis 49, wie das System\nSystemzahlen hat)",
         .chooses = MappedSystem,
         .combinesWith = {DrawCheck},
         .read = readOwnNumbers,
         .once = true},
        {.name = "--check",
         .argument = "\"D1 ... D6\"",
         .expects = "die sechs gezogenen Zahlen",
         .help = "die Reihen mit 3 oder mehr Richtigen bei dieser Ziehung (mit\n--map: im "
                 "umgesetzten System)",
         .chooses = DrawCheck,
         .read = readDraw,
         .once = true},
        {.name = "--draws",
         .argument = "DATEI",
         .expects = "eine Datei mit Ziehungen",
         .help = "das System in jeder Ziehung aus DATEI spielen (je Zeile: Datum,\n"
                 "sechs Zahlen, Superzahl): die Gewinne je Ziehung und Klasse",
         .chooses = PastDraws,
         .read = readDrawsFile,
         .once = true},
        {.name = "--superzahl",
         .argument = "D",
         .expects = "eine Ziffer von 0 bis 9",
         .help = "mit --draws: die Superzahl des Spielscheins (0 bis 9)",
         .combinesWith = {PastDraws},
         .read = readSuperzahl,
         .once = true},
        {.name = "--numbers",
         .argument = "\"N1 ... NV\"",
         .expects = "die gespielten Zahlen",
         .help = "die Zahlen, die das System spielt (V verschiedene Zahlen von 1\nbis 49): "
                 "die Reihen stehen auf ihnen, jede Antwort zählt\nZiehungen aus ihnen",
         .combinesWith = {TextReport, HtmlReport, Csv, Guarantee, Holes, Coverage, Odds, Frequency,
                          MappedSystem, DrawCheck, PastDraws},
         .read = readPlayedNumbers,
         .once = true},
        {.name = "--numbers-used",
         .help = "wie --numbers mit den Zahlen, die im System vorkommen",
         .combinesWith = {TextReport, HtmlReport, Csv, Guarantee, Holes, Coverage, Odds, Frequency,
                          MappedSystem, DrawCheck, PastDraws},
         .read = readNumbersInSystem},
        {.name = "-o",
         .alias = "--output",
         .argument = "DATEI",
         .expects = "einen Dateinamen",
         .help = "in DATEI schreiben statt auf die Standardausgabe",
         .combinesWith = {TextReport, HtmlReport, Csv, Guarantee, Holes, Coverage, Odds, Frequency,
                          MappedSystem, DrawCheck, PastDraws},
         .read = readOutputFile},
        {.name = "--reference",
         .help = "mit der einfachen Aufzählung rechnen (langsam, zum Gegenprüfen)",
         .combinesWith = {TextReport, HtmlReport, Csv, Guarantee},
         .read = readReference},
        {.name = "--help", .alias = "-h", .help = "diese Hilfe zeigen", .showsHelp = true},
    };
    return table;
}

bool fits(const CliOption& option, AnswerKind answer) {
    const auto in = [answer](const std::vector<AnswerKind>& answers) {
        return std::find(answers.begin(), answers.end(), answer) != answers.end();
    };
    return in(option.combinesWith) || in(option.reshapes);
}

// Fits the answer because it is asked for beside it, not because it changes its form.
bool goesWith(const CliOption& option, AnswerKind answer) {
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

// "--only K", "--html".
std::string head(const CliOption& option) {
    std::string text(option.name);
    if (!option.argument.empty()) text += " " + std::string(option.argument);
    return text;
}

// The options that the answer's usage line shows beside its own: those that fit it.
std::vector<const CliOption*> shownWith(AnswerKind answer) {
    std::vector<const CliOption*> shown;
    for (const CliOption& option : cliOptions()) {
        const bool restated = std::find(option.restates.begin(), option.restates.end(), answer) !=
                              option.restates.end();
        const bool reshapes = std::find(option.reshapes.begin(), option.reshapes.end(), answer) !=
                              option.reshapes.end();
        if ((!option.chooses || reshapes) && fits(option, answer) && !restated)
            shown.push_back(&option);
    }
    return shown;
}

// Options that ask for answers going together, such as --map and --check.
bool linked(const CliOption& one, const CliOption& other) {
    return goesWith(one, *other.chooses) || goesWith(other, *one.chooses);
}

bool linkedToAny(const CliOption& option) {
    return std::any_of(cliOptions().begin(), cliOptions().end(), [&](const CliOption& other) {
        return other.chooses && &other != &option && linked(option, other);
    });
}

// One usage line (its words) per kind of answer: the options that ask for answers shown beside the
// same options stand together ("--odds | --frequency"), those that ask for answers going together
// each in brackets, and the answers beside the default (the text report) in one bracket.
std::vector<std::vector<std::string>> usageLines() {
    std::vector<std::vector<const CliOption*>> lines;  // the asking options of each line
    for (const CliOption& option : cliOptions()) {
        if (!option.chooses) continue;
        const auto together = [&](const std::vector<const CliOption*>& line) {
            const CliOption& first = *line.front();
            if (linkedToAny(option) || linkedToAny(first)) return linked(option, first);
            return shownWith(*option.chooses) == shownWith(*first.chooses);
        };
        const auto line = std::find_if(lines.begin(), lines.end(), together);
        if (line == lines.end())
            lines.push_back({&option});
        else
            line->push_back(&option);
    }
    std::vector<std::vector<std::string>> texts;
    for (const std::vector<const CliOption*>& askers : lines) {
        const AnswerKind answer = *askers.front()->chooses;
        const bool eachAlone = linkedToAny(*askers.front());
        const bool optional = shownWith(answer) == shownWith(TextReport);
        std::vector<std::string> words;
        std::string asked;
        for (const CliOption* asker : askers) {
            if (eachAlone)
                words.push_back("[" + head(*asker) + "]");
            else
                asked += (asked.empty() ? "" : " | ") + head(*asker);
        }
        if (!asked.empty()) asked = optional ? "[" + asked + "]" : asked;
        bool askedPlaced = asked.empty();
        for (const CliOption* shown : shownWith(answer)) {
            if (!askedPlaced && shown > askers.front()) {
                words.push_back(asked);
                askedPlaced = true;
            }
            words.push_back("[" + head(*shown) + "]");
        }
        if (!askedPlaced) words.push_back(asked);
        words.emplace_back("SYSTEMDATEI");
        texts.push_back(std::move(words));
    }
    return texts;
}

// "Aufruf: lorvex-report ..." with one line per kind of answer, wrapped at 80 columns.
std::string synopsis() {
    constexpr std::string_view first = "Aufruf: lorvex-report ";
    constexpr std::string_view next = "       lorvex-report ";
    constexpr std::size_t width = 80;
    const std::string continued(first.size(), ' ');
    std::string text;
    for (const std::vector<std::string>& words : usageLines()) {
        std::string row(text.empty() ? first : next);
        for (std::size_t i = 0; i < words.size(); ++i) {
            if (i > 0 && row.size() + 1 + words[i].size() > width) {
                text += row + '\n';
                row = continued + words[i];
            } else {
                row += (i > 0 ? " " : "") + words[i];
            }
        }
        text += row + '\n';
    }
    return text;
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
        synopsis() +
        "\n"
        "Liest ein Lottosystem (je Zeile eine Reihe aus sechs Zahlen von 1 bis 49),\n"
        "analysiert es für 6, 5, 4 und 3 gezogene Systemzahlen und schreibt den\n"
        "Bericht genau so, wie ihn Lorvex beim Speichern schreibt.\n"
        "\n";
    constexpr std::size_t helpColumn = 16;
    for (const CliOption& option : cliOptions()) {
        std::string line = "  " + head(option);
        // A head too long for its column stands on a line of its own.
        line += line.size() + 2 <= helpColumn ? std::string(helpColumn - line.size(), ' ')
                                              : "\n" + std::string(helpColumn, ' ');
        text += line;
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
        if (option->showsHelp) {
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
        if (option->read) {
            if (std::string problem = option->read(value, expected, options); !problem.empty())
                return usageError(std::move(problem));
        }
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
