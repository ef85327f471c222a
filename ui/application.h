#pragma once

#include <string>

#include "core/analysis/hit_table.h"
#include "core/system/system_table.h"

namespace lorvex {

// The program's two stores, alive from start-up to exit.
//
// How data travels: file bytes or clipboard text -> line reader (FileLines, ClipboardLines)
// -> parseSystemLine -> a fresh SystemTable (all in core/system/), copied into `system` only
// when the load succeeds -> HitAnalysis (core/analysis/), one run per block size -> `hits` ->
// the hit list, or a text or HTML report (report/). The windows only ever show these two
// stores; the commands (load_system.h, analysis_commands.h, save_report.h) are the only code
// that writes them.
struct Application {
    SystemTable system;
    HitTable hits;
    std::string systemFile;  // the file `system` was loaded from; empty for the clipboard
};

}  // namespace lorvex
