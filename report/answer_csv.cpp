#include "answers.h"
#include "hit_table_csv.h"

namespace lorvex {

Answer csvAnswer(const SystemTable&, const HitTable& hits, const AnswerRequest&) {
    return textAnswer(hitTableCsv(hits));
}

}  // namespace lorvex
