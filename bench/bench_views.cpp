// SPDX-License-Identifier: GPL-3.0-or-later
// What the user opens to look at a long list: "View Full List" (the table slides out and is
// painted) and the name box's drop-down (the list of names pops up and is painted), each timed
// until Qt has laid out and painted what changed, with lists of up to 1,000,000 entries. Each
// time is the first opening after "Load List", when the views have nothing laid out yet. And
// scrolling the open table, a row or a page at a time, each step until it is painted.
#include "benchsupport.h"

#include "lists/colorlistmodel.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QScrollBar>

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

// The full list's scroll bar moved by a row (an arrow click or a wheel step: Qt moves what it
// showed and paints the row that came in) or by a page (every row painted anew), downwards from
// the middle of the list, as a user reads through it. Without paint, the handlers alone: what
// runs between the user's move and the repaint being due, as BM_ScrollStep times the color's.
void fullListScrollStep(benchmark::State &state, bool paint)
{
    const bool page = state.range(1) != 0;
    Bench::Window window;
    window.load(Bench::listFile(state.range(0)));
    window.form().ViewLstBtnClick();
    Bench::Window::settle();
    auto *grid = window.child<QAbstractItemView>("StringGrid1");
    QScrollBar *bar = grid->verticalScrollBar();
    const int start = bar->maximum() / 2;
    const int step = page ? bar->pageStep() : bar->singleStep();
    const int span = qBound(1, (bar->maximum() - start) / step, 1000); // steps before going back
    int steps = 0;
    for (auto _ : state) {
        bar->setValue(start + (steps++ % span + 1) * step);
        if (paint)
            Bench::Window::settle();
    }
    if (bar->value() == start)
        qFatal("The full list did not scroll");
}

void BM_FullListScrollStep(benchmark::State &state)
{
    fullListScrollStep(state, false);
}
BENCHMARK(BM_FullListScrollStep)
        ->ArgNames({"entries", "page"})
        ->Args({1000, 0})
        ->Args({1000000, 0})
        ->Unit(benchmark::kMicrosecond);

void BM_FullListScrollStepPainted(benchmark::State &state)
{
    fullListScrollStep(state, true);
}
BENCHMARK(BM_FullListScrollStepPainted)
        ->ArgNames({"entries", "page"})
        ->Args({1000, 0})
        ->Args({1000000, 0})
        ->Args({1000000, 1})
        ->Unit(benchmark::kMicrosecond);

} // namespace
