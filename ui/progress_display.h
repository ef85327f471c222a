#pragma once

#include "core/analysis/hit_table.h"
#include "core/analysis/progress_observer.h"
#include "ui/user_interface.h"

namespace lorvex {

// What the user sees of running analyses: the main window disabled while a run works, the
// three bars showing the first three numbers of the current draw, the windows kept painted,
// and each run's rows added to the hit list as the run ends.
class ProgressDisplay final : public ProgressObserver {
public:
    // `hits` is the table the runs append to; the hit list already shows its rows.
    ProgressDisplay(UserInterface& ui, const HitTable& hits)
        : ui_(ui), hits_(hits), shownRows_(hits.rowCount()) {}
    // A run that ended by an exception leaves the bars at rest and the window enabled.
    ~ProgressDisplay() override;
    ProgressDisplay(const ProgressDisplay&) = delete;
    ProgressDisplay& operator=(const ProgressDisplay&) = delete;

    void runStarted() override;
    void thirdNumberChanged(int d1, int d2, int d3) override;
    void drawsReached(std::int64_t draws) override;
    void runFinished() override;

private:
    void showNewHitRows();
    void settle();

    UserInterface& ui_;
    const HitTable& hits_;
    int shownRows_;
    bool running_ = false;
};

}  // namespace lorvex
