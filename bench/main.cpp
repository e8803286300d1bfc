// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include <benchmark/benchmark.h>

// The cases may need widgets, fonts or image plugins: one application object for all of them,
// headless unless the caller chose a platform.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
