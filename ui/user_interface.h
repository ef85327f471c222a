#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "core/analysis/hit_table.h"
#include "ui/object_numbers.h"

namespace lorvex {

enum class ListId { SystemList = SYSTEM_LIST, HitList = HIT_LIST };

// Top shows the third drawn number, middle the second, bottom the first.
enum class ProgressBarId {
    Top = PROGRESS_BAR_TOP,
    Middle = PROGRESS_BAR_MIDDLE,
    Bottom = PROGRESS_BAR_BOTTOM
};

enum class StatusField { Rows = 0, Numbers = 1 };

inline constexpr int LIST_COLUMNS = 7;

// One list row: a text per column (UTF-8), and whether it is drawn light grey.
struct ListRow {
    std::array<std::string, LIST_COLUMNS> texts;
    bool grey = false;

    bool operator==(const ListRow&) const = default;
};

// Everything the commands need from the windows and the platform. Texts shown to the user are
// UTF-8; file paths are the file system's own bytes (UTF-8), and an empty path means the user
// cancelled.
class UserInterface {
public:
    virtual ~UserInterface() = default;

    virtual void removeAllRows(ListId list) = 0;
    virtual void appendRows(ListId list, std::span<const ListRow> rows) = 0;
    // Hit-table rows for the hit list, which makes their texts only when it shows them.
    virtual void appendHitRows(std::span<const HitRow> rows) = 0;
    virtual void setProgressMaximum(ProgressBarId bar, int maximum) = 0;
    virtual void setProgressPosition(ProgressBarId bar, int position) = 0;
    virtual void setStatusText(StatusField field, std::string_view text) = 0;
    // While disabled, the main window with its menu, toolbar and lists takes no input.
    virtual void setMainWindowEnabled(bool enabled) = 0;
    virtual void showWaitWindow() = 0;
    virtual void hideWaitWindow() = 0;

    // A modal box with the information icon and one OK button; lines separated by "\n".
    virtual void ShowMessageBox(std::string_view title, std::string_view text) = 0;
    // Keeps the windows painted during a long command. Whatever input arrives meanwhile
    // starts no command.
    virtual void PollEvent() = 0;
    // The folder of the program's own file, ending with a path separator.
    virtual std::string ProgramDirectory() const = 0;
    // The user's documents folder (XDG) and home folder, without a final separator.
    virtual std::string documentsDirectory() const = 0;
    virtual std::string homeDirectory() const = 0;
    virtual bool isWritableDirectory(const std::string& path) const = 0;

    // `filter` lists caption and pattern pairs separated by "|", the first pair preselected.
    virtual std::string openFileDialog(std::string_view title, std::string_view filter,
                                       const std::string& startDirectory) = 0;
    // Neither asks before replacing a file nor appends an extension.
    virtual std::string saveFileDialog(std::string_view title, std::string_view filter,
                                       const std::string& directory, const std::string& name) = 0;
    // UTF-8; empty when the clipboard holds no text.
    virtual std::string clipboardText() = 0;

    virtual bool isExecutableFile(const std::string& path) const = 0;
    // Starts the program without a shell and without waiting; false if it did not start.
    virtual bool startProgram(const std::string& path) = 0;
    // Hands a web address or a file to the desktop's default handler; false when no handler
    // could be started, or when it gave up at once (an opener that ends with an error).
    virtual bool openWithDesktop(const std::string& target) = 0;

    // Ends the program with exit status 0 once the running command returns.
    virtual void exitProgram() = 0;
    // The toolkit and its version, as the about box names it.
    virtual std::string toolkitName() const = 0;
};

}  // namespace lorvex
