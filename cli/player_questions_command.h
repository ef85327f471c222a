#pragma once

#include <string>

#include "cli_options.h"
#include "core/system_table.h"

namespace lorvex {

// The answer to one of the questions after the hit table, or why there is none.
struct PlayerAnswer {
    enum class Kind { Text, Failure, UsageError } kind = Kind::Text;
    std::string text;  // UTF-8 with LF line ends; for a failure or usage error the German reason
};

// For the options that answersPlayerQuestion accepts, on a loaded system.
PlayerAnswer answerPlayerQuestion(const SystemTable& system, const CliOptions& options);

}  // namespace lorvex
