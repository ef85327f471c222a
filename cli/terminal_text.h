#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lorvex {

// The character sets lorvex-report's bytes come in, and the ones a terminal shows.
enum class TextEncoding { Utf8, Latin1, Ascii };

// The terminal's character set from its locale's codeset name (nl_langinfo(CODESET)).
TextEncoding terminalEncoding(std::string_view codeset);

// Bytes in `from` as a terminal that shows `to` needs them; what it cannot show becomes "?".
std::string forTerminal(std::string_view bytes, TextEncoding from, TextEncoding to);

}  // namespace lorvex
