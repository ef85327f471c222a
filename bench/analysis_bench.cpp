#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

#include "bench/synthetic_systems.h"
#include "core/analysis/draw_enumeration.h"
#include "core/analysis/fast/fast_engine.h"
#include "core/analysis/hit_analysis.h"

namespace lorvex::bench {

namespace {

using Engine = void (*)(const SystemTable&, int, PatternList&, ProgressObserver&);

constexpr std::int64_t KOMPLETT_DRAWS_AT_49 = 13983816 + 1906884 + 211876 + 18424;

// "Komplett": blocks 6, 5, 4 and 3 one after the other, as the program runs them.
void komplett(benchmark::State& state, RowKind kind) {
    const SystemTable system = syntheticSystem(int(state.range(0)), kind);
    HitTable table;
    HitAnalysis analysis(system, table, AnalysisEngine::Fast);
    for (auto _ : state) {
        table.clear();
        for (int blockSize = 6; blockSize >= 3; --blockSize) analysis.run(blockSize);
        benchmark::DoNotOptimize(table.rowCount());
    }
    state.SetItemsProcessed(state.iterations() * KOMPLETT_DRAWS_AT_49);
    state.counters["patterns"] = table.rowCount();
}
BENCHMARK_CAPTURE(komplett, distinct_numbers, RowKind::DistinctNumbers)
    ->ArgName("rows")
    ->Arg(163)
    ->Arg(1000)
    ->Arg(9999)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(komplett, mostly_repeated, RowKind::MostlyRepeated)
    ->ArgName("rows")
    ->Arg(9999)
    ->Unit(benchmark::kMillisecond);
// About a million distinct outcomes: turning them into hit-table rows outweighs the engine.
BENCHMARK_CAPTURE(komplett, heavily_repeated, RowKind::HeavilyRepeated)
    ->ArgName("rows")
    ->Arg(9999)
    ->Unit(benchmark::kMillisecond);

// The engine alone, without the hit-table rows.
void komplettEngineOnly(benchmark::State& state, RowKind kind) {
    const SystemTable system = syntheticSystem(int(state.range(0)), kind);
    ProgressObserver silent;
    for (auto _ : state) {
        for (int blockSize = 6; blockSize >= 3; --blockSize) {
            PatternList patterns;
            enumerateDrawsFast(system, blockSize, patterns, silent);
            benchmark::DoNotOptimize(patterns.size());
        }
    }
    state.SetItemsProcessed(state.iterations() * KOMPLETT_DRAWS_AT_49);
}
BENCHMARK_CAPTURE(komplettEngineOnly, heavily_repeated, RowKind::HeavilyRepeated)
    ->ArgName("rows")
    ->Arg(9999)
    ->Unit(benchmark::kMillisecond);

double secondsOfBlock6(Engine engine, const SystemTable& system) {
    PatternList patterns;
    ProgressObserver silent;
    const auto start = std::chrono::steady_clock::now();
    engine(system, 6, patterns, silent);
    benchmark::DoNotOptimize(patterns.size());
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Block 6 on the same system with both engines; the reference line also carries the speed-up,
// against the best of a few fast runs made right after it.
void block6(benchmark::State& state, Engine engine) {
    const SystemTable system = syntheticSystem(int(state.range(0)), RowKind::DistinctNumbers);
    double seconds = 0;
    for (auto _ : state) {
        const double elapsed = secondsOfBlock6(engine, system);
        state.SetIterationTime(elapsed);
        seconds += elapsed;
    }
    state.SetItemsProcessed(state.iterations() * 13983816);
    if (engine == enumerateDrawsFast) return;
    double fastSeconds = seconds;
    for (int run = 0; run < 5; ++run) {
        fastSeconds = std::min(fastSeconds, secondsOfBlock6(enumerateDrawsFast, system));
    }
    state.counters["speed_up"] = seconds / double(state.iterations()) / fastSeconds;
}
BENCHMARK_CAPTURE(block6, fast, enumerateDrawsFast)
    ->ArgName("rows")
    ->Arg(163)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(block6, reference, enumerateDrawsReference)
    ->ArgName("rows")
    ->Arg(163)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace lorvex::bench
