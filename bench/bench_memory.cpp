// SPDX-License-Identifier: GPL-3.0-or-later
// What a list costs in memory, as the user gets one: the window is shown with an empty list,
// a pair is loaded through "Load List", then saved through "Save List". Reported above the
// empty window: the resident size after each (what stays) and the peak during each. Best run
// in a process of its own (scripts/bench.sh does), so that no earlier benchmark has grown the
// heap.
#include "benchsupport.h"

#include "lists/colorlistmodel.h"

#include <malloc.h>

#include <memory>

namespace {

void BM_ListMemory(benchmark::State &state)
{
    const qsizetype count = state.range(0);
    const QString path = Bench::listFile(count);
    for (auto _ : state) {
        auto window = std::make_unique<Bench::Window>(false);
        // Writing the file grew the heap; give that back so the empty window is measured alone.
        malloc_trim(0);
        const double empty = Bench::residentMB();
        state.counters["empty_MB"] = empty;

        Bench::resetPeak();
        window->load(path);
        if (window->form().colorList()->list().count() != count)
            qFatal("Load List loaded the wrong number of entries");
        state.counters["loaded_MB"] = Bench::residentMB() - empty;
        state.counters["load_peak_MB"] = Bench::peakMB() - empty;

        Bench::resetPeak();
        Bench::dialogs().nextFile = Bench::scratchPath(QStringLiteral("memory.clr"));
        window->form().Save1Click();
        Bench::dialogs().nextFile.clear();
        Bench::Window::settle();
        state.counters["saved_MB"] = Bench::residentMB() - empty;
        state.counters["save_peak_MB"] = Bench::peakMB() - empty;
    }
}
BENCHMARK(BM_ListMemory)
        ->ArgName("entries")
        ->Arg(100000)
        ->Arg(1000000)
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);

} // namespace
