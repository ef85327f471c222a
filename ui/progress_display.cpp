#include "ui/progress_display.h"

namespace lorvex {

ProgressDisplay::~ProgressDisplay() {
    if (running_) settle();
}

void ProgressDisplay::runStarted() {
    running_ = true;
    ui_.setMainWindowEnabled(false);
}

void ProgressDisplay::thirdNumberChanged(int d1, int d2, int d3) {
    ui_.setProgressPosition(ProgressBarId::Bottom, d1);
    ui_.setProgressPosition(ProgressBarId::Middle, d2);
    ui_.setProgressPosition(ProgressBarId::Top, d3);
}

// The engine may report draws in batches; one poll per report is enough, since a poll that
// comes too soon after the last one does nothing.
void ProgressDisplay::drawsReached(std::int64_t /*draws*/) {
    ui_.PollEvent();
}

void ProgressDisplay::runFinished() {
    showNewHitRows();
    settle();
}

void ProgressDisplay::settle() {
    running_ = false;
    for (const ProgressBarId bar :
         {ProgressBarId::Top, ProgressBarId::Middle, ProgressBarId::Bottom}) {
        ui_.setProgressPosition(bar, 1);
    }
    ui_.setMainWindowEnabled(true);
}

void ProgressDisplay::showNewHitRows() {
    const auto newRows = hits_.rows().subspan(static_cast<std::size_t>(shownRows_));
    shownRows_ = hits_.rowCount();
    if (!newRows.empty()) ui_.appendHitRows(newRows);
}

}  // namespace lorvex
