#pragma once

#include <string_view>

#include "ui/user_interface.h"

namespace lorvex {

// Shows a message from the catalogue (core/messages.h, UTF-8) in the ISO 8859-1 the windows
// take.
void showMessage(UserInterface& ui, std::string_view title, std::string_view text);

}  // namespace lorvex
