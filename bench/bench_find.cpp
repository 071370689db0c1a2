// SPDX-License-Identifier: GPL-3.0-or-later
// A keystroke in the find bar, with lists of up to 1,000,000 entries: the search from the entry
// shown, round to the top, and the found entry shown as choosing it in the name box would,
// until Qt has painted it. The texts are the hard cases: one that only the last entry's name
// holds, so that nearly the whole list is searched; one that nothing matches; and a hex text
// that no value begins with.
#include "benchsupport.h"

#include "color/color.h"
#include "lists/colorlistmodel.h"
#include "lists/listfile.h"
#include "lists/listfind.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

enum Text { LastName = 0, Nothing = 1, NoValue = 2 };

void BM_FindKeystroke(benchmark::State &state)
{
    const qsizetype entries = state.range(0);
    const Text which = Text(state.range(1));
    Bench::Window window;
    window.load(Bench::listFile(entries));
    // The names end in their row's number, so the last one alone holds " <entries>".
    QString text = which == LastName ? QStringLiteral(" %1").arg(entries) : QStringLiteral("Zebra");
    if (which == NoValue) {
        // A whole value, the longest hex text, that the list does not hold (no name holds a "#").
        const Tintora::ColorList &list = window.form().colorList()->list();
        for (quint32 value = 0xABCDEF;
             list.lastRowWithHex(text = Tintora::Color::buildHex(value)) >= 0;)
            ++value;
    }
    window.form().Find1Click();
    auto *field = window.child<QLineEdit>("FindText");
    auto *names = window.child<QComboBox>("ComboBox1");
    static_cast<QLineEdit *>(field)->setText(text);
    Bench::Window::settle();
    Bench::resetPeak();
    for (auto _ : state) {
        // Each search starts at the first entry, the farthest from the one it finds.
        names->setCurrentIndex(0);
        window.form().Find1Click();
        Bench::Window::settle();
        Bench::timeIteration(state, [&] {
            window.form().FindTextChange();
            Bench::Window::settle();
        });
        if ((names->currentIndex() == entries - 1) != (which == LastName))
            qFatal("The find found the wrong entry");
    }
    Bench::reportMemory(state);
}
BENCHMARK(BM_FindKeystroke)
        ->ArgNames({"entries", "text"})
        ->ArgsProduct({{100000, 1000000}, {LastName, Nothing, NoValue}})
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);

// The list's search alone, without the window.
void BM_ColorListFindNext(benchmark::State &state)
{
    const qsizetype entries = state.range(0);
    Tintora::ColorListModel model;
    model.assign(Tintora::ListFile::read(Bench::listFile(entries)));
    const Tintora::ListFind::Query query = Tintora::ListFind::parse(QStringLiteral("Zebra"));
    for (auto _ : state)
        benchmark::DoNotOptimize(model.list().findNext(query, 0));
}
BENCHMARK(BM_ColorListFindNext)
        ->ArgName("entries")
        ->Arg(100000)
        ->Arg(1000000)
        ->Unit(benchmark::kMillisecond);

} // namespace
