// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchdata.h"
#include "core/browser/sortpaths.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

constexpr int pathCount = 100000;

// Argument 0: random order, as a folder enumeration gives; 1: already sorted.
QStringList inputFor(const benchmark::State &state)
{
    QStringList paths = BenchData::picturePaths(pathCount);
    if (state.range(0) == 1)
        std::sort(paths.begin(), paths.end(), PathSortsBefore);
    return paths;
}

void BM_SortPaths(benchmark::State &state)
{
    const QStringList input = inputFor(state);
    for (auto _ : state) {
        state.PauseTiming();
        QStringList paths = input;
        paths.detach();
        state.ResumeTiming();
        SortPaths(paths, 0, int(paths.size()) - 1);
        benchmark::DoNotOptimize(paths.constData());
    }
    state.SetItemsProcessed(state.iterations() * pathCount);
}

// The reference: the library sort with the same comparison.
void BM_StdSortSameComparison(benchmark::State &state)
{
    const QStringList input = inputFor(state);
    for (auto _ : state) {
        state.PauseTiming();
        QStringList paths = input;
        paths.detach();
        state.ResumeTiming();
        std::sort(paths.begin(), paths.end(), PathSortsBefore);
        benchmark::DoNotOptimize(paths.constData());
    }
    state.SetItemsProcessed(state.iterations() * pathCount);
}

} // namespace

BENCHMARK(BM_SortPaths)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StdSortSameComparison)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
