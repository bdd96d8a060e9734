// The floor every other case is measured against: what one frame costs before anything of the game is drawn.
#include "bench/bench_support.hpp"

#include <benchmark/benchmark.h>

static void BM_Floor(benchmark::State& state) {
    TFloorScene scene;
    for (auto _ : state) {
        scene.drawFloor();
    }
}
BENCHMARK(BM_Floor);
