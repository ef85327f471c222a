#pragma once

#include <string>

namespace lorvex {

// A system error number as a short German reason (ISO 8859-1), for messages to the user.
std::string SystemErrorText(int errorNumber);

}  // namespace lorvex
