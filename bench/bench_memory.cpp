// SPDX-License-Identifier: GPL-3.0-or-later
// What a loaded list costs in memory: the window is shown with an empty list, then a pair is
// loaded through "Load List" and the window repaints. Reported above the empty window: the
// resident size afterwards (what stays) and the peak while loading. Best run in a process of
// its own (scripts/bench.sh does), so that no earlier benchmark has grown the heap.
#include "benchsupport.h"

#include "lists/colorlistmodel.h"

#include <malloc.h>

#include <memory>

namespace {

void BM_ListMemory(benchmark::State &state)
{
    const qsizetype count = state.range(0);
    Bench::dialogs().nextFile = Bench::listFile(count);
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<Bench::Window>(false);
        // Writing the file grew the heap; give that back so the empty window is measured alone.
        malloc_trim(0);
        const double empty = Bench::residentMB();
        Bench::resetPeak();
        state.ResumeTiming();

        window->form().Open1Click();
        Bench::Window::settle();

        state.PauseTiming();
        if (window->form().colorList()->list().count() != count)
            qFatal("Load List loaded the wrong number of entries");
        state.counters["empty_MB"] = empty;
        state.counters["rss_above_empty_MB"] = Bench::residentMB() - empty;
        state.counters["peak_above_empty_MB"] = Bench::peakMB() - empty;
        window.reset();
        state.ResumeTiming();
    }
    Bench::dialogs().nextFile.clear();
}
BENCHMARK(BM_ListMemory)
        ->ArgName("entries")
        ->Arg(100000)
        ->Arg(1000000)
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);

} // namespace
