// SPDX-License-Identifier: GPL-3.0-or-later
#include "color/colormodel.h"

#include "core/vectorstate.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>

namespace Tintora::ColorModel {

namespace {

using namespace ColorSpace;

// Below these an 8-bit color has no hue to speak of: an exact gray still comes out of the
// matrices with a chroma of a few parts in a hundred million.
constexpr double kNoChroma = 5e-5;
constexpr double kNoPercent = 1e-6;

bool near(double value, double target, double tolerance = kNoPercent)
{
    return std::abs(value - target) <= tolerance;
}

constexpr Channel hue {
        "Hue", QT_TRANSLATE_NOOP("Tintora::ColorModel", "Hue"), 0, 360, Unit::Degrees, 1, true};

constexpr Channel percent(const char *key, const char *name)
{
    return {key, name, 0, 100, Unit::Percent, 1, false};
}

Result narrow(const Triple &encoded)
{
    return {roundSrgb(encoded), true};
}

Result wide(const Triple &linear)
{
    if (inSrgbGamut(linear))
        return {roundLinearSrgb(linear), true};
    return {linearSrgbToColor(linear), false};
}

// ---- HSL ----

Position hslOf(ColorValue color)
{
    return srgbToHsl(colorToSrgb(color));
}

Result hslEvaluate(const Position &p)
{
    return narrow(hslToSrgb(p[0], p[1], p[2]));
}

void hslKeep(Position &fresh, const Position &before)
{
    const bool blackOrWhite = near(fresh[2], 0) || near(fresh[2], 100);
    if (blackOrWhite || near(fresh[1], 0))
        fresh[0] = before[0];
    if (blackOrWhite)
        fresh[1] = before[1];
}

// ---- HSV ----

Position hsvOf(ColorValue color)
{
    return srgbToHsv(colorToSrgb(color));
}

Result hsvEvaluate(const Position &p)
{
    return narrow(hsvToSrgb(p[0], p[1], p[2]));
}

void hsvKeep(Position &fresh, const Position &before)
{
    const bool black = near(fresh[2], 0);
    if (black || near(fresh[1], 0))
        fresh[0] = before[0];
    if (black)
        fresh[1] = before[1];
}

// ---- HWB ----

Position hwbOf(ColorValue color)
{
    return srgbToHwb(colorToSrgb(color));
}

Result hwbEvaluate(const Position &p)
{
    return narrow(hwbToSrgb(p[0], p[1], p[2]));
}

void hwbKeep(Position &fresh, const Position &before)
{
    if (fresh[1] + fresh[2] >= 100 - kNoPercent)
        fresh[0] = before[0];
}

// ---- OKLCH: lightness in percent ----

Position oklchOf(ColorValue color)
{
    Triple lch = toPolar(xyz65ToOklab(linearSrgbToXyz65(colorToLinearSrgb(color))));
    lch[0] *= 100;
    if (lch[1] < kNoChroma)
        lch[1] = lch[2] = 0;
    for (double edge : {0.0, 100.0}) {
        if (near(lch[0], edge, 1e-9))
            lch[0] = edge;
    }
    return lch;
}

Result oklchEvaluate(const Position &p)
{
    // At or beyond either end the mapping gives white or black; decided here on the position
    // itself, before a round trip through the matrices can leave white a hair below 100%.
    if (p[0] >= 100 || p[0] <= 0)
        return {p[0] > 0 ? Color::pack(255, 255, 255) : 0, p[1] <= 0};
    return wide(xyz65ToLinearSrgb(oklabToXyz65(toRectangular({p[0] / 100, p[1], p[2]}))));
}

void oklchKeep(Position &fresh, const Position &before)
{
    const bool blackOrWhite = fresh[0] <= 0 || fresh[0] >= 100;
    if (blackOrWhite || fresh[1] < kNoChroma)
        fresh[2] = before[2];
    if (blackOrWhite)
        fresh[1] = before[1];
}

// ---- CIE Lab (D50) ----

Position labOf(ColorValue color)
{
    Triple lab = xyz50ToLab(xyz65ToXyz50(linearSrgbToXyz65(colorToLinearSrgb(color))));
    if (std::hypot(lab[1], lab[2]) < kNoChroma)
        lab[1] = lab[2] = 0;
    return lab;
}

Result labEvaluate(const Position &p)
{
    return wide(xyz65ToLinearSrgb(xyz50ToXyz65(labToXyz50(p))));
}

void labKeep(Position & /*position*/, const Position & /*previous*/)
{
    // a and b say all there is of the color; nothing of them is undefined.
}

} // namespace

const std::array<ModelRow, kModelCount> models {{
        {Model::Hsl,
         "Hsl",
         "HSL",
         {hue, percent("Saturation", QT_TRANSLATE_NOOP("Tintora::ColorModel", "Saturation")),
          percent("Lightness", QT_TRANSLATE_NOOP("Tintora::ColorModel", "Lightness"))},
         false,
         hslOf,
         hslEvaluate,
         hslKeep},
        {Model::Hsv,
         "Hsv",
         "HSV",
         {hue, percent("Saturation", QT_TRANSLATE_NOOP("Tintora::ColorModel", "Saturation")),
          percent("Value", QT_TRANSLATE_NOOP("Tintora::ColorModel", "Value"))},
         false,
         hsvOf,
         hsvEvaluate,
         hsvKeep},
        {Model::Hwb,
         "Hwb",
         "HWB",
         {hue, percent("Whiteness", QT_TRANSLATE_NOOP("Tintora::ColorModel", "Whiteness")),
          percent("Blackness", QT_TRANSLATE_NOOP("Tintora::ColorModel", "Blackness"))},
         false,
         hwbOf,
         hwbEvaluate,
         hwbKeep},
        {Model::Oklch,
         "Oklch",
         "OKLCH",
         {percent("Lightness", QT_TRANSLATE_NOOP("Tintora::ColorModel", "Lightness")),
          Channel {"Chroma", QT_TRANSLATE_NOOP("Tintora::ColorModel", "Chroma"), 0, 0.4,
                   Unit::Number, 3, false},
          hue},
         true,
         oklchOf,
         oklchEvaluate,
         oklchKeep},
        {Model::Lab,
         "Lab",
         "CIE Lab",
         {Channel {"Lightness", QT_TRANSLATE_NOOP("Tintora::ColorModel", "Lightness"), 0, 100,
                   Unit::Number, 1, false},
          Channel {"A", QT_TRANSLATE_NOOP("Tintora::ColorModel", "a (green-red)"), -125, 125,
                   Unit::Number, 1, false},
          Channel {"B", QT_TRANSLATE_NOOP("Tintora::ColorModel", "b (blue-yellow)"), -125, 125,
                   Unit::Number, 1, false}},
         true,
         labOf,
         labEvaluate,
         labKeep},
}};

const ModelRow &row(Model model)
{
    return models[size_t(model)];
}

Position positionOf(Model model, ColorValue color)
{
    return row(model).positionOf(color);
}

Result evaluate(Model model, const Position &position)
{
    return row(model).evaluate(position);
}

double normalized(const Channel &channel, double value)
{
    if (!std::isfinite(value))
        value = channel.minimum;
    if (channel.isHue && (value < 0 || value > 360)) {
        value = std::fmod(value, 360.0);
        if (value < 0)
            value += 360;
    }
    const double scale = std::pow(10.0, channel.decimals);
    value = std::round(value * scale) / scale;
    return std::clamp(value, channel.minimum, channel.maximum);
}

Groove groove(Model model, const Position &position, int channel, int samples)
{
    VectorState::clearUpper();
    samples = std::max(samples, 2);
    const ModelRow &r = row(model);
    const Channel &c = r.channels[size_t(channel)];
    Groove g;
    g.colors.resize(size_t(samples));
    g.outside.resize(size_t(samples));
    Position p = position;
    for (int i = 0; i < samples; ++i) {
        p[size_t(channel)] = c.minimum + (c.maximum - c.minimum) * i / (samples - 1);
        const Result result = r.evaluate(p);
        g.colors[size_t(i)] = result.color;
        g.outside[size_t(i)] = !result.inSrgb;
        g.anyOutside = g.anyOutside || !result.inSrgb;
    }
    return g;
}

} // namespace Tintora::ColorModel
