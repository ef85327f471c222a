#include "answers.h"
#include "text_report.h"

namespace lorvex {

// The desktop program's text report.
Answer textReportAnswer(const SystemTable& system, const HitTable& hits,
                        const AnswerRequest& request) {
    return reportAnswer(writeTextReport, system, hits, request);
}

}  // namespace lorvex
