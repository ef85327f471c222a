#include "answers.h"
#include "core/messages/messages.h"
#include "html_report.h"
#include "report_stream.h"

namespace lorvex {

// The desktop program's HTML page; like the desktop, nothing to save without an analysis.
Answer htmlReportAnswer(const SystemTable& system, const HitTable& hits, const AnswerRequest&) {
    if (hits.rowCount() == 0)
        return failedAnswer(Answer::Outcome::Failure, std::string(NO_ANALYSIS_TO_SAVE));
    return {Answer::Outcome::Given, {}, [&system, &hits](FileSink& sink) {
                return streamReportBytes(writeHtmlReport, {system, hits}, sink);
            }};
}

}  // namespace lorvex
