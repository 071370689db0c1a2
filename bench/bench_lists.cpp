// SPDX-License-Identifier: GPL-3.0-or-later
// Adding and deleting entries in a list of 100,000: through the list model alone, through the
// model of a shown window (its table and name box follow every change), and through the
// window's own "Add To List" and "Delete From List" handlers. The program only ever adds at the
// end, so "add" appends; deletes are timed at the first and at the last entry.
#include "benchsupport.h"

#include "lists/colorlistmodel.h"

#include <QComboBox>

namespace {

constexpr qsizetype kEntries = 100000;

enum Where { Alone = 0, InWindow = 1 };
enum Position { First = 0, Last = 1 };

struct Subject
{
    explicit Subject(Where where)
    {
        const Bench::ListData data = Bench::makeList(kEntries);
        if (where == InWindow) {
            window = std::make_unique<Bench::Window>();
            model = window->form().colorList();
        } else {
            standalone = std::make_unique<Tintora::ColorListModel>();
            model = standalone.get();
        }
        model->assign(data.names, data.hexes);
        Bench::Window::settle();
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
    Subject subject(InWindow);
    auto *names = subject.window->child<QComboBox>("ComboBox1");
    Bench::resetPeak();
    qsizetype i = 0;
    double repaint = 0;
    for (auto _ : state) {
        names->setEditText(spareName(i++));
        Bench::Window::settle();
        repaint += handlerThenRepaint(state, [&] { subject.window->form().AddToLstBtnClick(); });
        if (subject.count() != kEntries + 1)
            qFatal("Add To List did not add");
        subject.model->remove(subject.count() - 1);
        Bench::Window::settle();
    }
    Bench::reportMemory(state);
    state.counters["repaint_us"] = benchmark::Counter(repaint, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_AddToLstBtnClick)->UseManualTime()->Unit(benchmark::kMicrosecond);

// "Delete From List" on the entry chosen in the name box.
void BM_DelFrLstBtnClick(benchmark::State &state)
{
    Subject subject(InWindow);
    const Position position = Position(state.range(0));
    auto *names = subject.window->child<QComboBox>("ComboBox1");
    Bench::resetPeak();
    qsizetype i = 0;
    double repaint = 0;
    for (auto _ : state) {
        names->setCurrentIndex(position == First ? 0 : int(subject.count() - 1));
        Bench::Window::settle();
        repaint += handlerThenRepaint(state, [&] { subject.window->form().DelFrLstBtnClick(); });
        if (subject.count() != kEntries - 1)
            qFatal("Delete From List did not delete");
        subject.model->append(spareName(i++), QStringLiteral("#87CEEB"));
        Bench::Window::settle();
    }
    Bench::reportMemory(state);
    state.counters["repaint_us"] = benchmark::Counter(repaint, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_DelFrLstBtnClick)
        ->ArgName("last")
        ->Arg(First)
        ->Arg(Last)
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond);

} // namespace
