// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color/color.h"

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// Colors as text: written in the notations people paste into stylesheets and code, and read
// from any CSS Color Level 4 <color> or the bare forms people copy from elsewhere.
//
// Every color value comes back from its own text: parseColor(format(color, form)) == color for
// each of the 16,777,216 colors and every form, and each number is written with as few digits
// as that allows.
namespace Tintora::Notation {

enum class Form {
    Hex,          // #FF8000
    HexLowercase, // #ff8000
    HexBare,      // FF8000
    Rgb,          // rgb(255 128 0)
    RgbCommas,    // rgb(255, 128, 0)
    Hsl,          // hsl(30 100% 50%)
    Hwb,          // hwb(30 0% 0%)
    Lab,          // lab(68 46 75)            CIE Lab, D50, L 0..100
    Lch,          // lch(67.8 88 59)
    Oklab,        // oklab(0.732 0.112 0.15)  L 0..1
    Oklch,        // oklch(0.732 0.186 53)
    ColorSrgb,    // color(srgb 1 0.5 0)
    HexNumber,    // 0xFF8000
    Bytes,        // 255, 128, 0
    Fractions,    // 1.0, 0.5, 0.0  (0..1; whole numbers keep ".0" so they never read as bytes)
};

inline constexpr std::array<Form, 15> allForms {
        Form::Hex,   Form::HexLowercase, Form::HexBare,   Form::Rgb,   Form::RgbCommas,
        Form::Hsl,   Form::Hwb,          Form::Lab,       Form::Lch,   Form::Oklab,
        Form::Oklch, Form::ColorSrgb,    Form::HexNumber, Form::Bytes, Form::Fractions};

// The color in the given form. Hues are degrees in 0..360 (0 for grays).
QString format(Color::ColorValue color, Form form);

// Reads one CSS Color Level 4 <color>, ASCII case-insensitively, with white space around it:
// - the 148 named colors;
// - #rgb, #rgba, #rrggbb, #rrggbbaa;
// - rgb()/rgba() and hsl()/hsla(), in the comma syntax (rgb with all numbers or all
//   percentages, hsl with percentages) and the space syntax (numbers, percentages and `none`
//   mixed freely);
// - hwb(), lab(), lch(), oklab(), oklch();
// - color() in srgb, srgb-linear, display-p3, a98-rgb, prophoto-rgb, rec2020, xyz, xyz-d50 and
//   xyz-d65.
// Hues take numbers (degrees) and deg, rad, grad and turn. An alpha value is checked and then
// ignored: the result is opaque. `none` counts as zero. Components beyond their range are
// clamped where CSS clamps them (rgb, hsl and hwb channels; Lab and Oklab lightness; negative
// chroma); colors outside sRGB are brought in by the CSS gamut mapping (Oklch chroma reduced,
// deltaEOK 0.02), then every channel is rounded to 8 bits.
// Nothing else is a color here: no keywords such as transparent or currentcolor, no system
// colors, no calc(), no comments. Returns nothing for text that is not a color.
std::optional<Color::ColorValue> parseCssColor(QStringView text);

// parseCssColor, and the bare forms that come from outside stylesheets: six hex digits without
// "#", 0x and six hex digits, and three numbers separated by commas or by spaces: whole numbers
// 0..255 as bytes, or, when any of them has a decimal point or an exponent, fractions 0..1.
std::optional<Color::ColorValue> parseColor(QStringView text);

// The number of named colors, and the name and value of one, in alphabetical order.
qsizetype namedColorCount();
QString namedColorName(qsizetype index);
Color::ColorValue namedColorValue(qsizetype index);

} // namespace Tintora::Notation
