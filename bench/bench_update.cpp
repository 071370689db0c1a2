// SPDX-License-Identifier: GPL-3.0-or-later
// One scroll-bar step through the whole update cycle: the bar's handler writes its field, the
// field's handler rebuilds the hex text, and Update writes the fields, the sample and the bars
// back and looks the color up in the list.
#include "benchsupport.h"

#include "lists/colorlistmodel.h"
#include "lists/listfile.h"

#include <QComboBox>
#include <QScrollBar>

namespace {

// The two colors the steps alternate between, with green and blue at 255 as after start-up.
constexpr int kRedA = 100; // #64FFFF
constexpr int kRedB = 101; // #65FFFF

// With match, both colors of the steps are in the list, one near the top and one at the end,
// so that every step selects a far-away entry and shows its name: the most a step can cost.
// Without, neither is, as for most of the colors a drag passes through.
void fillList(Bench::Window &window, qsizetype count, bool match)
{
    QString path;
    {
        Bench::ListData data = Bench::makeList(count);
        for (QString &hex : data.hexes) {
            if (hex == QLatin1String("#64FFFF") || hex == QLatin1String("#65FFFF"))
                hex = QStringLiteral("#000000");
        }
        if (match) {
            data.hexes[count / 10] = QStringLiteral("#64ffff"); // matching ignores letter case
            data.hexes[count - 1] = QStringLiteral("#65FFFF");
        }
        path = Bench::writeList(data, QStringLiteral("scroll.clr"));
    }
    window.load(path);
}

void checkStep(Bench::Window &window, QScrollBar *bar, qsizetype count, bool match)
{
    bar->setValue(kRedB);
    auto *names = window.child<QComboBox>("ComboBox1");
    const int expected = match ? int(count - 1) : -1;
    if (window.form().currentColor() != Tintora::Color::pack(kRedB, 255, 255)
        || names->currentIndex() != expected || names->currentText().isEmpty() == match)
        qFatal("The scroll-bar step did not run the update cycle");
}

void scrollStep(benchmark::State &state, bool paint)
{
    const qsizetype count = state.range(0);
    const bool match = state.range(1) != 0;
    Bench::Window window;
    fillList(window, count, match);
    auto *bar = window.child<QScrollBar>("RScrollBar1");
    checkStep(window, bar, count, match);
    Bench::Window::settle();

    Bench::resetPeak();
    bool flip = false;
    for (auto _ : state) {
        bar->setValue(flip ? kRedB : kRedA); // as a drag does: valueChanged runs the handler
        if (paint)
            Bench::Window::settle();
        flip = !flip;
    }
    Bench::reportMemory(state);
}

void lists(benchmark::internal::Benchmark *b)
{
    b->ArgNames({"entries", "match"})->Args({0, 0});
    for (const int count : {1000, 100000, 1000000})
        b->Args({count, 0})->Args({count, 1});
    b->Unit(benchmark::kMicrosecond);
}

// The handlers alone: what runs between the user's move and the repaint being due.
void BM_ScrollStep(benchmark::State &state)
{
    scrollStep(state, false);
}
BENCHMARK(BM_ScrollStep)->Apply(lists);

// The handlers and then the repaint they cause, as the event loop does it.
void BM_ScrollStepPainted(benchmark::State &state)
{
    scrollStep(state, true);
}
BENCHMARK(BM_ScrollStepPainted)->Apply(lists);

} // namespace

// The lookup Update makes: the last entry with the hex field's value. Alternating between two
// entries, as the steps above do, and through all entries in a scattered order, where nothing
// of the list is left in the caches.
void BM_LastRowWithHex(benchmark::State &state)
{
    const qsizetype count = state.range(0);
    const bool scattered = state.range(1) != 0;
    Tintora::ColorList list;
    QStringList hexes;
    {
        const Tintora::ListFile::Contents contents =
                Tintora::ListFile::load(Bench::listFile(count));
        list.assign(contents.names, contents.hexes);
        hexes = contents.hexes.first(count);
    }
    Bench::resetPeak();
    qsizetype i = 0;
    for (auto _ : state) {
        const qsizetype row = scattered ? (i * 7919) % count : (i & 1 ? count - 1 : count / 10);
        benchmark::DoNotOptimize(list.lastRowWithHex(hexes.at(row)));
        ++i;
    }
    Bench::reportMemory(state);
}
BENCHMARK(BM_LastRowWithHex)
        ->ArgNames({"entries", "scattered"})
        ->ArgsProduct({{1000, 100000, 1000000}, {0, 1}});
