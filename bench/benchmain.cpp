// SPDX-License-Identifier: GPL-3.0-or-later
// The program's benchmarks, headless: the whole window runs on the offscreen platform.
#include "benchsupport.h"

#include <QApplication>

#include <benchmark/benchmark.h>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    QApplication app(argc, argv);
    Tintora::Dialogs::install(&Bench::dialogs());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
