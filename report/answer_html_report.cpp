#include "answers.h"
#include "html_report.h"

namespace lorvex {

// The desktop program's HTML page.
Answer htmlReportAnswer(const SystemTable& system, const HitTable& hits,
                        const AnswerRequest& request) {
    return reportAnswer(writeHtmlReport, system, hits, request);
}

}  // namespace lorvex
