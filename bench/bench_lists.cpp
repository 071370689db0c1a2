// SPDX-License-Identifier: GPL-3.0-or-later
// Adding and deleting entries in a list of 100,000: through the list model alone, through the
// model of a shown window (its table and name box follow every change), and through the
// window's own "Add To List" and "Delete From List" handlers, those also with 1,000,000. The
// program only ever adds at the end, so "add" appends; deletes are timed at the first and at
// the last entry.
#include "benchsupport.h"

#include "lists/colorlistmodel.h"
#include "lists/listfile.h"

#include <QComboBox>

#include <memory>

namespace {

constexpr qsizetype kEntries = 100000;

enum Where { Alone = 0, InWindow = 1 };
enum Position { First = 0, Last = 1 };

struct Subject
{
    explicit Subject(Where where, qsizetype entries = kEntries)
    {
        const QString path = Bench::listFile(entries);
        if (where == InWindow) {
            window = std::make_unique<Bench::Window>();
            window->load(path);
            model = window->form().colorList();
        } else {
            standalone = std::make_unique<Tintora::ColorListModel>();
            model = standalone.get();
            const Tintora::ListFile::Contents contents = Tintora::ListFile::load(path);
            model->assign(contents.names, contents.hexes);
        }
    }
    qsizetype count() const { return model->list().count(); }
    // Lets the window's views catch up, outside the clock.
    void settle() const
    {
        if (window)
            Bench::Window::settle();
    }

    std::unique_ptr<Bench::Window> window;
    std::unique_ptr<Tintora::ColorListModel> standalone;
    Tintora::ColorListModel *model = nullptr;
};

QString spareName(qsizetype i)
{
    return QStringLiteral("Spare %1").arg(i);
}

void BM_ModelAppend(benchmark::State &state)
{
    Subject subject(Where(state.range(0)));
    Bench::resetPeak();
    qsizetype i = 0;
    for (auto _ : state) {
        Bench::timeIteration(
                state, [&] { subject.model->append(spareName(i++), QStringLiteral("#87CEEB")); });
        subject.model->remove(subject.count() - 1);
        subject.settle();
    }
    Bench::reportMemory(state);
}
BENCHMARK(BM_ModelAppend)
        ->ArgName("in_window")
        ->Arg(Alone)
        ->Arg(InWindow)
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond);

void BM_ModelRemove(benchmark::State &state)
{
    Subject subject(Where(state.range(0)));
    const Position position = Position(state.range(1));
    Bench::resetPeak();
    qsizetype i = 0;
    for (auto _ : state) {
        const qsizetype row = position == First ? 0 : subject.count() - 1;
        Bench::timeIteration(state, [&] { subject.model->remove(row); });
        subject.model->append(spareName(i++), QStringLiteral("#87CEEB"));
        subject.settle();
    }
    Bench::reportMemory(state);
}
BENCHMARK(BM_ModelRemove)
        ->ArgNames({"in_window", "last"})
        ->ArgsProduct({{Alone, InWindow}, {First, Last}})
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond);

// Times a handler as the benchmark's result and returns how long the repaint after it took, in
// microseconds: the handler is the program's work; the repaint is Qt's, the same for any list.
template<typename F>
double handlerThenRepaint(benchmark::State &state, F &&handler)
{
    Bench::timeIteration(state, handler);
    const auto start = std::chrono::steady_clock::now();
    Bench::Window::settle();
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
            .count();
}

// "Add To List" with a name typed into the name box.
void BM_AddToLstBtnClick(benchmark::State &state)
{
    const qsizetype entries = state.range(0);
    Subject subject(InWindow, entries);
    auto *names = subject.window->child<QComboBox>("ComboBox1");
    Bench::resetPeak();
    qsizetype i = 0;
    double repaint = 0;
    for (auto _ : state) {
        names->setEditText(spareName(i++));
        Bench::Window::settle();
        repaint += handlerThenRepaint(state, [&] { subject.window->form().AddToLstBtnClick(); });
        if (subject.count() != entries + 1)
            qFatal("Add To List did not add");
        subject.model->remove(subject.count() - 1);
        Bench::Window::settle();
    }
    Bench::reportMemory(state);
    state.counters["repaint_us"] = benchmark::Counter(repaint, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_AddToLstBtnClick)
        ->ArgName("entries")
        ->Arg(kEntries)
        ->Arg(1000000)
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond);

// "Delete From List" on the entry chosen in the name box; afterwards the entry before it (or the
// new first one) is shown, in its color.
void BM_DelFrLstBtnClick(benchmark::State &state)
{
    const qsizetype entries = state.range(0);
    Subject subject(InWindow, entries);
    const Position position = Position(state.range(1));
    auto *names = subject.window->child<QComboBox>("ComboBox1");
    Bench::resetPeak();
    qsizetype i = 0;
    double repaint = 0;
    for (auto _ : state) {
        // The user picks the entry in the name box, which shows its color, then deletes it.
        names->setCurrentIndex(position == First ? 0 : int(subject.count() - 1));
        subject.window->form().ComboBox1Click();
        Bench::Window::settle();
        repaint += handlerThenRepaint(state, [&] { subject.window->form().DelFrLstBtnClick(); });
        if (subject.count() != entries - 1)
            qFatal("Delete From List did not delete");
        subject.model->append(spareName(i++), QStringLiteral("#87CEEB"));
        Bench::Window::settle();
    }
    Bench::reportMemory(state);
    state.counters["repaint_us"] = benchmark::Counter(repaint, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_DelFrLstBtnClick)
        ->ArgNames({"entries", "last"})
        ->ArgsProduct({{kEntries, 1000000}, {First, Last}})
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond);

} // namespace
