#include "ui/show_message.h"

#include "core/conversions.h"

namespace lorvex {

void showMessage(UserInterface& ui, std::string_view title, std::string_view text) {
    ui.ShowMessageBox(Utf8ToLatin1(title), Utf8ToLatin1(text));
}

}  // namespace lorvex
