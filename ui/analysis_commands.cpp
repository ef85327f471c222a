#include "ui/analysis_commands.h"

#include "core/hit_analysis.h"
#include "ui/progress_display.h"

namespace lorvex {

void analyseBlocks(Application& app, UserInterface& ui, std::span<const int> blockSizes) {
    app.hits.clear();
    ui.removeAllRows(ListId::HitList);
    ProgressDisplay progress(ui, app.hits);
    HitAnalysis analysis(app.system, app.hits);
    for (const int blockSize : blockSizes) analysis.run(blockSize, &progress);
}

}  // namespace lorvex
