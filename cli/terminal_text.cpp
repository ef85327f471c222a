#include "terminal_text.h"

#include <algorithm>

#include "core/text/conversions.h"

namespace lorvex {

namespace {

std::string latin1ToUtf8(std::string_view latin1) {
    std::string utf8;
    utf8.reserve(latin1.size() + latin1.size() / 8);
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8 += c;
            continue;
        }
        utf8 += static_cast<char>(0xC0 | (byte >> 6));
        utf8 += static_cast<char>(0x80 | (byte & 0x3F));
    }
    return utf8;
}

std::string latin1ToAscii(std::string latin1) {
    std::replace_if(
        latin1.begin(), latin1.end(), [](char c) { return (c & 0x80) != 0; }, '?');
    return latin1;
}

}  // namespace

TextEncoding terminalEncoding(std::string_view codeset) {
    if (codeset == "UTF-8") return TextEncoding::Utf8;
    if (codeset.starts_with("ISO-8859-")) return TextEncoding::Latin1;
    return TextEncoding::Ascii;
}

std::string forTerminal(std::string_view bytes, TextEncoding from, TextEncoding to) {
    if (from == to) return std::string(bytes);
    const std::string latin1 =
        from == TextEncoding::Utf8 ? Utf8ToLatin1(bytes) : std::string(bytes);
    switch (to) {
        case TextEncoding::Utf8:
            return latin1ToUtf8(latin1);
        case TextEncoding::Latin1:
            return latin1;
        case TextEncoding::Ascii:
            return latin1ToAscii(latin1);
    }
    return latin1;
}

}  // namespace lorvex
