// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchdata.h"
#include "core/browser/sortpaths.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

constexpr int pathCount = 100000;

// Argument 1: the collation, 0 for the "C" locale, 1 for Japanese.
QLocale localeFor(const benchmark::State &state)
{
    return state.range(1) == 1 ? QLocale(QLocale::Japanese, QLocale::Japan) : QLocale::c();
}

// Argument 0: 0 for random order, as a folder enumeration gives; 1 for already sorted.
QStringList inputFor(const benchmark::State &state)
{
    QStringList paths = BenchData::picturePaths(pathCount);
    if (state.range(0) == 1)
        sortPaths(paths, 0, int(paths.size()) - 1, localeFor(state));
    return paths;
}

void BM_SortPaths(benchmark::State &state)
{
    const QStringList input = inputFor(state);
    const QLocale locale = localeFor(state);
    for (auto _ : state) {
        state.PauseTiming();
        QStringList paths = input;
        paths.detach();
        state.ResumeTiming();
        sortPaths(paths, 0, int(paths.size()) - 1, locale);
        benchmark::DoNotOptimize(paths.constData());
    }
    state.SetItemsProcessed(state.iterations() * pathCount);
}

// The reference: the library sort with the same comparison.
void BM_StdSortSameComparison(benchmark::State &state)
{
    const QStringList input = inputFor(state);
    const PathOrder order(localeFor(state));
    const auto before = [&order](const QString &a, const QString &b) {
        return order.sortsBefore(a, b);
    };
    for (auto _ : state) {
        state.PauseTiming();
        QStringList paths = input;
        paths.detach();
        state.ResumeTiming();
        std::sort(paths.begin(), paths.end(), before);
        benchmark::DoNotOptimize(paths.constData());
    }
    state.SetItemsProcessed(state.iterations() * pathCount);
}

} // namespace

BENCHMARK(BM_SortPaths)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->ArgNames({"sorted", "japanese"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StdSortSameComparison)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->ArgNames({"sorted", "japanese"})
    ->Unit(benchmark::kMillisecond);
