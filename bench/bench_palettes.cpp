// SPDX-License-Identifier: GPL-3.0-or-later
// Importing and exporting palettes of 100,000 colors in each format: reading the whole file into
// a list model, and writing the list's columns out through QSaveFile, as the window's "Import
// Palette..." and "Export Palette..." do without their dialogs.
#include "benchsupport.h"

#include "lists/colorlistmodel.h"
#include "palettes/palettefile.h"

#include <QHash>

using namespace Tintora;
using PaletteFile::Format;

namespace {

constexpr qsizetype kColors = 100'000;

void formats(benchmark::internal::Benchmark *b)
{
    b->ArgName("format")->Unit(benchmark::kMillisecond);
    for (int i = 0; i < int(PaletteFile::kFormatCount); ++i)
        b->Arg(i);
}

Format formatOf(const benchmark::State &state)
{
    return PaletteFile::formats()[size_t(state.range(0))].format;
}

Bench::ListData colors()
{
    Bench::ListData data = Bench::makeList(kColors);
    data.hexes.removeLast(); // palettes have no blank row
    return data;
}

// A palette of kColors in the format, written once into the run's temporary folder.
QString paletteFile(Format format)
{
    static QHash<int, QString> written;
    if (const auto it = written.constFind(int(format)); it != written.cend())
        return *it;
    const Bench::ListData data = colors();
    const QString path =
            Bench::scratchPath(QStringLiteral("palette.") + PaletteFile::suffix(format));
    PaletteFile::write(path, format, data.names, data.hexes);
    written.insert(int(format), path);
    return path;
}

void BM_PaletteImport(benchmark::State &state)
{
    const Format format = formatOf(state);
    state.SetLabel(PaletteFile::suffix(format).toStdString());
    const QString path = paletteFile(format);
    ColorListModel model;
    Bench::resetPeak();
    for (auto _ : state) {
        Bench::timeIteration(state, [&] {
            const Palette::Colors read = PaletteFile::read(path);
            model.assign(read.names, Palette::hexes(read.values));
        });
        if (model.list().count() != kColors)
            qFatal("Imported the wrong number of colors");
        model.assign({}, {});
    }
    Bench::reportMemory(state);
}
BENCHMARK(BM_PaletteImport)->Apply(formats)->UseManualTime();

void BM_PaletteExport(benchmark::State &state)
{
    const Format format = formatOf(state);
    state.SetLabel(PaletteFile::suffix(format).toStdString());
    const Bench::ListData data = colors();
    ColorListModel model;
    model.assign(data.names, data.hexes);
    const QString path =
            Bench::scratchPath(QStringLiteral("exported.") + PaletteFile::suffix(format));
    Bench::resetPeak();
    for (auto _ : state)
        PaletteFile::write(path, format, model.list().names(), model.list().hexes());
    Bench::reportMemory(state);
}
BENCHMARK(BM_PaletteExport)->Apply(formats);

} // namespace
