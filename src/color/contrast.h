// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color/color.h"

#include <QLocale>
#include <QString>

#include <array>
#include <optional>
#include <span>
#include <vector>

// How readable one color is on another: the WCAG 2.x contrast ratio, the APCA lightness
// contrast, the nearest readable color of the same hue, and colors as people with a color
// vision deficiency see them. Plain functions of color values; nothing here touches a widget.
// The texts write their numbers as the locale given writes them ("4,47:1" in German); the C
// locale, the default, writes them as CSS and the command line do ("4.47:1").
namespace Tintora::Contrast {

using Color::ColorValue;

// ---- WCAG 2.x ----

// Relative luminance of an sRGB color, 0 (black) to 1 (white). WCAG 2.x writes the linear
// segment's threshold as 0.03928 and IEC 61966-2-1 as 0.04045; no 8-bit channel value lies
// between the two (10/255 = 0.0392, 11/255 = 0.0431), so both give the same numbers here.
double relativeLuminance(ColorValue color);

// (lighter + 0.05) / (darker + 0.05), 1 to 21; the order of the arguments does not matter.
double contrastRatio(ColorValue first, ColorValue second);

// The contrast rules of WCAG 2.2, each a success criterion at a conformance level. Large text
// is at least 18 pt, or 14 pt bold (24 px, or about 18.7 px bold). Non-text is what 1.4.11
// asks of icons, borders and the parts of controls drawn in the color.
enum class Level { AaNormal, AaLarge, AaaNormal, AaaLarge, NonText };

struct LevelRule
{
    Level level;
    const char *key;         // part of the names of the controls that show it, "AaNormal"
    const char *criterion;   // the success criterion's number, "1.4.3"
    const char *conformance; // "AA" or "AAA"
    const char *appliesTo;   // "normal text", "large text", "non-text"
    double minimum;          // the least ratio, never rounded
};

inline constexpr std::array<LevelRule, 5> levelRules {{
        {Level::AaNormal, "AaNormal", "1.4.3", "AA", QT_TRANSLATE_NOOP("Contrast", "normal text"),
         4.5},
        {Level::AaLarge, "AaLarge", "1.4.3", "AA", QT_TRANSLATE_NOOP("Contrast", "large text"),
         3.0},
        {Level::AaaNormal, "AaaNormal", "1.4.6", "AAA",
         QT_TRANSLATE_NOOP("Contrast", "normal text"), 7.0},
        {Level::AaaLarge, "AaaLarge", "1.4.6", "AAA", QT_TRANSLATE_NOOP("Contrast", "large text"),
         4.5},
        {Level::NonText, "NonText", "1.4.11", "AA", QT_TRANSLATE_NOOP("Contrast", "non-text"), 3.0},
}};
// levelRule() finds a rule by its level's value: every row stands in its own place.
static_assert([] {
    for (size_t i = 0; i < levelRules.size(); ++i) {
        if (levelRules[i].level != Level(i))
            return false;
    }
    return true;
}());
// The levels in the order of their rules.
inline constexpr std::array<Level, levelRules.size()> allLevels = [] {
    std::array<Level, levelRules.size()> levels {};
    for (size_t i = 0; i < levelRules.size(); ++i)
        levels[i] = levelRules[i].level;
    return levels;
}();

const LevelRule &levelRule(Level level);
double minimumRatio(Level level);
// "1.4.3 AA normal text": the rule by its number and level.
QString levelName(Level level);

// Two text colors side by side, a link among body text: WCAG's technique G183 for 1.4.1 (Use of
// Color) asks 3:1 between them when color alone tells them apart.
inline constexpr double textAgainstTextMinimum = 3.0;

// A ratio is shown and judged by the same number: its hundredths, truncated. Rounding would
// show 4.497 as "4.50:1" next to a fail; truncated it reads 4.49, so the number on screen never
// contradicts the verdict, and a ratio passes exactly when the shown number reaches the
// threshold. (A tolerance of a few units in the last place keeps 21 computed as
// 20.999999999999996 at 2100; it lets nothing through that the arithmetic can tell apart.)
int ratioHundredths(double ratio);
// "4.47:1": two decimals, truncated as above.
QString formatRatio(double ratio, const QLocale &locale = QLocale::c());
// "4.5", "3", "7": a minimum as people quote it.
QString formatMinimum(double minimum, const QLocale &locale = QLocale::c());
bool passes(double ratio, double minimum);
bool passes(double ratio, Level level);
// A fail that a ratio rounded to one decimal would have passed (4.45 to 4.49 for 4.5): the
// case where another tool says "4.5:1" and this one says fail.
bool justBelow(double ratio, double minimum);
// "4.47:1", or "4.49:1, just below 4.5:1" when the ratio is just below one of the minimums
// (the first in their order): only a row's own minimums, so that a row judged by 3:1 alone
// never speaks of 4.5:1.
QString describeRatio(double ratio, std::span<const double> minimums,
                      const QLocale &locale = QLocale::c());
// The same against the minimums of levelRules.
QString describeRatio(double ratio, const QLocale &locale = QLocale::c());
// "4.49:1, just below 4.5:1" for the ratio's text and the minimum it falls short of.
QString justBelowText(const QString &ratioText, double minimum,
                      const QLocale &locale = QLocale::c());

// ---- APCA ----

// Lightness contrast Lc of text on a background, APCA-W3 0.0.98G-4g. Positive for dark text on
// a lighter background, negative for light text on a darker one; about -108 to 106.
double apcaContrast(ColorValue text, ColorValue background);

// What a lightness contrast is good for, weakest first; judged on |Lc| truncated to tenths, the
// number that formatLc shows.
enum class ApcaUse { NotReadable, NonText, SpotText, LargeText, ContentText, BodyText };

struct ApcaUseRule
{
    ApcaUse use;
    double minimum;      // the least |Lc|
    const char *reading; // shown beside an Lc that reaches it
    const char *key;     // part of the name of the control that judges it; empty: none does
};

inline constexpr std::array<ApcaUseRule, 6> apcaUseRules {{
        {ApcaUse::NotReadable, 0, QT_TRANSLATE_NOOP("Contrast", "Not readable"), ""},
        // The least for anything meant to be seen (dividers, outlines).
        {ApcaUse::NonText, 15, QT_TRANSLATE_NOOP("Contrast", "Non-text elements only"), ""},
        // Placeholders, disabled text, copyright lines, icons.
        {ApcaUse::SpotText, 30, QT_TRANSLATE_NOOP("Contrast", "Spot text and non-text only"), ""},
        {ApcaUse::LargeText, 45, QT_TRANSLATE_NOOP("Contrast", "Large text and headlines"),
         "ApcaLarge"},
        {ApcaUse::ContentText, 60,
         QT_TRANSLATE_NOOP("Contrast", "Content text; least for body text"), "ApcaContent"},
        // The preferred least for columns of body text.
        {ApcaUse::BodyText, 75, QT_TRANSLATE_NOOP("Contrast", "Body text"), "ApcaBody"},
}};

// The uses the checker passes or fails, strictest first.
inline constexpr std::array<ApcaUse, 3> judgedApcaUses {ApcaUse::BodyText, ApcaUse::ContentText,
                                                        ApcaUse::LargeText};

const ApcaUseRule &apcaUseRule(ApcaUse use);
ApcaUse apcaUse(double lc);
// The least |Lc| of a use (0, 15, 30, 45, 60, 75).
double apcaMinimum(ApcaUse use);
// The reading shown beside an Lc, e.g. "Large text and headlines".
QString apcaReading(double lc);
// "Lc 63.0", "Lc -68.5": one decimal, truncated toward zero like the ratio.
QString formatLc(double lc, const QLocale &locale = QLocale::c());
// The tenths of the Lc that formatLc shows, with its sign: 630, -685.
int lcTenths(double lc);

// The least font sizes, in CSS pixels, of APCA's font lookup table (public beta 0.1.7 (G),
// 28 May 2022; reference font Barlow) at weights 400 and 700, a row for every Lc step of 5 from
// 30 up. Below Lc 30 no size makes text readable: 15 to 30 is for non-text only.
struct ApcaFontRow
{
    int lc;
    double weight400;
    double weight700;
};
inline constexpr std::array<ApcaFontRow, 20> apcaFontTable {{
        {30, 108, 72},   {35, 96, 48},   {40, 60, 32},        {45, 42, 24},     {50, 32, 21},
        {55, 28, 18},    {60, 24, 16},   {65, 21.75, 15},     {70, 19.5, 14.5}, {75, 18, 14},
        {80, 17.25, 14}, {85, 16.5, 14}, {90, 16, 14},        {95, 15.5, 13.5}, {100, 15, 13},
        {105, 14.5, 12}, {110, 14, 11},  {115, 12.5, 10.625}, {120, 11, 10.25}, {125, 10, 10},
}};
// The row for the shown |Lc|: the last row it reaches, never one above it, so the sizes never
// promise more than the table does. Nothing below Lc 30.
std::optional<ApcaFontRow> apcaFontRow(double lc);
// "24 px" at weight 400 or 700, else "Non-text only" or "Not readable".
QString apcaFontSize(double lc, int weight, const QLocale &locale = QLocale::c());

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

// The background of the same hue, reached by changing lightness only, against which every one
// of the texts reaches minimum, with the smallest change of lightness; the background itself
// when they all pass already. Nothing when no color of the hue lets them all pass (a dark and a
// light text close in luminance leave no background between them).
std::optional<ColorValue> fixBackgroundColor(ColorValue background,
                                             std::span<const ColorValue> texts, double minimum);
std::optional<ColorValue> fixBackgroundColor(ColorValue background,
                                             std::span<const ColorValue> texts, Level level);

// ---- Color vision deficiency ----

enum class Vision { Protanopia, Deuteranopia, Tritanopia, Achromatopsia };
inline constexpr std::array<Vision, 4> allVisions {Vision::Protanopia, Vision::Deuteranopia,
                                                   Vision::Tritanopia, Vision::Achromatopsia};
// "Protanopia", "Deuteranopia", "Tritanopia", "Achromatopsia".
QString visionName(Vision vision);
// The name in English, for the names of the controls that show the vision.
const char *visionKey(Vision vision);

// The color as seen with the given deficiency, applied in linear RGB. The three dichromacies
// use the model of Machado, Oliveira and Fernandes (2009) at severity 1; achromatopsia keeps
// only the relative luminance: the nearest 8-bit gray of the same luminance.
ColorValue simulate(ColorValue color, Vision vision);

// The contrast ratio of the two colors as seen with the deficiency: that of the simulated
// 8-bit colors the previews show, except for achromatopsia, which keeps luminance, so that its
// ratio is exactly contrastRatio(text, background); the nearest 8-bit grays may differ from it
// by a hundredth or so.
double seenRatio(ColorValue text, ColorValue background, Vision vision);

} // namespace Tintora::Contrast
