#pragma once

#include <QElapsedTimer>
#include <array>
#include <optional>

#include "ui/qt/main_window.h"
#include "ui/user_interface.h"

namespace lorvex::qt {

// The user-interface operations carried out with Qt Widgets on the main window.
class QtUserInterface : public UserInterface {
public:
    explicit QtUserInterface(MainWindow& window);

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
    std::string ProgramDirectory() const override;
    std::string documentsDirectory() const override;
    std::string homeDirectory() const override;
    bool isWritableDirectory(const std::string& path) const override;

    std::string openFileDialog(std::string_view title, std::string_view filter,
                               const std::string& startDirectory) override;
    std::string saveFileDialog(std::string_view title, std::string_view filter,
                               const std::string& directory, const std::string& name) override;
    std::string clipboardText() override;

    bool isExecutableFile(const std::string& path) const override;
    bool startProgram(const std::string& path) override;
    bool openWithDesktop(const std::string& target) override;

    void exitProgram() override;
    std::string toolkitName() const override;

protected:
    MainWindow& window() { return window_; }

private:
    void showPendingPositions();

    MainWindow& window_;
    QElapsedTimer sinceEventsServiced_;
    // A bar repaints at once when its value changes; during an analysis the values change far
    // more often than anyone can see, so they reach the bars only when events are serviced.
    std::array<std::optional<int>, 3> pendingPositions_;
};

}  // namespace lorvex::qt
