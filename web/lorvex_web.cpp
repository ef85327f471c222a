// The web page's engine: the desktop program's load and analysis and the answers of
// report/answers.h behind one embind class, WebSession, that the worker script
// (web/lorvex_worker.js) drives. Data flow: bytes or pasted text -> readSystemBytes /
// readSystemText (the desktop's loader) -> SystemTable -> analyseForAnswer -> HitTable -> its
// columns for the page, or giveAnswer -> the report's bytes for a download. The questions after
// the hit table are giveAnswer too, the same lines lorvex-report writes.
//
// "System bauen" reads its fields (web/build_fields.h) into a build job for builder/, which hands
// back the very text and summary lorvex-build writes. A system may be played on the player's own
// numbers: the session analyses it on 1..V and shows every number as played.
//
// Everything leaves as JavaScript values with named fields: texts as strings, numbers in typed
// arrays, report files as their ISO 8859-1 bytes.

#include <emscripten/bind.h>
#include <emscripten/emscripten.h>
#include <emscripten/val.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "build_fields.h"
#include "builder/job/build_job.h"
#include "builder/job/system_text_output.h"
#include "core/analysis/hit_table.h"
#include "core/analysis/progress_observer.h"
#include "core/maths/binomial.h"
#include "core/messages/messages.h"
#include "core/questions/number_frequency.h"
#include "core/questions/number_list.h"
#include "core/questions/prize_classes.h"
#include "core/system/file_bytes.h"
#include "core/system/played_numbers.h"
#include "core/system/system_loader.h"
#include "core/system/system_table.h"
#include "core/text/conversions.h"
#include "report/answers.h"
#include "report/guarantee.h"
#include "report/report_content.h"

// Tells the worker how far the analysis has come, as a share from 0 to 1.
EM_JS(void, lorvex_progress, (double share), {
    if (Module.onAnalysisProgress) Module.onAnalysisProgress(share);
});

// Tells the worker each smaller system the search has reached: its rows and its text.
EM_JS(void, lorvex_build_improved, (double rows, const char* text), {
    if (Module.onBuildImproved) Module.onBuildImproved(rows, UTF8ToString(text));
});

namespace lorvex {

namespace {

using emscripten::val;

// Adds up the draws of all blocks of one command and reports each new tenth of a percent.
class ShareObserver final : public ProgressObserver {
public:
    explicit ShareObserver(std::int64_t totalDraws) : totalDraws_(totalDraws) {}

    void drawsReached(std::int64_t draws) override {
        done_ += draws;
        const auto permille = static_cast<int>(done_ * 1000 / totalDraws_);
        if (permille == lastPermille_) return;
        lastPermille_ = permille;
        lorvex_progress(permille / 1000.0);
    }

private:
    std::int64_t totalDraws_;
    std::int64_t done_ = 0;
    int lastPermille_ = -1;
};

// A copy in a JavaScript typed array of `type` ("Int32Array", ...), which the worker hands on.
template <class Number>
val typedArray(const char* type, const std::vector<Number>& numbers) {
    return val::global(type).new_(emscripten::typed_memory_view(numbers.size(), numbers.data()));
}

val stringArray(const std::vector<std::string>& texts) {
    val array = val::array();
    for (const std::string& text : texts) array.call<void>("push", val(text));
    return array;
}

std::string_view loadOutcomeName(LoadOutcome outcome) {
    switch (outcome) {
        case LoadOutcome::Loaded:
            return "loaded";
        case LoadOutcome::NoRow:
            return "norow";
        case LoadOutcome::Overflow:
            return "overflow";
        case LoadOutcome::Unreadable:
            return "toolarge";
    }
    return "norow";
}

// The percentage as the hit list shows it ("28.571"), in thousandths: exact, and a number.
std::int32_t percentThousandths(const HitRow& row) {
    std::int32_t thousandths = 0;
    for (const char c : hitCellText(row, HitColumn::Percent)) {
        if (c >= '0' && c <= '9') thousandths = thousandths * 10 + (c - '0');
    }
    return thousandths;
}

// The hit table column by column; counts of 0 are the empty cells.
val hitTableColumns(const HitTable& hits) {
    const std::size_t count = hits.rows().size();
    std::vector<std::int32_t> blockSize, six, five, four, three, percent;
    std::vector<double> cases;
    std::vector<std::uint8_t> first;
    for (auto* column : {&blockSize, &six, &five, &four, &three, &percent}) column->reserve(count);
    for (const HitRow& row : hits.rows()) {
        blockSize.push_back(row.blockSize);
        six.push_back(row.outcome.hits(6));
        five.push_back(row.outcome.hits(5));
        four.push_back(row.outcome.hits(4));
        three.push_back(row.outcome.hits(3));
        cases.push_back(static_cast<double>(row.cases));
        percent.push_back(percentThousandths(row));
        first.push_back(row.firstOfBlock ? 1 : 0);
    }
    val table = val::object();
    table.set("rowCount", static_cast<double>(count));
    table.set("blockSize", typedArray("Int32Array", blockSize));
    table.set("six", typedArray("Int32Array", six));
    table.set("five", typedArray("Int32Array", five));
    table.set("four", typedArray("Int32Array", four));
    table.set("three", typedArray("Int32Array", three));
    table.set("cases", typedArray("Float64Array", cases));
    table.set("percentThousandths", typedArray("Int32Array", percent));
    table.set("first", typedArray("Uint8Array", first));
    return table;
}

// What a question's answer or problem is about, so that the page shows it beside its field.
val questionAnswer(const Answer& answer, std::string_view problemAbout) {
    val result = val::object();
    if (answer.outcome == Answer::Outcome::Given) {
        result.set("text", answerBytes(answer));
        return result;
    }
    result.set("problem", answer.problem);
    result.set("about", std::string(problemAbout));
    return result;
}

val numberProblem(std::string problem, std::string_view about) {
    return questionAnswer(failedAnswer(Answer::Outcome::UsageError, std::move(problem)), about);
}

BuildFields buildFields(const val& fields) {
    return {.numbers = fields["numbers"].as<std::string>(),
            .guarantee = fields["guarantee"].as<int>(),
            .drawn = fields["drawn"].as<int>(),
            .keyNumbers = fields["keys"].as<std::string>(),
            .rowsAtMost = fields["rowsAtMost"].as<std::string>(),
            .seconds = fields["seconds"].as<std::string>(),
            .seed = fields["seed"].isUndefined() ? 1 : fields["seed"].as<double>()};
}

val fieldProblem(const std::string& problem, const std::string& field) {
    val result = val::object();
    result.set("problem", problem);
    result.set("field", field);
    return result;
}

// "System_12_Zahlen_4_wenn_5.txt".
std::string builtSystemName(const builder::BuildRequest& request) {
    return "System_" + FormatInteger(request.numbers) + "_Zahlen_" +
           FormatInteger(request.guarantee) + "_wenn_" + FormatInteger(request.drawn) + ".txt";
}

// "3 7 11 ...": the played numbers as the page hands them back to playOn.
std::string numbersText(std::span<const int> numbers) {
    std::string text;
    for (const int number : numbers) text += (text.empty() ? "" : " ") + FormatInteger(number);
    return text;
}

// The job with the page's time and progress, run; the system as lorvex-build writes it and the
// lines it prints after it, or the reason beside the field it is about.
val runJob(BuildInput input) {
    input.job.options.deadline = builder::Deadline::in(std::chrono::seconds(input.seconds));
    input.job.options.threads = 1;  // the worker's own thread; the page builds without threads
    // The count goes out with every smaller system; the text, which a large system makes long,
    // at most every quarter second (and with the first).
    using Clock = std::chrono::steady_clock;
    input.job.options.improved = [played = input.job.playedNumbers,
                                  lastText = std::optional<Clock::time_point>()](
                                     std::span<const builder::Row> rows) mutable {
        const Clock::time_point now = Clock::now();
        const bool withText = !lastText || now - *lastText >= std::chrono::milliseconds(250);
        if (withText) lastText = now;
        lorvex_build_improved(double(rows.size()),
                              withText ? builder::systemText(rows, played).c_str() : "");
    };
    const builder::JobResult result = builder::runBuildJob(input.job);
    switch (result.status) {
        case builder::JobStatus::NotMet:
            return fieldProblem(result.problem + " " + std::string(PLUG_FIRST), "request");
        case builder::JobStatus::Refused:
        case builder::JobStatus::Failed:
            return fieldProblem(result.problem, "request");
        case builder::JobStatus::Built:
        case builder::JobStatus::BudgetMissed:
            break;
    }
    std::string lines;
    for (const std::string& line : result.summary) lines += (lines.empty() ? "" : "\n") + line;
    val answer = val::object();
    answer.set("text", result.systemText);
    answer.set("summary", lines);
    answer.set("winTable", result.winTable);
    answer.set("rowCount", static_cast<double>(result.rows.size()));
    answer.set("name", builtSystemName(input.job.request));
    answer.set("played", numbersText(input.job.playedNumbers));
    return answer;
}

}  // namespace

// What one page holds: the loaded system and the hit table of the last analysis.
class WebSession {
public:
    // `bytes` as the file holds them.
    val loadFile(const val& bytes) {
        const auto size = bytes["length"].as<std::size_t>();
        if (size > MAX_FILE_BYTES) return loaded({LoadOutcome::Unreadable, 0, 0});
        std::string copy(size, '\0');
        val(emscripten::typed_memory_view(size, copy.data())).call<void>("set", bytes);
        return load(
            [&copy](SystemTable& table) { return readSystemBytes(std::move(copy), table); });
    }

    // `latin1` is the pasted text already narrowed to one byte per character, as the desktop's
    // clipboard hands it over.
    val loadText(const val& latin1) {
        const auto size = latin1["length"].as<std::size_t>();
        std::string text(size, '\0');
        val(emscripten::typed_memory_view(size, text.data())).call<void>("set", latin1);
        return load([&text](SystemTable& table) { return readSystemText(text, table); });
    }

    // `onlyBlock` 6, 5, 4 or 3, or 0 for "Komplett".
    val analyse(int onlyBlock) {
        hits_.clear();
        AnswerRequest request;
        if (onlyBlock != 0) request.onlyBlock = onlyBlock;
        std::int64_t totalDraws = 0;
        for (const int k : requestedBlocks(request))
            totalDraws += static_cast<std::int64_t>(binomial(system_.highestNumber(), k));
        if (system_.rowCount() > 0 && totalDraws > 0) {
            ShareObserver observer(totalDraws);
            hits_ = analyseForAnswer(system_, request, &observer);
        }
        val result = val::object();
        result.set("hitTable", hitTableColumns(hits_));
        result.set("guarantees", stringArray(guaranteeLines(hits_)));
        return result;
    }

    // The report file of the last analysis: its bytes and the name the desktop proposes
    // ("07_0002.txt"); nothing when there is no analysis to save.
    val report(bool html) const {
        const AnswerRequest request{.kind = html ? AnswerKind::HtmlReport : AnswerKind::TextReport,
                                    .playedNumbers = played_};
        const Answer answer = giveAnswer(system_, hits_, request);
        val result = val::object();
        if (answer.outcome != Answer::Outcome::Given) {
            result.set("problem", answer.problem);
            return result;
        }
        const std::string bytes = answerBytes(answer);
        result.set("bytes",
                   val::global("Uint8Array")
                       .new_(emscripten::typed_memory_view(
                           bytes.size(), reinterpret_cast<const std::uint8_t*>(bytes.data()))));
        result.set("name", proposedReportName("", system_.highestNumber(), system_.rowCount(),
                                              html ? ".html" : ".txt"));
        return result;
    }

    val coverage() const { return ask({.kind = AnswerKind::Coverage}, "system"); }
    val odds() const { return ask({.kind = AnswerKind::Odds}, "system"); }

    // The text and, for the chart, the counts: in how many rows each system number stands.
    val frequency() const {
        val result = ask({.kind = AnswerKind::Frequency}, "system");
        result.set("rowsHolding", typedArray("Int32Array", rowsHoldingEachNumber(system_)));
        result.set("numbers", typedArray("Int32Array", shownNumbers()));
        return result;
    }

    val mappedSystem(const std::string& ownNumbers) const {
        NumberList own = parseOwnNumbers(ownNumbers, NumberWording::Plain);
        if (!own.problem.empty()) return numberProblem(std::move(own.problem), "own");
        val result = ask({.kind = AnswerKind::MappedSystem,
                          .ownNumbers = std::move(own.numbers),
                          .wording = NumberWording::Plain},
                         "own");
        return result;
    }

    // Against the system itself when `ownNumbers` is empty. The own numbers are read before
    // the draw and counted after it, as "lorvex-report --map X --check Y" does.
    val drawCheck(const std::string& ownNumbers, const std::string& drawText) const {
        NumberList own;
        if (!ownNumbers.empty()) {
            own = parseOwnNumbers(ownNumbers, NumberWording::Plain);
            if (!own.problem.empty()) return numberProblem(std::move(own.problem), "own");
        }
        const DrawNumbers draw = parseDrawNumbers(drawText, NumberWording::Plain);
        if (!draw.problem.empty()) return numberProblem(draw.problem, "draw");
        return ask({.kind = AnswerKind::DrawCheck,
                    .ownNumbers = std::move(own.numbers),
                    .drawNumbers = draw.numbers,
                    .wording = NumberWording::Plain},
                   "own");
    }

    // A list of past draws (the bytes of a chosen file or of pasted text) played with the
    // ticket's Superzahl (empty: none): the text and the CSV lorvex-report --draws writes, and
    // what the reader passed over.
    val pastDraws(const val& bytes, const std::string& superzahl) const {
        AnswerRequest request{.kind = AnswerKind::PastDraws};
        if (!superzahl.empty()) {
            request.superzahl = parseSuperzahl(superzahl);
            if (!request.superzahl)
                return numberProblem(std::string(SUPERZAHL_EXPECTED), "superzahl");
        }
        const auto size = bytes["length"].as<std::size_t>();
        if (size > MAX_FILE_BYTES) return numberProblem(SystemErrorText(EFBIG), "draws");
        request.pastDraws.resize(size);
        val(emscripten::typed_memory_view(size, request.pastDraws.data())).call<void>("set", bytes);
        request.playedNumbers = played_;
        const Answer text = giveAnswer(system_, hits_, request);
        if (text.outcome != Answer::Outcome::Given) {
            val result = numberProblem(text.problem, "draws");
            result.set("notice", text.notice);
            return result;
        }
        request.pastDrawsCsv = true;
        val result = questionAnswer(text, "draws");
        // As bytes: a string would lose the CSV's byte-order mark on its way into the page.
        const std::string csv = answerBytes(giveAnswer(system_, hits_, request));
        result.set("csv",
                   val(emscripten::typed_memory_view(csv.size(), csv.data())).call<val>("slice"));
        result.set("notice", text.notice);
        return result;
    }

    // The fields of "System bauen" by name; the German problem and the field it is about, or
    // the built system.
    static val buildSystem(const val& fields) {
        BuildInput input = readBuildFields(buildFields(fields));
        if (!input.problem.empty()) return fieldProblem(input.problem, input.field);
        return runJob(std::move(input));
    }

    // The best system a cancelled build had reached (`text`, on the numbers of the fields):
    // proven and summed up as "Bauen" would have.
    static val proveSystem(const val& fields, const std::string& text) {
        BuildInput input = readBuildFields(buildFields(fields));
        if (!input.problem.empty()) return fieldProblem(input.problem, input.field);
        SystemTable table;
        if (readSystemText(text, table).outcome != LoadOutcome::Loaded)
            return fieldProblem(std::string(NO_ANALYSIS_TO_SAVE), "request");
        input.job.mode = builder::JobMode::Prove;
        if (auto problem = builder::playerRowsOnSystemNumbers(table.rows(), input.job.playedNumbers,
                                                              input.job.playerRows))
            return fieldProblem(*problem, "request");
        return runJob(std::move(input));
    }

    // "Lücken schließen" (`plug`) or "Kürzen" for the loaded system, on the numbers it plays,
    // with the fields' guarantee, key numbers, limit and time.
    val mendSystem(const val& fields, bool plug) const {
        BuildInput input = readBuildFields(buildFields(fields), system_.highestNumber(), played_);
        if (!input.problem.empty()) return fieldProblem(input.problem, input.field);
        input.job.mode = plug ? builder::JobMode::Plug : builder::JobMode::Trim;
        builder::playerRowsOnSystemNumbers(system_.rows(), {}, input.job.playerRows);
        if (plug && input.job.playerRows.size() > input.job.rowsAtMost) {
            return fieldProblem(rowsAboveLimitText(std::int64_t(input.job.playerRows.size()),
                                                   std::int64_t(input.job.rowsAtMost)),
                                "rows");
        }
        return runJob(std::move(input));
    }

    // Plays the loaded system on `numbers`: "used" for the numbers that occur in it, "" for
    // 1 up to its highest number, or the numbers themselves. The load's answer, as played.
    val playOn(const std::string& numbers) {
        std::vector<int> played;
        if (numbers == "used") {
            played = numbersInRows(loaded_.rows());
        } else if (!numbers.empty()) {
            NumberList list = parseOwnNumbers(numbers, NumberWording::Plain);
            if (!list.problem.empty()) return numberProblem(std::move(list.problem), "own");
            played = std::move(list.numbers);
        }
        SystemTable placed;
        if (!played.empty()) {
            std::string problem = placeOnPlayedNumbers(loaded_.rows(), played, placed);
            if (!problem.empty()) return numberProblem(std::move(problem), "own");
        } else {
            placed = loaded_;
        }
        system_ = std::move(placed);
        played_ = std::move(played);
        hits_.clear();
        return loaded({LoadOutcome::Loaded, 0, 0});
    }

    // The catalogue's texts the page shows, by name, and the largest file it takes.
    static val messages() {
        val texts = val::object();
        for (const PageMessage& message : pageMessages())
            texts.set(std::string(message.name), message.text);
        val result = val::object();
        result.set("texts", texts);
        result.set("maxFileBytes", static_cast<double>(MAX_FILE_BYTES));
        return result;
    }

private:
    // `read` fills a fresh table, as the desktop's loads do (core/system/system_loader.h).
    template <class Read>
    val load(Read read) {
        SystemTable fresh;
        const SystemLoad load = read(fresh);
        // As on the desktop, a text without a row and an overflow leave the loaded system.
        if (load.outcome == LoadOutcome::Loaded) {
            loaded_ = std::move(fresh);
            system_ = loaded_;
            played_.clear();
            hits_.clear();
        }
        return loaded(load);
    }

    val loaded(const SystemLoad& load) const {
        val result = val::object();
        result.set("outcome", std::string(loadOutcomeName(load.outcome)));
        if (load.outcome != LoadOutcome::Loaded) return result;
        std::vector<std::int32_t> numbers;
        numbers.reserve(system_.rows().size() * NUMBERS_PER_ROW);
        for (const SystemRow& row : system_.rows()) {
            const SystemRow shown = playedRow(row, played_);
            numbers.insert(numbers.end(), shown.begin(), shown.end());
        }
        result.set("rowCount", system_.rowCount());
        result.set("highestNumber", system_.highestNumber());
        result.set("rows", typedArray("Int32Array", numbers));
        result.set("playedText", played_.empty() ? "" : playedNumbersText(played_));
        result.set("loadedHighest", loaded_.highestNumber());
        result.set("usedCount", static_cast<double>(numbersInRows(loaded_.rows()).size()));
        result.set("skipped", load.skippedLines > 0 ? skippedLinesText(load.skippedLines) : "");
        return result;
    }

    val ask(AnswerRequest request, std::string_view problemAbout) const {
        request.playedNumbers = played_;
        return questionAnswer(giveAnswer(system_, hits_, request), problemAbout);
    }

    // The numbers as the page shows them: the played ones, or 1..V.
    std::vector<std::int32_t> shownNumbers() const {
        std::vector<std::int32_t> numbers(played_.begin(), played_.end());
        for (int n = 1; played_.empty() && n <= system_.highestNumber(); ++n) numbers.push_back(n);
        return numbers;
    }

    SystemTable loaded_;       // as the file or text holds it
    SystemTable system_;       // on the system numbers 1..V
    std::vector<int> played_;  // system number i is played as played_[i - 1]; empty: as loaded
    HitTable hits_;
};

}  // namespace lorvex

EMSCRIPTEN_BINDINGS(lorvex) {
    using lorvex::WebSession;
    emscripten::class_<WebSession>("WebSession")
        .constructor<>()
        .function("loadFile", &WebSession::loadFile)
        .function("loadText", &WebSession::loadText)
        .function("analyse", &WebSession::analyse)
        .function("report", &WebSession::report)
        .function("coverage", &WebSession::coverage)
        .function("odds", &WebSession::odds)
        .function("frequency", &WebSession::frequency)
        .function("mappedSystem", &WebSession::mappedSystem)
        .function("drawCheck", &WebSession::drawCheck)
        .function("pastDraws", &WebSession::pastDraws)
        .function("mendSystem", &WebSession::mendSystem)
        .function("playOn", &WebSession::playOn)
        .class_function("buildSystem", &WebSession::buildSystem)
        .class_function("proveSystem", &WebSession::proveSystem)
        .class_function("messages", &WebSession::messages);
}
