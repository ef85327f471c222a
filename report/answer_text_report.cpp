#include "answers.h"
#include "text_report.h"

namespace lorvex {

// The desktop program's text report.
Answer textReportAnswer(const SystemTable& system, const HitTable& hits, const AnswerRequest&) {
    return reportAnswer(writeTextReport, system, hits);
}

}  // namespace lorvex
