#pragma once

#include <string>

namespace lorvex {

// The reason line of the messages that a file cannot be opened or saved (ISO 8859-1): what the
// system reported and, where the user can do something about it, what to do.
std::string openFailureReason(int errorNumber);
std::string saveFailureReason(int errorNumber);

}  // namespace lorvex
