#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "system_row.h"

// How system text becomes lines, and a line becomes a row.
namespace lorvex {

// A sequence of lines, taken one at a time. The views stay valid while the source lives.
class LineSource {
public:
    virtual ~LineSource() = default;
    virtual bool atEnd() const = 0;
    virtual std::string_view nextLine() = 0;
};

// A clipboard text: ends at its first NUL; CR, LF and "|" all end a line.
class ClipboardLines final : public LineSource {
public:
    explicit ClipboardLines(std::string_view text);
    bool atEnd() const override { return next_ >= pieces_.size(); }
    std::string_view nextLine() override { return pieces_[next_++]; }
    const std::vector<std::string_view>& pieces() const { return pieces_; }

private:
    std::string text_;
    std::vector<std::string_view> pieces_;
    std::size_t next_ = 0;
};

// The pieces of a clipboard text in order, empty ones included.
std::vector<std::string> splitClipboardText(std::string_view text);

// A file's bytes: LF, CR, CR LF and NUL each end a line; "|" is an ordinary character.
class FileLines final : public LineSource {
public:
    explicit FileLines(std::string_view bytes) : bytes_(bytes) {}
    bool atEnd() const override { return pos_ >= bytes_.size(); }
    std::string_view nextLine() override;  // the reader's readFileLine

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

// A file's raw bytes as the line reader takes them: a UTF-8 byte-order mark is dropped, and a
// file with a UTF-16 mark is turned into one byte per code unit ("?" above 255).
std::string decodeSystemFileBytes(std::string bytes);

// The first six fields (separated by runs of blanks, TABs, ",", ";" and "-") as a row when
// each reads as a number from 1 to 49; otherwise nothing.
std::optional<SystemRow> parseSystemLine(std::string_view line);

}  // namespace lorvex
