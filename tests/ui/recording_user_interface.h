#pragma once

#include <array>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "ui/user_interface.h"

namespace lorvex::testing {

// A user interface without windows: it keeps what the windows would show, logs every call
// in order, and answers dialogs and platform questions as the test arranged.
class RecordingUserInterface final : public UserInterface {
public:
    struct Message {
        std::string title;
        std::string text;
    };
    struct Dialog {
        std::string title;
        std::string filter;
        std::string directory;
        std::string name;
    };

    // What the windows show.
    std::array<std::vector<ListRow>, 2> lists;
    std::array<int, 3> barMaximum{49, 49, 49};  // top, middle, bottom
    std::array<int, 3> barPosition{1, 1, 1};
    std::array<std::string, 2> status{"0 Systemreihen", "0 Systemzahlen"};
    bool mainWindowEnabled = true;
    bool waitWindowShown = false;

    // Every call as a short text, such as "disable", "bar 31 = 4" or "append 27 x2". A run of
    // polls is logged as one "poll"; `polls` counts them all.
    std::vector<std::string> events;
    int polls = 0;
    std::function<void()> onPoll;
    std::vector<Message> messages;

    // Dialog answers (an empty text is a cancel) and what the dialogs were asked.
    std::string openAnswer;
    std::string saveAnswer;
    std::vector<Dialog> openDialogs;
    std::vector<Dialog> saveDialogs;

    std::string clipboard;
    std::string programDirectory = "/opt/lorvex/";
    std::string documents = "/home/anna/Dokumente";
    std::string home = "/home/anna";
    std::set<std::string> readOnlyDirectories;  // every other folder is writable
    bool desktopOpens = true;
    std::set<std::string> executableFiles;
    bool programsStart = true;
    std::vector<std::string> startedPrograms;
    std::vector<std::string> desktopTargets;
    int exitRequests = 0;

    std::vector<ListRow>& list(ListId id) { return lists[id == ListId::SystemList ? 0 : 1]; }
    // The events that came after the first `count` ones.
    std::vector<std::string> eventsAfter(std::size_t count) const;

    void removeAllRows(ListId list) override;
    void appendRows(ListId list, std::span<const ListRow> rows) override;
    void appendHitRows(std::span<const HitRow> rows) override;
    void setProgressMaximum(ProgressBarId bar, int maximum) override;
    void setProgressPosition(ProgressBarId bar, int position) override;
    void setStatusText(StatusField field, std::string_view text) override;
    void setMainWindowEnabled(bool enabled) override;
    void showWaitWindow() override;
    void hideWaitWindow() override;
    void ShowMessageBox(std::string_view title, std::string_view text) override;
    void PollEvent() override;
    std::string ProgramDirectory() const override { return programDirectory; }
    std::string documentsDirectory() const override { return documents; }
    std::string homeDirectory() const override { return home; }
    bool isWritableDirectory(const std::string& path) const override {
        return !readOnlyDirectories.contains(path);
    }
    std::string openFileDialog(std::string_view title, std::string_view filter,
                               const std::string& startDirectory) override;
    std::string saveFileDialog(std::string_view title, std::string_view filter,
                               const std::string& directory, const std::string& name) override;
    std::string clipboardText() override;
    bool isExecutableFile(const std::string& path) const override;
    bool startProgram(const std::string& path) override;
    bool openWithDesktop(const std::string& target) override;
    void exitProgram() override;
    std::string toolkitName() const override { return "Qt 9.8.7"; }

private:
    void log(std::string event);
};

}  // namespace lorvex::testing
