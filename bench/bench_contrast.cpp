// SPDX-License-Identifier: GPL-3.0-or-later
// What the contrast checker adds to a color change: with the checker open, every step of a drag
// refreshes its verdicts and strips. And the searches behind its buttons.
#include "benchsupport.h"

#include "color/contrast.h"
#include "color/lightnessstrip.h"
#include "ui/contrastchecker.h"

#include <QRadioButton>
#include <QScrollBar>

namespace {

// Steps of the red bar with the checker open (checker = 1) or closed (0), the background or
// Text Sample 1 being set: the background changes every verdict and its strip, a sample its
// own column and strip.
void BM_ScrollStepWithChecker(benchmark::State &state)
{
    const bool open = state.range(0) != 0;
    const bool background = state.range(1) != 0;
    Bench::Window window(false);
    if (open)
        window.form().ContrastChecker1Click();
    if (!background)
        window.child<QRadioButton>("RadioButton2")->click();
    auto *bar = window.child<QScrollBar>("RScrollBar1");
    Bench::Window::settle();

    bool flip = false;
    for (auto _ : state) {
        bar->setValue(flip ? 101 : 100);
        Bench::Window::settle(); // the checker's repaint is part of the step
        flip = !flip;
    }
    const auto *checker = window.form().findChild<Tintora::ContrastChecker *>();
    if (open != (checker && checker->isVisible()))
        qFatal("The checker was not as asked");
}
BENCHMARK(BM_ScrollStepWithChecker)
        ->ArgNames({"checker", "background"})
        ->ArgsProduct({{0, 1}, {0, 1}})
        ->Unit(benchmark::kMicrosecond);

// "Fix background": every color of the background's hue weighed against both samples.
void BM_FixBackground(benchmark::State &state)
{
    const std::array<Tintora::Color::ColorValue, 2> samples {
            Tintora::Color::pack(0, 0, 0), Tintora::Color::pack(0x20, 0x20, 0x20)};
    for (auto _ : state)
        benchmark::DoNotOptimize(Tintora::Contrast::fixBackgroundColor(
                Tintora::Color::pack(0xD9, 0x82, 0x2B), samples, 7.0));
}
BENCHMARK(BM_FixBackground)->Unit(benchmark::kMillisecond);

// A strip of a new hue, a cell a pixel, as a drag of the bars rebuilds it at every step.
void BM_LightnessStrip(benchmark::State &state)
{
    int red = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Tintora::Contrast::LightnessStrip(
                Tintora::Color::pack(red, 0x82, 0x2B), int(state.range(0))));
        red = (red + 1) & 255;
    }
}
BENCHMARK(BM_LightnessStrip)->Arg(200)->Arg(400)->Unit(benchmark::kMicrosecond);

} // namespace
