// SPDX-License-Identifier: GPL-3.0-or-later
// The color adjuster: one slider step with every groove of the window computed and painted
// anew, the grooves alone, and the dominant colors of a 24-megapixel photograph: clustered from
// its pixels, and as File > Import Palette takes them from a JPEG or PNG file, decoding and
// clustering apart and the whole command.
#include "benchsupport.h"

#include "app/imagepalette.h"
#include "color/colorhistory.h"
#include "color/colormodel.h"
#include "color/dominantcolors.h"
#include "lists/colorlistmodel.h"
#include "ui/coloradjuster.h"
#include "ui/colorcommands.h"
#include "ui/grooveslider.h"
#include "ui/samples.h"

#include <QApplication>
#include <QFileInfo>
#include <QImage>
#include <QTabWidget>

#include <random>

namespace {

using namespace Tintora;

// The main window's part as the adjuster sees it: the update cycle's Samples::set.
class BenchCommands : public ColorCommands
{
public:
    explicit BenchCommands(Samples &samples) : m_samples(samples) { }
    void applyColor(Color::SampleTarget target, Color::ColorValue color) override
    {
        m_samples.set(target, color, m_samples.sample1(), m_samples.sample2());
    }
    void pickColorFor(Color::SampleTarget) override { }
    bool showHints() const override { return true; }
    QWidget *window() override { return &m_window; }

private:
    Samples &m_samples;
    QWidget m_window;
};

// A step of one channel's slider (model, channel) as a drag makes it: the other two grooves of
// the model computed again, the fields, header and variations brought up to date, then every
// groove of the page repainted and whatever else changed painted, as the event loop would.
void BM_AdjusterSliderStep(benchmark::State &state)
{
    const auto model = ColorModel::Model(state.range(0));
    const int channel = int(state.range(1));
    Samples samples;
    samples.set(Color::SampleTarget::Background, Color::pack(0x33, 0x66, 0xCC), 0, 0);
    BenchCommands commands(samples);
    ColorHistory history(Bench::scratchPath(QStringLiteral("adjuster.conf")));
    ColorAdjuster adjuster(samples, commands, history);
    adjuster.findChild<QTabWidget *>(QStringLiteral("AdjusterModels"))->setCurrentIndex(int(model));
    adjuster.open();
    Bench::Window::settle();
    const ColorModel::ModelRow &row = ColorModel::row(model);
    const ColorModel::Channel &c = row.channels[size_t(channel)];
    auto *slider = adjuster.findChild<GrooveSlider *>(QLatin1String(row.key) + QLatin1String(c.key)
                                                      + QStringLiteral("Slider"));
    if (!slider)
        qFatal("no slider");
    const QList<GrooveSlider *> grooves =
            adjuster.findChild<QWidget *>(QLatin1String(row.key) + QStringLiteral("Page"))
                    ->findChildren<GrooveSlider *>();
    const int low = slider->minimum() + (slider->maximum() - slider->minimum()) / 3;
    int step = 0;
    slider->setSliderDown(true); // a drag: the history takes its color once, at the end
    for (auto _ : state) {
        slider->setSliderPosition(low + (step++ % 50) * slider->singleStep());
        for (GrooveSlider *groove : grooves)
            groove->repaint();
        Bench::Window::settle();
    }
}
BENCHMARK(BM_AdjusterSliderStep)
        ->ArgNames({"model", "channel"})
        ->Args({0, 2}) // HSL lightness
        ->Args({3, 0}) // OKLCH lightness: chroma and hue grooves anew, much of them outside
        ->Args({3, 1}) // OKLCH chroma
        ->Args({4, 1}) // Lab a
        ->Unit(benchmark::kMicrosecond);

// All fifteen grooves of the five models at 256 samples, as a color from elsewhere makes them.
void BM_AllGrooves(benchmark::State &state)
{
    int red = 0;
    for (auto _ : state) {
        const Color::ColorValue color = Color::pack(red++ % 256, 0x66, 0xCC);
        for (ColorModel::Model model : ColorModel::allModels) {
            const ColorModel::Position p = ColorModel::positionOf(model, color);
            for (int channel = 0; channel < 3; ++channel)
                benchmark::DoNotOptimize(ColorModel::groove(model, p, channel, 256));
        }
    }
}
BENCHMARK(BM_AllGrooves)->Unit(benchmark::kMicrosecond);

// A photograph's worth of colors: smooth gradients with sensor noise, so that most of the
// 32768 histogram bins are filled, at 6000 x 4000.
const std::vector<quint32> &photo()
{
    static const std::vector<quint32> pixels = [] {
        constexpr int width = 6000;
        constexpr int height = 4000;
        std::vector<quint32> p(size_t(width) * height);
        std::mt19937 random(3);
        std::uniform_int_distribution<int> noise(-12, 12);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const auto channel = [&](int v) {
                    return quint32(std::clamp(v + noise(random), 0, 255));
                };
                const quint32 r = channel(x * 255 / width);
                const quint32 g = channel(y * 255 / height);
                const quint32 b = channel(((x + y) / 40) % 256);
                p[size_t(y) * width + size_t(x)] = 0xFF000000 | (r << 16) | (g << 8) | b;
            }
        }
        return p;
    }();
    return pixels;
}

void BM_DominantColors(benchmark::State &state)
{
    const std::vector<quint32> &pixels = photo();
    const DominantColors::Pixels view {pixels.data(), 6000, 4000, 6000};
    const int count = int(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(DominantColors::find(view, count));
}
BENCHMARK(BM_DominantColors)->ArgName("colors")->Arg(8)->Arg(64)->Unit(benchmark::kMillisecond);

// The photograph as a file: format 0 a JPEG of quality 90 (as cameras write them), 1 a PNG.
QString photoFile(int format)
{
    static QString files[2];
    QString &file = files[format];
    if (file.isEmpty()) {
        const std::vector<quint32> &pixels = photo();
        const QImage image(reinterpret_cast<const uchar *>(pixels.data()), 6000, 4000, 6000 * 4,
                           QImage::Format_RGB32);
        file = Bench::scratchPath(format == 0 ? QStringLiteral("photo.jpg")
                                              : QStringLiteral("photo.png"));
        if (!image.save(file, format == 0 ? "JPG" : "PNG", format == 0 ? 90 : -1))
            qFatal("cannot write the photograph");
    }
    return file;
}

void formats(benchmark::internal::Benchmark *b)
{
    b->ArgName("png")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
}

void BM_ImagePaletteDecode(benchmark::State &state)
{
    const QString file = photoFile(int(state.range(0)));
    state.SetLabel(
            QStringLiteral("%1 MB").arg(QFileInfo(file).size() / 1e6, 0, 'f', 1).toStdString());
    for (auto _ : state) {
        const QImage image = ImagePalette::read(file);
        if (image.width() != 6000)
            qFatal("the photograph did not decode");
    }
}
BENCHMARK(BM_ImagePaletteDecode)->Apply(formats);

// The pixels as decoded, clustered into the 8 colors the question starts with, and named.
void BM_ImagePaletteColors(benchmark::State &state)
{
    const QImage image = ImagePalette::read(photoFile(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(ImagePalette::colors(image, QStringLiteral("photo.jpg"), 8));
}
BENCHMARK(BM_ImagePaletteColors)->Unit(benchmark::kMillisecond);

// The photograph imported in the window as Import Palette imports it (here as named on the
// command line, which skips only the file dialog), 8 colors, until the list is painted.
void BM_ImagePaletteImport(benchmark::State &state)
{
    const QString file = photoFile(int(state.range(0)));
    Bench::Window window;
    Bench::resetPeak();
    for (auto _ : state) {
        window.form().openFiles({file});
        Bench::Window::settle();
    }
    if (window.form().colorList()->list().count() != 8)
        qFatal("the photograph gave no palette");
    Bench::reportMemory(state);
}
BENCHMARK(BM_ImagePaletteImport)->Apply(formats);

} // namespace
