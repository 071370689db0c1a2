// SPDX-License-Identifier: GPL-3.0-or-later
// Colors as text: writing each notation (Copy As writes all fifteen when its menu opens) and
// reading each back (Paste Color, drops, and palette files that carry CSS colors).
#include "benchsupport.h"

#include "color/notation.h"

using namespace Tintora;

namespace {

// Colors spread over the whole cube, the same on every run.
std::vector<Color::ColorValue> sampleColors()
{
    std::vector<Color::ColorValue> colors;
    Color::ColorValue color = 0x123456;
    for (int i = 0; i < 4096; ++i) {
        colors.push_back(color);
        color = (color * 1103515245u + 12345u) & 0xFFFFFFu;
    }
    return colors;
}

const char *formName(Notation::Form form)
{
    static const char *const names[] = {"Hex",   "HexLowercase", "HexBare",   "Rgb",   "RgbCommas",
                                        "Hsl",   "Hwb",          "Lab",       "Lch",   "Oklab",
                                        "Oklch", "ColorSrgb",    "HexNumber", "Bytes", "Fractions"};
    return names[int(form)];
}

void formatForm(benchmark::State &state, Notation::Form form)
{
    Bench::resetPeak();
    const std::vector<Color::ColorValue> colors = sampleColors();
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(Notation::format(colors[i++ & 4095], form));
    Bench::reportMemory(state);
}

void parseForm(benchmark::State &state, Notation::Form form)
{
    Bench::resetPeak();
    QStringList texts;
    for (const Color::ColorValue color : sampleColors())
        texts.append(Notation::format(color, form));
    qsizetype i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(Notation::parseColor(texts[i++ & 4095]));
    Bench::reportMemory(state);
}

// Texts as stylesheets write them, including colors outside sRGB that need the gamut mapping.
void parseText(benchmark::State &state, const char *text)
{
    const QString color = QString::fromLatin1(text);
    for (auto _ : state)
        benchmark::DoNotOptimize(Notation::parseColor(color));
}

const bool registered = [] {
    for (const Notation::Form form : Notation::allForms) {
        benchmark::RegisterBenchmark((std::string("BM_FormatNotation/") + formName(form)).c_str(),
                                     formatForm, form);
        benchmark::RegisterBenchmark((std::string("BM_ParseNotation/") + formName(form)).c_str(),
                                     parseForm, form);
    }
    const std::pair<const char *, const char *> texts[] = {
            {"Named", "rebeccapurple"},           {"OklchPercent", "  oklch(70% 0.1 250)  "},
            {"HslTurn", "hsl(0.25turn 50% 50%)"}, {"DisplayP3Mapped", "color(display-p3 1 0 0)"},
            {"LabMapped", "lab(50 100 -100)"},
    };
    for (const auto &[name, text] : texts)
        benchmark::RegisterBenchmark((std::string("BM_ParseText/") + name).c_str(), parseText,
                                     text);
    return true;
}();

} // namespace
