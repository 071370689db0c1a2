// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color/color.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

// How readable one color is on another: the WCAG 2.x contrast ratio, the APCA lightness
// contrast, the nearest readable color of the same hue, and colors as people with a color
// vision deficiency see them. Plain functions of color values; nothing here touches a widget.
namespace Tintora::Contrast {

using Color::ColorValue;

// ---- WCAG 2.x ----

// Relative luminance of an sRGB color, 0 (black) to 1 (white). WCAG 2.x writes the linear
// segment's threshold as 0.03928 and IEC 61966-2-1 as 0.04045; no 8-bit channel value lies
// between the two (10/255 = 0.0392, 11/255 = 0.0431), so both give the same numbers here.
double relativeLuminance(ColorValue color);

// (lighter + 0.05) / (darker + 0.05), 1 to 21; the order of the arguments does not matter.
double contrastRatio(ColorValue first, ColorValue second);

enum class Level { AaNormal, AaLarge, AaaNormal, AaaLarge };
inline constexpr std::array<Level, 4> allLevels {Level::AaNormal, Level::AaLarge, Level::AaaNormal,
                                                 Level::AaaLarge};

// 4.5, 3, 7 and 4.5.
double minimumRatio(Level level);
// "AA normal text", "AA large text", "AAA normal text", "AAA large text".
QString levelName(Level level);

// A ratio is shown and judged by the same number: its hundredths, truncated. Rounding would
// show 4.497 as "4.50:1" next to a fail; truncated it reads 4.49, so the number on screen never
// contradicts the verdict, and a ratio passes exactly when the shown number reaches the
// threshold. (A tolerance far below a hundredth keeps 21 computed as 20.999999999999996 at
// 2100.)
int ratioHundredths(double ratio);
// "4.47:1": two decimals, truncated as above.
QString formatRatio(double ratio);
bool passes(double ratio, double minimum);
bool passes(double ratio, Level level);

// ---- APCA ----

// Lightness contrast Lc of text on a background, APCA-W3 0.0.98G-4g. Positive for dark text on
// a lighter background, negative for light text on a darker one; about -108 to 106.
double apcaContrast(ColorValue text, ColorValue background);

// What a lightness contrast is good for, weakest first; judged on |Lc| truncated to tenths, the
// number that formatLc shows.
enum class ApcaUse {
    NotReadable, // below 15
    NonText,     // 15: the least for anything meant to be seen (dividers, outlines)
    SpotText,    // 30: placeholders, disabled text, copyright lines, icons
    LargeText,   // 45: large text and headlines
    ContentText, // 60: the least for body text; other content text
    BodyText,    // 75: the preferred least for columns of body text
};
ApcaUse apcaUse(double lc);
// The least |Lc| of a use (0, 15, 30, 45, 60, 75).
double apcaMinimum(ApcaUse use);
// The reading shown beside an Lc, e.g. "Large text and headlines".
QString apcaReading(double lc);
// "Lc 63.0", "Lc -68.5": one decimal, truncated toward zero like the ratio.
QString formatLc(double lc);

// ---- Fix: the nearest readable color of the same hue ----

// Perceptual lightness of a color: L of Oklab, 0 (black) to 1 (white).
double lightness(ColorValue color);

// The color with the given Oklab lightness that keeps the hue of color (its Oklch hue) and as
// much of its chroma as the sRGB gamut allows at that lightness, rounded to 8 bits. Lightness
// 0 gives black and 1 white.
ColorValue withLightness(ColorValue color, double lightness);

// Every 8-bit color that withLightness gives for the hue of color, in order of lightness from
// black to white: the colors among which Fix chooses.
std::vector<ColorValue> sameHueColors(ColorValue color);

// Whether some text color reaches minimum against the background. Black and white are the ends
// of every hue's lightness range, so exactly when one of them does; then every hue has a fix.
bool fixExists(ColorValue background, double minimum);

// The text color of the same hue, reached by changing lightness only, that reaches minimum
// against the background with the smallest change of lightness; the text color itself when it
// passes already. Lighter and darker are both searched. Nothing when !fixExists.
std::optional<ColorValue> fixTextColor(ColorValue text, ColorValue background, double minimum);
std::optional<ColorValue> fixTextColor(ColorValue text, ColorValue background, Level level);

// ---- Color vision deficiency ----

enum class Vision { Protanopia, Deuteranopia, Tritanopia, Achromatopsia };
inline constexpr std::array<Vision, 4> allVisions {Vision::Protanopia, Vision::Deuteranopia,
                                                   Vision::Tritanopia, Vision::Achromatopsia};
// "Protanopia", "Deuteranopia", "Tritanopia", "Achromatopsia".
QString visionName(Vision vision);

// The color as seen with the given deficiency, applied in linear RGB. The three dichromacies
// use the model of Machado, Oliveira and Fernandes (2009) at severity 1; achromatopsia keeps
// only the relative luminance (a gray of the same luminance, so its contrast ratios equal the
// ordinary ones up to rounding to 8 bits).
ColorValue simulate(ColorValue color, Vision vision);

} // namespace Tintora::Contrast
