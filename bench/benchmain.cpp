// SPDX-License-Identifier: GPL-3.0-or-later
// The program's benchmarks, headless: the whole window runs on the offscreen platform.
#include "benchsupport.h"

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return Bench::runBenchmarks(argc, argv);
}
