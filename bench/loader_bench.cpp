#include <benchmark/benchmark.h>

#include <string>

#include "core/system/file_bytes.h"
#include "core/system/system_loader.h"
#include "core/system/system_text.h"

namespace lorvex::bench {

namespace {

// Reading, decoding, parsing and sorting the 9,321-row example file.
void loadExampleFile(benchmark::State& state) {
    const std::string path = std::string(LORVEX_EXAMPLES_DIR) + "/C25_6_5_9321.txt";
    SystemTable system;
    for (auto _ : state) {
        FileBytes file = readFileBytes(path);
        if (file.error != 0) {
            state.SkipWithError("cannot read the example file");
            return;
        }
        const std::string text = decodeSystemFileBytes(std::move(file.bytes));
        FileLines lines(text);
        benchmark::DoNotOptimize(loadSystemLines(lines, system));
    }
    state.counters["rows"] = system.rowCount();
}
BENCHMARK(loadExampleFile)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace lorvex::bench
