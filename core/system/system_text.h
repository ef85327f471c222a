#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/system/system_row.h"

// How system text becomes lines, and a line becomes a row.
namespace lorvex {

// A sequence of lines, taken one at a time. The views stay valid while the source lives.
class LineSource {
public:
    virtual ~LineSource() = default;
    virtual bool atEnd() const = 0;
    virtual std::string_view nextLine() = 0;
};

// A clipboard text: ends at its first NUL; CR, LF and "|" all end a line. The pieces are cut
// as they are taken, so a text of many megabytes costs no more than its own copy.
class ClipboardLines final : public LineSource {
public:
    explicit ClipboardLines(std::string_view text) : text_(text.substr(0, text.find('\0'))) {}
    bool atEnd() const override { return stage_ == Stage::Done; }
    std::string_view nextLine() override;

private:
    enum class Stage { Text, PieceBeyondTheEnd, Done };

    std::string text_;
    std::size_t pos_ = 0;          // where the next piece with text begins
    std::size_t emptyPieces_ = 0;  // empty pieces still due from the last run of line ends
    Stage stage_ = Stage::Text;
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
// file with a UTF-16 mark is turned into one byte per code unit ("?" above 255). The bytes are
// decoded where they lie: moved in, they are never copied.
std::string decodeSystemFileBytes(std::string bytes);

// The first six fields (separated by runs of blanks, TABs, ",", ";" and "-") as a row when
// each reads as a number from 1 to 49; otherwise nothing.
std::optional<SystemRow> parseSystemLine(std::string_view line);

}  // namespace lorvex
