// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color/color.h"
#include "color/colorspace.h"

#include <array>
#include <vector>

// The models a color is adjusted in: HSL, HSV, HWB, OKLCH and CIE Lab. Each is one row of a
// table: its three channels with their ranges and units, and how a position in it becomes a
// color. A position is three numbers in the channels' own units (degrees, percent, or the CSS
// reference ranges); OKLCH and Lab reach beyond sRGB, and such a position gives the CSS Color 4
// gamut-mapped color.
namespace Tintora::ColorModel {

using Color::ColorValue;
using ColorSpace::Triple;
using Position = std::array<double, 3>;

enum class Model { Hsl, Hsv, Hwb, Oklch, Lab };
inline constexpr int kModelCount = 5;
inline constexpr std::array<Model, kModelCount> allModels {Model::Hsl, Model::Hsv, Model::Hwb,
                                                           Model::Oklch, Model::Lab};

enum class Unit { Degrees, Percent, Number };

struct Channel
{
    const char *key;  // in object names: "Hue", "Saturation", ...
    const char *name; // shown (translated in the "Tintora::ColorModel" context)
    double minimum;
    double maximum;
    Unit unit;
    int decimals; // the channel's resolution: steps of 10^-decimals
    bool isHue;   // 360 wraps to 0
};

// What a position gives: the 8-bit color, and whether the position itself lies in sRGB (when
// not, the color is the gamut-mapped one).
struct Result
{
    ColorValue color = 0;
    bool inSrgb = true;
};

struct ModelRow
{
    Model model;
    const char *key;  // "Hsl", ...
    const char *name; // "HSL", ... (the same in every language)
    std::array<Channel, 3> channels;
    bool reachesBeyondSrgb;
    Position (*positionOf)(ColorValue color);
    Result (*evaluate)(const Position &position);
    // Where the color alone leaves a channel undefined (the hue of a gray, the saturation of
    // black), puts back the value it had before, so that a hue survives a pass through gray.
    void (*keepUndefined)(Position &fresh, const Position &before);
};

extern const std::array<ModelRow, kModelCount> models;

const ModelRow &row(Model model);

// The position of an 8-bit color; hues 0..360 (0 for grays).
Position positionOf(Model model, ColorValue color);
// The color a position gives (gamut-mapped when outside sRGB) and whether it is inside.
Result evaluate(Model model, const Position &position);
inline ColorValue toColor(Model model, const Position &position)
{
    return evaluate(model, position).color;
}

// A channel's value moved into its range (hues wrap, 360 stays 360) and rounded to its
// resolution.
double normalized(const Channel &channel, double value);

// The colors along a channel with the other two held: samples positions from the channel's
// minimum to its maximum, both included, and which of them lie outside sRGB.
struct Groove
{
    std::vector<ColorValue> colors;
    std::vector<bool> outside;
    bool anyOutside = false;
};
Groove groove(Model model, const Position &position, int channel, int samples);

} // namespace Tintora::ColorModel
