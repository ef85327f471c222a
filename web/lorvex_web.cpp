// The web page's engine: the desktop program's load, analysis and reports behind a few C
// functions that the worker script (web/lorvex_worker.js) calls. Data flow: bytes or pasted text
// -> readSystemBytes / readSystemText (the desktop's loader) -> SystemTable -> HitAnalysis ->
// HitTable -> cell texts for the page, or writeTextReport / writeHtmlReport -> reportBytes for a
// download. The questions after the hit table take the SystemTable to the core's counts and the
// texts of report/player_answers.h, the same lines lorvex-report writes.
//
// Texts for the page leave as UTF-8, report files as their ISO 8859-1 bytes. Every function that
// hands out text puts it into the session's output buffer, which the caller copies at once.

#include <emscripten/emscripten.h>

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/conversions.h"
#include "core/coverage.h"
#include "core/draw_check.h"
#include "core/draw_odds.h"
#include "core/hit_analysis.h"
#include "core/hit_table.h"
#include "core/messages.h"
#include "core/number_frequency.h"
#include "core/number_list.h"
#include "core/progress_observer.h"
#include "core/system_loader.h"
#include "core/system_mapping.h"
#include "core/system_table.h"
#include "core/system_text.h"
#include "report/guarantee.h"
#include "report/html_report.h"
#include "report/player_answers.h"
#include "report/report_content.h"
#include "report/report_stream.h"
#include "report/text_report.h"

// Tells the worker how far the analysis has come, as a share from 0 to 1.
EM_JS(void, lorvex_progress, (double share), {
    if (Module.onAnalysisProgress) Module.onAnalysisProgress(share);
});

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

std::int64_t drawCount(int numbers, int blockSize) {
    std::int64_t count = 1;
    for (int i = 0; i < blockSize; ++i) count = count * (numbers - i) / (i + 1);
    return count;
}

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

}  // namespace

// What one page holds: the loaded system and the hit table of the last analysis.
class WebSession {
public:
    // `read` fills a fresh table, as the desktop's loads do (core/system_loader.h).
    template <class Read>
    LoadOutcome load(Read read) {
        SystemTable fresh;
        const LoadOutcome outcome = read(fresh).outcome;
        // As on the desktop, a text without a row and an overflow leave the loaded system.
        if (outcome != LoadOutcome::Loaded) return outcome;
        system_ = std::move(fresh);
        hits_.clear();
        return outcome;
    }

    // `blocks` holds block sizes as digits, such as "6543" for "Komplett".
    void analyse(std::string_view blocks) {
        hits_.clear();
        std::int64_t totalDraws = 0;
        for (const char block : blocks)
            totalDraws += drawCount(system_.highestNumber(), block - '0');
        if (system_.rowCount() == 0 || totalDraws == 0) return;
        ShareObserver observer(totalDraws);
        HitAnalysis analysis(system_, hits_);
        for (const char block : blocks) analysis.run(block - '0', &observer);
    }

    const SystemTable& system() const { return system_; }
    const HitTable& hits() const { return hits_; }

    const std::string& setOutput(std::string text) {
        output_ = std::move(text);
        return output_;
    }
    const std::string& output() const { return output_; }

private:
    SystemTable system_;
    HitTable hits_;
    std::string output_;
};

namespace {

// The hit table for the page: one line per row, the seven cells separated by TABs, and a "*"
// in front of the first row of each block.
std::string hitTableText(const HitTable& hits) {
    std::string text;
    for (const HitRow& row : hits.rows()) {
        if (row.firstOfBlock) text += '*';
        for (int column = 0; column < HIT_COLUMNS; ++column) {
            if (column > 0) text += '\t';
            text += hitCellText(row, static_cast<HitColumn>(column));
        }
        text += '\n';
    }
    return latin1ToUtf8(text);
}

// A player's question answered, or the German reason why not, as lorvex-report gives it.
struct Answer {
    enum class Problem { None, NoAnswer, OwnNumbers, Draw } problem = Problem::None;
    std::string text;  // UTF-8 with LF line ends
};

Answer coverageAnswer(const SystemTable& system) {
    std::vector<BlockCoverage> covered;
    for (int k = 6; k >= 3; --k) {
        if (auto block = computeCoverage(system, k)) covered.push_back(*block);
    }
    if (covered.empty())
        return {Answer::Problem::NoAnswer, noCoverageText(3, system.highestNumber())};
    return {Answer::Problem::None, coverageText(covered)};
}

// The rows played on the own numbers, or why they cannot be.
struct PlayedRows {
    std::vector<SystemRow> rows;
    std::string problem;
};

PlayedRows playOwnNumbers(const SystemTable& system, std::span<const int> ownNumbers) {
    std::string problem = ownNumbersCountProblem(ownNumbers.size(), system.highestNumber());
    if (!problem.empty()) return {{}, std::move(problem)};
    return {mapSystemRows(system, ownNumbers), {}};
}

Answer mappedSystemAnswer(const SystemTable& system, std::string_view ownNumbers) {
    NumberList own = parseOwnNumbers(ownNumbers);
    if (!own.problem.empty()) return {Answer::Problem::OwnNumbers, std::move(own.problem)};
    PlayedRows played = playOwnNumbers(system, own.numbers);
    if (!played.problem.empty()) return {Answer::Problem::OwnNumbers, std::move(played.problem)};
    return {Answer::Problem::None, systemRowsText(played.rows)};
}

// Against the system itself when `ownNumbers` is empty. The own numbers are read before the
// draw and counted after it, as "lorvex-report --map X --check Y" does.
Answer drawCheckAnswer(const SystemTable& system, std::string_view ownNumbers,
                       std::string_view drawText) {
    NumberList own;
    if (!ownNumbers.empty()) {
        own = parseOwnNumbers(ownNumbers);
        if (!own.problem.empty()) return {Answer::Problem::OwnNumbers, std::move(own.problem)};
    }
    const DrawNumbers draw = parseDrawNumbers(drawText);
    if (!draw.problem.empty()) return {Answer::Problem::Draw, draw.problem};
    PlayedRows played{{system.rows().begin(), system.rows().end()}, {}};
    if (!ownNumbers.empty()) played = playOwnNumbers(system, own.numbers);
    if (!played.problem.empty()) return {Answer::Problem::OwnNumbers, std::move(played.problem)};
    return {Answer::Problem::None,
            drawCheckText(played.rows, checkDraw(played.rows, draw.numbers))};
}

}  // namespace

}  // namespace lorvex

using lorvex::WebSession;

extern "C" {

WebSession* lorvex_session_create() {
    return std::make_unique<WebSession>().release();
}

void lorvex_session_destroy(WebSession* session) {
    std::unique_ptr<WebSession> owned(session);
}

// 0 loaded, 1 no valid row (nothing changed), 2 overflow (nothing changed).
int lorvex_load_file(WebSession* session, const char* bytes, std::size_t size) {
    return static_cast<int>(session->load([&](lorvex::SystemTable& table) {
        return lorvex::readSystemBytes(std::string(bytes, size), table);
    }));
}

// `latin1` is the pasted text already narrowed to one byte per character, as the desktop's
// clipboard hands it over.
int lorvex_load_text(WebSession* session, const char* latin1, std::size_t size) {
    return static_cast<int>(session->load([&](lorvex::SystemTable& table) {
        return lorvex::readSystemText(std::string_view(latin1, size), table);
    }));
}

int lorvex_row_count(const WebSession* session) {
    return session->system().rowCount();
}

int lorvex_highest_number(const WebSession* session) {
    return session->system().highestNumber();
}

// rowCount times six numbers, row after row, in the table's order.
const std::int32_t* lorvex_rows(const WebSession* session) {
    return session->system().rows().empty() ? nullptr : session->system().rows().front().data();
}

void lorvex_analyse(WebSession* session, const char* blocks) {
    session->analyse(blocks);
}

int lorvex_hit_row_count(const WebSession* session) {
    return session->hits().rowCount();
}

const char* lorvex_hit_table_text(WebSession* session) {
    return session->setOutput(lorvex::hitTableText(session->hits())).c_str();
}

// One line per block, ended by LF.
const char* lorvex_guarantee_text(WebSession* session) {
    std::string text;
    for (const std::string& line : lorvex::guaranteeLines(session->hits())) text += line + '\n';
    return session->setOutput(lorvex::latin1ToUtf8(text)).c_str();
}

// The report file's bytes in the output buffer; its size is lorvex_output_size. Nothing when
// there is no analysis to save.
const char* lorvex_report(WebSession* session, int html) {
    if (session->hits().rowCount() == 0) return session->setOutput({}).c_str();
    const lorvex::ReportData data{session->system(), session->hits()};
    return session
        ->setOutput(
            lorvex::reportBytes(html ? lorvex::writeHtmlReport : lorvex::writeTextReport, data))
        .data();
}

// The name the desktop proposes, without a folder: "07_0002.txt".
const char* lorvex_report_name(WebSession* session, int html) {
    const auto& system = session->system();
    return session
        ->setOutput(lorvex::proposedReportName("", system.highestNumber(), system.rowCount(),
                                               html ? ".html" : ".txt"))
        .c_str();
}

// The questions after the hit table. Each puts its text (UTF-8) into the output buffer. Those
// that return a number return 0 for an answer, else the German reason is in the buffer and the
// number tells what it is about: 1 no answer at all, 2 the own numbers, 3 the draw.

int lorvex_coverage(WebSession* session) {
    lorvex::Answer answer = lorvex::coverageAnswer(session->system());
    session->setOutput(std::move(answer.text));
    return static_cast<int>(answer.problem);
}

const char* lorvex_odds(WebSession* session) {
    return session->setOutput(lorvex::drawOddsText(lorvex::computeDrawOdds(session->system())))
        .c_str();
}

const char* lorvex_frequency(WebSession* session) {
    return session
        ->setOutput(lorvex::numberFrequencyText(lorvex::rowsHoldingEachNumber(session->system())))
        .c_str();
}

// The system played on the own numbers, as system text.
int lorvex_mapped_system(WebSession* session, const char* ownNumbers, std::size_t ownSize) {
    lorvex::Answer answer = lorvex::mappedSystemAnswer(session->system(), {ownNumbers, ownSize});
    session->setOutput(std::move(answer.text));
    return static_cast<int>(answer.problem);
}

// The draw against the system, or against the system on the own numbers when ownSize > 0.
int lorvex_draw_check(WebSession* session, const char* ownNumbers, std::size_t ownSize,
                      const char* draw, std::size_t drawSize) {
    lorvex::Answer answer =
        lorvex::drawCheckAnswer(session->system(), {ownNumbers, ownSize}, {draw, drawSize});
    session->setOutput(std::move(answer.text));
    return static_cast<int>(answer.problem);
}

// The catalogue's messages the page shows, one "name<TAB>text" line each (UTF-8).
const char* lorvex_messages(WebSession* session) {
    const std::string lines = "overflowTitle\t" + std::string(lorvex::OVERFLOW_TITLE) + "\n" +
                              "overflow\t" + lorvex::overflowText() + "\n" + "saveTitle\t" +
                              std::string(lorvex::SAVE_TITLE) + "\n" + "nothingToSave\t" +
                              std::string(lorvex::NO_ANALYSIS_TO_SAVE) + "\n" + "openTitle\t" +
                              std::string(lorvex::OPEN_TITLE) + "\n" + "cannotOpen\t" +
                              std::string(lorvex::CANNOT_OPEN) + "\n";
    return session->setOutput(lines).c_str();
}

const char* lorvex_output(const WebSession* session) {
    return session->output().c_str();
}

std::size_t lorvex_output_size(const WebSession* session) {
    return session->output().size();
}

}  // extern "C"
