#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/analysis/hit_table.h"
#include "core/analysis/progress_observer.h"
#include "core/questions/number_list.h"
#include "core/system/system_table.h"
#include "filewrite/file_sink.h"
#include "report_content.h"

// Every answer the programs give about a loaded system. Each is one function (in the file
// answer_NAME.cpp) that computes and formats it; lorvex-report and the web page ask for an
// answer with an AnswerRequest and only show or write what comes back. To add an answer: its
// AnswerKind, declaration and line in ANSWERS below, its file (listed in CMakeLists.txt) and,
// for lorvex-report, its line in the option table of cli/cli_options.cpp.
namespace lorvex {

enum class AnswerKind {
    TextReport,
    HtmlReport,
    Csv,
    Guarantee,
    Holes,
    Coverage,
    Odds,
    Frequency,
    MappedSystem,
    DrawCheck,
    PastDraws,
};

// The reports of the hit table; the draws with the worst outcome; the questions after the hit
// table.
enum class AnswerFamily { HitTable, Holes, Question };

struct AnswerRequest {
    AnswerKind kind = AnswerKind::TextReport;
    std::optional<int> onlyBlock = std::nullopt;  // 6, 5, 4 or 3; all four when absent
    int holesBlock = 0;                           // the block whose worst draws are listed
    std::int64_t holesLimit = 100;                // 0 lists them all
    bool reference = false;                       // the plain enumeration, for cross-checks
    std::vector<int> ownNumbers = {};  // system number i becomes ownNumbers[i - 1]; none: as is
    // The numbers the system plays (core/system/played_numbers.h): every number shown goes
    // back to them; none: the system numbers as they are.
    std::vector<int> playedNumbers = {};
    std::array<int, 6> drawNumbers{};                // the six drawn numbers of a draw check
    std::string pastDraws = {};                      // the bytes of a list of past draws
    std::optional<int> superzahl = std::nullopt;     // the ticket's, 0..9
    bool pastDrawsCsv = false;                       // the past draws' wins as CSV
    NumberWording wording = NumberWording::Options;  // how problems with the numbers are said
};

struct Answer {
    enum class Outcome { Given, Failure, UsageError } outcome = Outcome::Given;
    std::string problem;      // for a failure or usage error the German reason (UTF-8)
    FileProducer bytes;       // the answer's bytes, handed on as they are made
    std::string notice = {};  // what the reader passed over (skipped lines), said beside it
};

AnswerFamily answerFamily(AnswerKind kind);

// Whether the answer reads the hit table of an analysis of the requested blocks.
bool readsHitTable(AnswerKind kind);

// The blocks the request covers: its one block, or 6, 5, 4 and 3.
std::vector<int> requestedBlocks(const AnswerRequest& request);

// The analysis the answer reads: the requested blocks with the requested engine, or an empty
// table for an answer that reads none.
HitTable analyseForAnswer(const SystemTable& system, const AnswerRequest& request,
                          ProgressObserver* observer = nullptr);

// The answer to `request` on `system`; `hits` is analyseForAnswer's table. The bytes read both,
// which must outlive them.
Answer giveAnswer(const SystemTable& system, const HitTable& hits, const AnswerRequest& request);

// An answer's bytes in one piece.
std::string answerBytes(const Answer& answer);

// The answers, one per file.
Answer textReportAnswer(const SystemTable& system, const HitTable& hits, const AnswerRequest&);
Answer htmlReportAnswer(const SystemTable& system, const HitTable& hits, const AnswerRequest&);
Answer csvAnswer(const SystemTable& system, const HitTable& hits, const AnswerRequest&);
Answer guaranteeAnswer(const SystemTable& system, const HitTable& hits, const AnswerRequest&);
Answer holesAnswer(const SystemTable& system, const HitTable& hits, const AnswerRequest&);
Answer coverageAnswer(const SystemTable& system, const HitTable& hits, const AnswerRequest&);
Answer oddsAnswer(const SystemTable& system, const HitTable& hits, const AnswerRequest&);
Answer frequencyAnswer(const SystemTable& system, const HitTable& hits, const AnswerRequest&);
Answer mappedSystemAnswer(const SystemTable& system, const HitTable& hits, const AnswerRequest&);
Answer drawCheckAnswer(const SystemTable& system, const HitTable& hits, const AnswerRequest&);
Answer pastDrawsAnswer(const SystemTable& system, const HitTable& hits, const AnswerRequest&);

using AnswerFunction = Answer (*)(const SystemTable&, const HitTable&, const AnswerRequest&);

struct AnswerEntry {
    AnswerKind kind;
    AnswerFunction give;
    AnswerFamily family;
    bool readsHitTable;
};

// The table of answers.
inline constexpr AnswerEntry ANSWERS[] = {
    {AnswerKind::TextReport, textReportAnswer, AnswerFamily::HitTable, true},
    {AnswerKind::HtmlReport, htmlReportAnswer, AnswerFamily::HitTable, true},
    {AnswerKind::Csv, csvAnswer, AnswerFamily::HitTable, true},
    {AnswerKind::Guarantee, guaranteeAnswer, AnswerFamily::HitTable, true},
    {AnswerKind::Holes, holesAnswer, AnswerFamily::Holes, false},
    {AnswerKind::Coverage, coverageAnswer, AnswerFamily::Question, false},
    {AnswerKind::Odds, oddsAnswer, AnswerFamily::Question, false},
    {AnswerKind::Frequency, frequencyAnswer, AnswerFamily::Question, false},
    {AnswerKind::MappedSystem, mappedSystemAnswer, AnswerFamily::Question, false},
    {AnswerKind::DrawCheck, drawCheckAnswer, AnswerFamily::Question, false},
    {AnswerKind::PastDraws, pastDrawsAnswer, AnswerFamily::Question, false},
};

// Helpers for the answer files.
Answer textAnswer(std::string text);
Answer failedAnswer(Answer::Outcome outcome, std::string problem);
// The report `writer` makes of the analysis; like the desktop, nothing to save without one.
Answer reportAnswer(ReportWriter writer, const SystemTable& system, const HitTable& hits,
                    const AnswerRequest& request);

// The rows as played: on the own numbers when the request names them, else on the played
// numbers; or the
// usage problem that the own numbers do not fit the system.
struct PlayedRows {
    std::vector<SystemRow> rows;
    std::string problem;
};
PlayedRows playedRows(const SystemTable& system, const AnswerRequest& request);

}  // namespace lorvex
