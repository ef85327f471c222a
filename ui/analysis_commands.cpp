#include "ui/analysis_commands.h"

#include <utility>

#include "core/analysis/hit_analysis.h"
#include "ui/progress_display.h"

namespace lorvex {

namespace {

void showHitTable(UserInterface& ui, const HitTable& hits) {
    ui.removeAllRows(ListId::HitList);
    ui.appendHitRows(hits.rows());
}

}  // namespace

void analyseBlocks(Application& app, UserInterface& ui, std::span<const int> blockSizes) {
    HitTable previous = std::move(app.hits);
    app.hits.clear();
    ui.removeAllRows(ListId::HitList);
    try {
        ProgressDisplay progress(ui, app.hits);
        HitAnalysis analysis(app.system, app.hits);
        for (const int blockSize : blockSizes) analysis.run(blockSize, &progress);
    } catch (...) {
        // Out of memory midway: the earlier result is worth more than a part of the new one.
        app.hits = std::move(previous);
        showHitTable(ui, app.hits);
        throw;
    }
}

}  // namespace lorvex
