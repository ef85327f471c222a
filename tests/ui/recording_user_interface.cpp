#include "tests/ui/recording_user_interface.h"

#include "ui/list_rows.h"

namespace lorvex::testing {

namespace {

std::size_t barIndex(ProgressBarId bar) {
    return static_cast<std::size_t>(static_cast<int>(bar) - PROGRESS_BAR_TOP);
}

std::string number(ProgressBarId bar) {
    return std::to_string(static_cast<int>(bar));
}
std::string number(ListId list) {
    return std::to_string(static_cast<int>(list));
}

}  // namespace

std::vector<std::string> RecordingUserInterface::eventsAfter(std::size_t count) const {
    if (count >= events.size()) return {};
    return {events.begin() + static_cast<std::ptrdiff_t>(count), events.end()};
}

void RecordingUserInterface::log(std::string event) {
    events.push_back(std::move(event));
}

void RecordingUserInterface::removeAllRows(ListId id) {
    list(id).clear();
    log("clear " + number(id));
}

void RecordingUserInterface::appendRows(ListId id, std::span<const ListRow> rows) {
    list(id).insert(list(id).end(), rows.begin(), rows.end());
    log("append " + number(id) + " x" + std::to_string(rows.size()));
}

void RecordingUserInterface::appendHitRows(std::span<const HitRow> rows) {
    std::vector<ListRow> shown;
    for (const HitRow& row : rows) shown.push_back(hitListRow(row));
    appendRows(ListId::HitList, shown);
}

void RecordingUserInterface::setProgressMaximum(ProgressBarId bar, int maximum) {
    barMaximum[barIndex(bar)] = maximum;
    log("bar " + number(bar) + " max " + std::to_string(maximum));
}

void RecordingUserInterface::setProgressPosition(ProgressBarId bar, int position) {
    barPosition[barIndex(bar)] = position;
    log("bar " + number(bar) + " = " + std::to_string(position));
}

void RecordingUserInterface::setStatusText(StatusField field, std::string_view text) {
    status[static_cast<std::size_t>(field)] = text;
    log("status " + std::to_string(static_cast<int>(field)) + " = " + std::string(text));
}

void RecordingUserInterface::setMainWindowEnabled(bool enabled) {
    mainWindowEnabled = enabled;
    log(enabled ? "enable" : "disable");
}

void RecordingUserInterface::showWaitWindow() {
    waitWindowShown = true;
    log("wait shown");
}

void RecordingUserInterface::hideWaitWindow() {
    waitWindowShown = false;
    log("wait hidden");
}

void RecordingUserInterface::ShowMessageBox(std::string_view title, std::string_view text) {
    messages.push_back({std::string(title), std::string(text)});
    log("message " + std::string(title));
}

void RecordingUserInterface::PollEvent() {
    ++polls;
    if (events.empty() || events.back() != "poll") log("poll");
    if (onPoll) onPoll();
}

std::string RecordingUserInterface::openFileDialog(std::string_view title, std::string_view filter,
                                                   const std::string& startDirectory) {
    openDialogs.push_back({std::string(title), std::string(filter), startDirectory, {}});
    log("open dialog");
    return openAnswer;
}

std::string RecordingUserInterface::saveFileDialog(std::string_view title, std::string_view filter,
                                                   const std::string& directory,
                                                   const std::string& name) {
    saveDialogs.push_back({std::string(title), std::string(filter), directory, name});
    log("save dialog");
    return saveAnswer;
}

std::string RecordingUserInterface::clipboardText() {
    log("clipboard");
    return clipboard;
}

bool RecordingUserInterface::isExecutableFile(const std::string& path) const {
    return executableFiles.contains(path);
}

bool RecordingUserInterface::startProgram(const std::string& path) {
    log("start " + path);
    if (programsStart) startedPrograms.push_back(path);
    return programsStart;
}

bool RecordingUserInterface::openWithDesktop(const std::string& target) {
    desktopTargets.push_back(target);
    log("desktop " + target);
    return desktopOpens;
}

void RecordingUserInterface::exitProgram() {
    ++exitRequests;
    log("exit");
}

}  // namespace lorvex::testing
