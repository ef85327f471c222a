#include "answers.h"

#include <algorithm>
#include <iterator>

#include "core/analysis/hit_analysis.h"
#include "core/messages/messages.h"
#include "core/questions/system_mapping.h"
#include "report_stream.h"

namespace lorvex {

namespace {

const AnswerEntry& entry(AnswerKind kind) {
    return *std::find_if(std::begin(ANSWERS), std::end(ANSWERS),
                         [kind](const AnswerEntry& answer) { return answer.kind == kind; });
}

}  // namespace

AnswerFamily answerFamily(AnswerKind kind) {
    return entry(kind).family;
}

bool readsHitTable(AnswerKind kind) {
    return entry(kind).readsHitTable;
}

std::vector<int> requestedBlocks(const AnswerRequest& request) {
    if (request.onlyBlock) return {*request.onlyBlock};
    return {std::begin(ALL_BLOCK_SIZES), std::end(ALL_BLOCK_SIZES)};
}

HitTable analyseForAnswer(const SystemTable& system, const AnswerRequest& request,
                          ProgressObserver* observer) {
    HitTable hits;
    if (!readsHitTable(request.kind)) return hits;
    HitAnalysis analysis(system, hits,
                         request.reference ? AnalysisEngine::Reference : AnalysisEngine::Fast);
    for (const int k : requestedBlocks(request)) analysis.run(k, observer);
    return hits;
}

Answer giveAnswer(const SystemTable& system, const HitTable& hits, const AnswerRequest& request) {
    return entry(request.kind).give(system, hits, request);
}

std::string answerBytes(const Answer& answer) {
    StringSink bytes;
    if (answer.bytes) answer.bytes(bytes);
    return bytes.bytes();
}

Answer textAnswer(std::string text) {
    return {Answer::Outcome::Given, {}, [text = std::move(text)](FileSink& sink) {
                return sink.write(text);
            }};
}

Answer failedAnswer(Answer::Outcome outcome, std::string problem) {
    return {outcome, std::move(problem), {}};
}

Answer reportAnswer(ReportWriter writer, const SystemTable& system, const HitTable& hits,
                    const AnswerRequest& request) {
    if (hits.rowCount() == 0)
        return failedAnswer(Answer::Outcome::Failure, std::string(NO_ANALYSIS_TO_SAVE));
    return {Answer::Outcome::Given,
            {},
            [writer, &system, &hits, played = request.playedNumbers](FileSink& sink) {
                return streamReportBytes(writer, {system, hits, played}, sink);
            }};
}

PlayedRows playedRows(const SystemTable& system, const AnswerRequest& request) {
    if (request.ownNumbers.empty()) {
        if (request.playedNumbers.empty())
            return {{system.rows().begin(), system.rows().end()}, {}};
        return {mapSystemRows(system, request.playedNumbers), {}};
    }
    std::string problem =
        ownNumbersCountProblem(request.ownNumbers.size(), system.highestNumber(), request.wording);
    if (!problem.empty()) return {{}, std::move(problem)};
    return {mapSystemRows(system, request.ownNumbers), {}};
}

}  // namespace lorvex
