#include "core/analysis/hit_analysis.h"

#include "core/analysis/draw_enumeration.h"
#include "core/analysis/fast/fast_engine.h"

namespace lorvex {

void HitAnalysis::run(int blockSize, ProgressObserver* observer) {
    if (system_.rowCount() == 0) return;
    ProgressObserver silent;
    ProgressObserver& progress = observer ? *observer : silent;
    progress.runStarted();
    patterns_.clear();
    if (engine_ == AnalysisEngine::Reference) {
        enumerateDrawsReference(system_, blockSize, patterns_, progress);
    } else {
        enumerateDrawsFast(system_, blockSize, patterns_, progress);
    }
    patterns_.finish(blockSize, hitTable_);
    progress.runFinished();
}

}  // namespace lorvex
