// SPDX-License-Identifier: GPL-3.0-or-later
// Loading and saving .clr/.hex pairs: the file layer alone, the file layer with the list model,
// and the window's own "Load List" and "Save List" (with the file dialog answered at once).
#include "benchsupport.h"

#include "lists/colorlistmodel.h"
#include "lists/listfile.h"

using namespace Tintora;

namespace {

void sizes(benchmark::internal::Benchmark *b)
{
    b->ArgName("entries")->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
}

void BM_ListFileLoad(benchmark::State &state)
{
    const QString path = Bench::listFile(state.range(0));
    Bench::resetPeak();
    for (auto _ : state) {
        const ListFile::Contents contents = ListFile::load(path);
        if (contents.names.size() != state.range(0))
            qFatal("Loaded the wrong number of names");
    }
    Bench::reportMemory(state);
}
BENCHMARK(BM_ListFileLoad)->Apply(sizes);

// Read the pair and make it the list, into an empty model each time.
void BM_ListFileLoadAssign(benchmark::State &state)
{
    const QString path = Bench::listFile(state.range(0));
    ColorListModel model;
    Bench::resetPeak();
    for (auto _ : state) {
        Bench::timeIteration(state, [&] {
            const ListFile::Contents contents = ListFile::load(path);
            model.assign(contents.names, contents.hexes);
        });
        model.assign({}, {});
    }
    Bench::reportMemory(state);
}
BENCHMARK(BM_ListFileLoadAssign)->Apply(sizes)->UseManualTime();

// "Load List" into the shown window with an empty list, until the window has repainted.
void BM_Open1Click(benchmark::State &state)
{
    const qsizetype count = state.range(0);
    Bench::dialogs().nextFile = Bench::listFile(count);
    Bench::Window window(false);
    Bench::resetPeak();
    for (auto _ : state) {
        Bench::timeIteration(state, [&] {
            window.form().Open1Click();
            Bench::Window::settle();
        });
        if (window.form().colorList()->list().count() != count)
            qFatal("Load List loaded the wrong number of entries");
        window.form().colorList()->assign({}, {});
        Bench::Window::settle();
    }
    Bench::reportMemory(state);
    Bench::dialogs().nextFile.clear();
}
BENCHMARK(BM_Open1Click)->Apply(sizes)->UseManualTime();

void BM_ListFileSave(benchmark::State &state)
{
    const Bench::ListData data = Bench::makeList(state.range(0));
    const QString path = Bench::scratchPath(QStringLiteral("saved.clr"));
    Bench::resetPeak();
    for (auto _ : state)
        ListFile::save(path, data.names, data.hexes);
    Bench::reportMemory(state);
}
BENCHMARK(BM_ListFileSave)->Apply(sizes);

// Take the columns out of the model and write them, as saving the current file does.
void BM_ListFileSaveFromModel(benchmark::State &state)
{
    ColorListModel model;
    {
        const ListFile::Contents contents = ListFile::load(Bench::listFile(state.range(0)));
        model.assign(contents.names, contents.hexes);
    }
    const QString path = Bench::scratchPath(QStringLiteral("saved.clr"));
    Bench::resetPeak();
    for (auto _ : state) {
        QStringList hexes = model.list().hexes();
        hexes.append(model.list().blankHex);
        ListFile::save(path, model.list().names(), hexes);
    }
    Bench::reportMemory(state);
}
BENCHMARK(BM_ListFileSaveFromModel)->Apply(sizes);

// "Save List" from the window, the file dialog answered with a new name.
void BM_Save1Click(benchmark::State &state)
{
    Bench::Window window;
    window.load(Bench::listFile(state.range(0)));
    Bench::dialogs().nextFile = Bench::scratchPath(QStringLiteral("saved.clr"));
    Bench::resetPeak();
    for (auto _ : state) {
        window.form().Save1Click();
        Bench::Window::settle();
    }
    Bench::reportMemory(state);
    Bench::dialogs().nextFile.clear();
}
BENCHMARK(BM_Save1Click)->Apply(sizes);

} // namespace
