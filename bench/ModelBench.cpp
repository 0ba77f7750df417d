// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of evaluating the model, the floor under every sweep of the plot.
#include "model/Model.h"

#include <benchmark/benchmark.h>

static void BM_ModelPair(benchmark::State& state) {
    ModelParams = {3e15, 1e13, 1.6e-19, 1e28, 9.1e-31, 8.85e-12};
    double w = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(RefractionRe(w));
        benchmark::DoNotOptimize(RefractionIm(w));
        w += 1e12;
    }
}
BENCHMARK(BM_ModelPair);
