// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color/color.h"

#include <array>

// The color spaces of CSS Color Level 4 and the conversions between them, in doubles, after
// the published CSS Color 4 sample code (the same matrices, white points and transfer
// functions), and its gamut mapping into sRGB. Plain functions; nothing here allocates.
namespace Tintora::ColorSpace {

using Triple = std::array<double, 3>;

// ---- sRGB and the other RGB spaces: gamma-encoded <-> linear light ----
// The transfer functions are extended to negative values by reflection, as CSS Color 4
// does, so that colors outside a gamut keep their meaning on the way through.

double srgbToLinear(double encoded);
double linearToSrgb(double linear);
Triple srgbToLinear(const Triple &encoded);
Triple linearToSrgb(const Triple &linear);

Triple linearSrgbToXyz65(const Triple &rgb);
Triple xyz65ToLinearSrgb(const Triple &xyz);

// display-p3, a98-rgb, rec2020 (D65) and prophoto-rgb (D50), gamma-encoded, to XYZ.
Triple displayP3ToXyz65(const Triple &encoded);
Triple a98RgbToXyz65(const Triple &encoded);
Triple rec2020ToXyz65(const Triple &encoded);
Triple prophotoRgbToXyz50(const Triple &encoded);

// Bradford adaptation between the D65 and D50 white points.
Triple xyz65ToXyz50(const Triple &xyz);
Triple xyz50ToXyz65(const Triple &xyz);

// ---- CIE Lab and LCH (D50), Oklab and Oklch (D65) ----
// Lab: L 0..100. Oklab: L 0..1. Hues in degrees; the hue of a color without chroma is 0.

Triple xyz50ToLab(const Triple &xyz);
Triple labToXyz50(const Triple &lab);
Triple xyz65ToOklab(const Triple &xyz);
Triple oklabToXyz65(const Triple &oklab);
// The same into linear-light sRGB in one step each (one matrix for two): what reading Lab and
// Oklab colors uses. Within rounding of the two-step conversions.
Triple xyz50ToLinearSrgb(const Triple &xyz);
Triple oklabToLinearSrgb(const Triple &oklab);
// Rectangular (L, a, b) <-> polar (L, C, H), for both Lab and Oklab.
Triple toPolar(const Triple &lab);
Triple toRectangular(const Triple &lch);
// The same in two steps, for many chromas of one hue: the hue's (cos, sin), then the color.
std::array<double, 2> hueDirection(double hue);
Triple toRectangular(double lightness, double chroma, const std::array<double, 2> &direction);

// ---- HSL, HSV and HWB: other coordinates of gamma-encoded sRGB ----
// Hue in degrees (any value, taken modulo 360); saturation, lightness, whiteness and blackness
// in percent, 0..100. The results of the *ToSrgb functions are encoded sRGB, 0..1 for inputs
// within those ranges.

Triple hslToSrgb(double hue, double saturation, double lightness);
// Hue 0..360 (0 for grays), saturation and lightness 0..100.
Triple srgbToHsl(const Triple &encoded);
Triple hwbToSrgb(double hue, double whiteness, double blackness);
Triple srgbToHwb(const Triple &encoded);
// HSV (also called HSB): hue in degrees, saturation and value in percent, 0..100.
Triple hsvToSrgb(double hue, double saturation, double value);
// Hue 0..360 (0 for grays), saturation 0 for grays and black.
Triple srgbToHsv(const Triple &encoded);

// ---- Into an 8-bit color value ----

// Gamma-encoded sRGB already inside the gamut (or to be clipped without a second look), each
// channel clamped to 0..1 and rounded to the nearest of 0..255, halves up.
Color::ColorValue roundSrgb(const Triple &encoded);
// Linear-light sRGB inside the gamut, rounded in the encoded space (as roundSrgb would round
// linearToSrgb of it) but without a power function: each channel is compared with the linear
// values of the 255 midpoints between neighbouring 8-bit levels.
Color::ColorValue roundLinearSrgb(const Triple &linear);
// roundLinearSrgb(linear) == color, stopping at the first channel that differs.
bool linearSrgbRoundsTo(const Triple &linear, Color::ColorValue color);

// Whether linear-light sRGB lies inside the gamut. A channel a few parts in a billion outside
// [0, 1] counts as inside: arithmetic on colors at the gamut's edge lands there.
bool inSrgbGamut(const Triple &linear);

// The CSS Color 4 gamut mapping into sRGB of a color given in linear-light sRGB (any values):
// a color inside the gamut is kept; otherwise its Oklch chroma is reduced by binary search
// until clipping the result into sRGB changes it by less than the just-noticeable difference
// deltaEOK 0.02; lightness at or beyond white or black gives white or black. Returns
// linear-light sRGB inside the gamut.
Triple gamutMapLinearSrgb(const Triple &origin);

// The 8-bit color of a color in linear-light sRGB or XYZ (D65): gamut-mapped, then rounded.
Color::ColorValue linearSrgbToColor(const Triple &linear);
Color::ColorValue xyz65ToColor(const Triple &xyz);

// The gamma-encoded sRGB channels of an 8-bit color, each level / 255.
Triple colorToSrgb(Color::ColorValue color);
// The same in linear light (srgbToLinear of each, from a table).
Triple colorToLinearSrgb(Color::ColorValue color);

} // namespace Tintora::ColorSpace
