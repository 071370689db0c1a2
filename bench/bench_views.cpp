// SPDX-License-Identifier: GPL-3.0-or-later
// What the user opens to look at a long list: "View Full List" (the table slides out and is
// painted) and the name box's drop-down (the list of names pops up and is painted), each timed
// until Qt has laid out and painted what changed, with lists of up to 1,000,000 entries. Each
// time is the first opening after "Load List", when the views have nothing laid out yet.
#include "benchsupport.h"

#include "lists/colorlistmodel.h"

#include <QAbstractItemView>
#include <QComboBox>

namespace {

void sizes(benchmark::internal::Benchmark *b)
{
    b->ArgName("entries")->Arg(1000)->Arg(100000)->Arg(1000000);
    b->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);
}

void BM_ViewLstBtnClick(benchmark::State &state)
{
    Bench::Window window;
    const QString path = Bench::listFile(state.range(0));
    Bench::resetPeak();
    for (auto _ : state) {
        window.load(path);
        Bench::timeIteration(state, [&] {
            window.form().ViewLstBtnClick();
            Bench::Window::settle();
        });
        if (!window.form().fullListOpen())
            qFatal("View Full List did not open the table");
        window.form().ViewLstBtnClick();
        Bench::Window::settle();
    }
    Bench::reportMemory(state);
}
BENCHMARK(BM_ViewLstBtnClick)->Apply(sizes);

// The drop-down opens on the chosen entry, here one in the middle of the list.
void BM_NameBoxDropDown(benchmark::State &state)
{
    const qsizetype entries = state.range(0);
    Bench::Window window;
    const QString path = Bench::listFile(entries);
    auto *names = window.child<QComboBox>("ComboBox1");
    Bench::resetPeak();
    for (auto _ : state) {
        window.load(path);
        names->setCurrentIndex(int(entries / 2));
        window.form().ComboBox1Click();
        Bench::Window::settle();
        Bench::timeIteration(state, [&] {
            names->showPopup();
            Bench::Window::settle();
        });
        if (!names->view()->isVisible())
            qFatal("The drop-down did not open");
        names->hidePopup();
        Bench::Window::settle();
    }
    Bench::reportMemory(state);
}
BENCHMARK(BM_NameBoxDropDown)->Apply(sizes);

} // namespace
