#include "build_options.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <vector>

#include "core/system/system_row.h"

namespace lorvex {

namespace {

constexpr int MAX_SECONDS = 86400;

BuildCliParse usageError(std::string problem) {
    BuildCliParse parse;
    parse.problem = std::move(problem);
    return parse;
}

// A plain decimal number without sign or blanks, within [low, high].
std::optional<std::uint64_t> plainNumber(std::string_view text, std::uint64_t low,
                                         std::uint64_t high) {
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [next, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || next != end || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

// Key numbers separated by blanks, TABs, "," or ";"; the problem in German, or the numbers.
std::optional<std::string> readKeyNumbers(std::string_view text, std::vector<int>& numbers) {
    std::size_t position = 0;
    while (position < text.size()) {
        const std::size_t start = text.find_first_not_of(" \t,;", position);
        if (start == std::string_view::npos) break;
        position = std::min(text.find_first_of(" \t,;", start), text.size());
        const std::string_view word = text.substr(start, position - start);
        const auto number = plainNumber(word, 1, builder::MAX_NUMBERS);
        if (!number) {
            return "--fixed erwartet Zahlen von 1 bis 49, nicht \u201e" + std::string(word) +
                   "\u201c.";
        }
        numbers.push_back(int(*number));
    }
    if (numbers.empty()) return "--fixed erwartet mindestens eine Bankzahl.";
    std::sort(numbers.begin(), numbers.end());
    return std::nullopt;
}

// One option of the table: its name, whether a value follows, and what it does with it; the
// German problem when the value does not fit.
struct OptionRule {
    std::string_view name;
    std::string_view expects;  // the problem when the value is missing or wrong
    std::function<bool(std::string_view value, BuildCliOptions& options)> take;
};

std::vector<OptionRule> optionRules() {
    return {
        {"--numbers",
         "--numbers erwartet, wie viele Zahlen (7 bis 49), oder die gespielten Zahlen selbst.",
         [](std::string_view value, BuildCliOptions& options) {
             options.numbers = builder::readNumbersGiven(value, "--numbers");
             return options.numbers.problem.empty();
         }},
        {"--guarantee", "--guarantee erwartet die garantierten Richtigen (2 bis 6).",
         [](std::string_view value, BuildCliOptions& options) {
             const auto n = plainNumber(value, 0, 1000);
             if (n) options.request.guarantee = int(*n);
             return n.has_value();
         }},
        {"--if", "--if erwartet, wie viele Gewinnzahlen unter Ihren Zahlen sind (2 bis 6).",
         [](std::string_view value, BuildCliOptions& options) {
             const auto n = plainNumber(value, 0, 1000);
             if (n) options.request.drawn = int(*n);
             return n.has_value();
         }},
        {"--seconds", "--seconds erwartet eine ganze Zahl von 0 bis 86400.",
         [](std::string_view value, BuildCliOptions& options) {
             const auto n = plainNumber(value, 0, MAX_SECONDS);
             if (n) options.seconds = int(*n);
             return n.has_value();
         }},
        {"--seed", "--seed erwartet eine ganze Zahl ab 0.",
         [](std::string_view value, BuildCliOptions& options) {
             const auto n = plainNumber(value, 0, UINT64_MAX);
             if (n) options.seed = *n;
             return n.has_value();
         }},
        {"--threads", "--threads erwartet eine Zahl von Threads von 1 bis 256.",
         [](std::string_view value, BuildCliOptions& options) {
             const auto n = plainNumber(value, 1, 256);
             if (n) options.threads = int(*n);
             return n.has_value();
         }},
        {"--plug", "--plug erwartet die Datei mit dem System.",
         [](std::string_view value, BuildCliOptions& options) {
             options.mode = BuildMode::Plug;
             options.systemFile = std::string(value);
             return !value.empty();
         }},
        {"--trim", "--trim erwartet die Datei mit dem System.",
         [](std::string_view value, BuildCliOptions& options) {
             options.mode = BuildMode::Trim;
             options.systemFile = std::string(value);
             return !value.empty();
         }},
        {"--rows-at-most", "--rows-at-most erwartet eine Reihenzahl von 1 bis 9999.",
         [](std::string_view value, BuildCliOptions& options) {
             const auto n = plainNumber(value, 1, MAX_SYSTEM_ROWS);
             if (n) options.rowsAtMost = std::size_t(*n);
             return n.has_value();
         }},
        {"-o", "-o erwartet einen Dateinamen.",
         [](std::string_view value, BuildCliOptions& options) {
             if (value.empty()) return false;
             options.outputFile = std::string(value);
             return true;
         }},
    };
}

}  // namespace

std::string_view buildUsage() {
    return "Aufruf: lorvex-build --numbers V|\"N1 ... NV\" --guarantee T [--if K]\n"
           "                     [--fixed \"N ...\"] [--rows-at-most N] [--seconds S]\n"
           "                     [--seed N] [--threads N] [--no-cache] [-o DATEI]\n"
           "       lorvex-build --plug DATEI --guarantee T [--if K] [weitere Optionen]\n"
           "       lorvex-build --trim DATEI [--exchange] --guarantee T [--if K]\n"
           "                     [weitere Optionen]\n"
           "\n"
           "Baut ein möglichst kleines Lottosystem auf V Zahlen, das mindestens T\n"
           "Richtige in einer Reihe garantiert, wenn K Gewinnzahlen unter den V Zahlen\n"
           "sind, prüft es an allen Ziehungen und schreibt es als Systemtext (je Zeile\n"
           "eine Reihe), den Lorvex wieder laden kann.\n"
           "\n"
           "  --numbers V     wie viele Zahlen (7 bis 49): das System auf 1 bis V\n"
           "  --numbers \"N1 ... NV\"\n"
           "                  Ihre Zahlen: das System steht auf ihnen\n"
           "  --guarantee T   die garantierten Richtigen, 2 bis 6\n"
           "  --if K          so viele Gewinnzahlen unter Ihren Zahlen, T bis 6\n"
           "                  (Vorgabe T)\n"
           "  --fixed \"N ...\" Bankzahlen (unter Ihren Zahlen): stehen in jeder Reihe;\n"
           "                  die Garantie gilt für die Ziehungen mit allen Bankzahlen\n"
           "  --plug DATEI    Ihre Reihen in DATEI behalten und möglichst wenige Reihen\n"
           "                  ergänzen, bis die Garantie gilt; die neuen Reihen stehen\n"
           "                  hinter Ihren\n"
           "  --trim DATEI    aus Ihren Reihen in DATEI möglichst viele streichen,\n"
           "                  solange die Garantie gilt\n"
           "  --exchange      mit --trim: Reihen auch austauschen, wenn das System\n"
           "                  dadurch kleiner wird\n"
           "  --rows-at-most N höchstens N Reihen; reichen sie nicht, das System mit N\n"
           "                  Reihen, das die Garantie in den meisten Ziehungen hält\n"
           "                  (Exit-Status 3)\n"
           "  --seconds S     so lange darf die Suche dauern (Vorgabe 10)\n"
           "  --seed N        Startwert der Suche (Vorgabe 1)\n"
           "  --threads N     so viele Threads (Vorgabe: alle Prozessorkerne); mit\n"
           "                  demselben Startwert und ebenso vielen Threads baut die\n"
           "                  Webseite dasselbe System, wo die Zeit nicht knapp wird\n"
           "  --no-cache      nicht beim früher gebauten System beginnen und es nicht\n"
           "                  ersetzen\n"
           "  -o DATEI        in DATEI schreiben statt auf die Standardausgabe\n"
           "  --help          diese Hilfe zeigen\n"
           "\n"
           "Bei --plug und --trim spielt das System die Zahlen, die in DATEI vorkommen\n"
           "(oder die von --numbers); lorvex-build nennt sie. DATEI \"-\" liest die\n"
           "Standardeingabe. Jede Reihe kostet 1,20 € je Ziehung.\n"
           "\n"
           "Das kleinste System, das lorvex-build für eine Anfrage ohne Bankzahlen\n"
           "gebaut hat, bleibt im Cache-Ordner (~/.cache/lorvex/systeme oder\n"
           "$XDG_CACHE_HOME/lorvex/systeme). Wird dieselbe Anfrage wieder gestellt,\n"
           "beginnt die Suche dort, wenn es die Garantie noch erfüllt und kleiner ist\n"
           "als das der Konstruktionen.\n"
           "\n"
           "Nach dem System zeigt die Gewinntabelle die schlechteste und die beste\n"
           "Ziehung, wenn 6, 5, 4 oder 3 Gewinnzahlen unter Ihren Zahlen sind. Mehr als\n"
           "9999 Reihen schreibt lorvex-build nicht: so viele lädt Lorvex.\n"
           "\n"
           "Exit-Status: 0 bei Erfolg, 1 bei einem Fehler, 2 bei falschen Argumenten oder\n"
           "einer Anfrage, die sich nicht erfüllen lässt, 3 wenn die Garantie mit\n"
           "--rows-at-most Reihen nicht erreicht wurde.\n";
}

BuildCliParse parseBuildArguments(std::span<const std::string_view> arguments) {
    BuildCliParse parse;
    BuildCliOptions& options = parse.options;
    const std::vector<OptionRule> rules = optionRules();
    std::vector<std::string_view> given;
    bool drawnGiven = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            parse.kind = BuildCliParse::Kind::Help;
            return parse;
        }
        if (argument == "--exchange") {
            options.exchange = true;
            continue;
        }
        if (argument == "--no-cache") {
            options.useCache = false;
            continue;
        }
        if (std::find(given.begin(), given.end(), argument) != given.end()) {
            return usageError(std::string(argument) + " nur einmal angeben.");
        }
        const bool hasValue = i + 1 < arguments.size();
        const std::string_view value = hasValue ? arguments[i + 1] : std::string_view();
        if (argument == "--fixed") {
            if (!hasValue) return usageError("--fixed erwartet die Bankzahlen.");
            if (auto problem = readKeyNumbers(value, options.request.keyNumbers)) {
                return usageError(std::move(*problem));
            }
        } else {
            const auto rule = std::find_if(rules.begin(), rules.end(),
                                           [&](const OptionRule& r) { return r.name == argument; });
            if (rule == rules.end()) {
                return usageError("Unbekannte Option: " + std::string(argument));
            }
            if (!hasValue || !rule->take(value, options)) {
                // The numbers' own reason names the word that is wrong.
                if (hasValue && !options.numbers.problem.empty())
                    return usageError(options.numbers.problem);
                return usageError(std::string(rule->expects));
            }
        }
        drawnGiven = drawnGiven || argument == "--if";
        given.push_back(argument);
        ++i;
    }
    const auto isGiven = [&](std::string_view name) {
        return std::find(given.begin(), given.end(), name) != given.end();
    };
    if (isGiven("--plug") && isGiven("--trim")) {
        return usageError("--plug und --trim nicht zusammen angeben.");
    }
    if (options.exchange && options.mode != BuildMode::Trim) {
        return usageError("--exchange gilt nur zusammen mit --trim.");
    }
    const bool ownSystem = options.mode != BuildMode::Build;
    // With a system of the player's own, its highest number is the default for --numbers.
    for (const std::string_view required : {"--numbers", "--guarantee"}) {
        if (!isGiven(required) && !(ownSystem && required == "--numbers")) {
            return usageError(std::string(required) + " fehlt.");
        }
    }
    if (!drawnGiven) options.request.drawn = options.request.guarantee;
    if (ownSystem) {
        parse.kind = BuildCliParse::Kind::Run;
        return parse;
    }
    const std::vector<int>& played = options.numbers.played;
    options.request.numbers =
        played.empty() ? options.numbers.count.value_or(0) : int(played.size());
    if (auto problem = builder::keysOnSystemNumbers(options.request.keyNumbers, played)) {
        return usageError(std::move(*problem));
    }
    if (auto problem = builder::requestProblem(options.request)) {
        return usageError(std::move(*problem));
    }
    parse.kind = BuildCliParse::Kind::Run;
    return parse;
}

}  // namespace lorvex
