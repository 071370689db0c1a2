// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color/color.h"
#include "color/colorspace.h"

#include <QString>

#include <array>
#include <vector>

// Colors made from one color in OKLCH, where equal steps look equal: tints and shades step
// towards white and black (lightness and chroma together), tones step the chroma towards gray, and
// the harmonies turn the hue. Every result is the CSS Color 4 gamut-mapped color of its OKLCH
// position.
namespace Tintora::Variations {

using Color::ColorValue;
using ColorSpace::Triple;

enum class Kind {
    Tints,
    Shades,
    Tones,
    Complementary,
    Analogous,
    Triadic,
    SplitComplementary,
    Tetradic
};
inline constexpr int kKindCount = 8;

struct KindRow
{
    Kind kind;
    const char *key;   // in object names: "Tints", ...
    const char *title; // shown (translated in the "Tintora::Variations" context)
    const char *entry; // a list entry's word: "tint" in "#3366CC tint 2" (translated likewise)
    int count;
    // For the harmonies, the hue turns in degrees; for the steps, unused.
    std::array<double, 3> turns;
    // The OKLCH position of a variation: the color's moved by a step (1/6 to 5/6 of the way)
    // or turned.
    Triple (*move)(const Triple &oklch, double step, double turn);
};

extern const std::array<KindRow, kKindCount> kinds;
const KindRow &row(Kind kind);

// The variations of an OKLCH position (lightness 0..1, chroma, hue in degrees): count colors,
// the first step the nearest to the color itself.
std::vector<ColorValue> of(Kind kind, const Triple &oklch);
// The same from an 8-bit color; a gray's harmonies are the gray.
std::vector<ColorValue> of(Kind kind, ColorValue color);

// "#3366CC tint 2": the base's name, the kind's entry word and, where a kind has more than one
// color, the step from 1. entryWord is the kind's word as the caller shows it.
QString entryName(const QString &baseName, const QString &entryWord, const KindRow &kind,
                  int index);

} // namespace Tintora::Variations
