#include "answers.h"
#include "core/messages/messages.h"
#include "report_stream.h"
#include "text_report.h"

namespace lorvex {

// The desktop program's text report; like the desktop, nothing to save without an analysis.
Answer textReportAnswer(const SystemTable& system, const HitTable& hits, const AnswerRequest&) {
    if (hits.rowCount() == 0)
        return failedAnswer(Answer::Outcome::Failure, std::string(NO_ANALYSIS_TO_SAVE));
    return {Answer::Outcome::Given, {}, [&system, &hits](FileSink& sink) {
                return streamReportBytes(writeTextReport, {system, hits}, sink);
            }};
}

}  // namespace lorvex
