// SPDX-License-Identifier: GPL-3.0-or-later
#include "color/variations.h"

#include <algorithm>

namespace Tintora::Variations {

namespace {

using namespace ColorSpace;

ColorValue fromOklch(double lightness, double chroma, double hue)
{
    return xyz65ToColor(oklabToXyz65(toRectangular({lightness, std::max(chroma, 0.0), hue})));
}

constexpr int kSteps = 5;

// Each kind moves the color's OKLCH position by a step (a fraction of the way, 1/6 to 5/6) or
// by a turn of its hue. Tints and shades go the straight way to white or black: the chroma
// shrinks with the distance left. Kept whole, it would leave sRGB at once, and the mapping back
// would shift the lightness and the hue the steps are meant to keep.
Triple towardsWhite(const Triple &lch, double step, double /*turn*/)
{
    return {lch[0] + (1 - lch[0]) * step, lch[1] * (1 - step), lch[2]};
}

Triple towardsBlack(const Triple &lch, double step, double /*turn*/)
{
    return {lch[0] * (1 - step), lch[1] * (1 - step), lch[2]};
}

Triple towardsGray(const Triple &lch, double step, double /*turn*/)
{
    return {lch[0], lch[1] * (1 - step), lch[2]};
}

Triple turned(const Triple &lch, double /*step*/, double turn)
{
    return {lch[0], lch[1], lch[2] + turn};
}

} // namespace

const std::array<KindRow, kKindCount> kinds {{
        {Kind::Tints,
         "Tints",
         QT_TRANSLATE_NOOP("Tintora::Variations", "Tints"),
         QT_TRANSLATE_NOOP("Tintora::Variations", "tint"),
         kSteps,
         {},
         towardsWhite},
        {Kind::Shades,
         "Shades",
         QT_TRANSLATE_NOOP("Tintora::Variations", "Shades"),
         QT_TRANSLATE_NOOP("Tintora::Variations", "shade"),
         kSteps,
         {},
         towardsBlack},
        {Kind::Tones,
         "Tones",
         QT_TRANSLATE_NOOP("Tintora::Variations", "Tones"),
         QT_TRANSLATE_NOOP("Tintora::Variations", "tone"),
         kSteps,
         {},
         towardsGray},
        {Kind::Complementary,
         "Complementary",
         QT_TRANSLATE_NOOP("Tintora::Variations", "Complementary"),
         QT_TRANSLATE_NOOP("Tintora::Variations", "complementary"),
         1,
         {180},
         turned},
        {Kind::Analogous,
         "Analogous",
         QT_TRANSLATE_NOOP("Tintora::Variations", "Analogous"),
         QT_TRANSLATE_NOOP("Tintora::Variations", "analogous"),
         2,
         {-30, 30},
         turned},
        {Kind::Triadic,
         "Triadic",
         QT_TRANSLATE_NOOP("Tintora::Variations", "Triadic"),
         QT_TRANSLATE_NOOP("Tintora::Variations", "triadic"),
         2,
         {120, 240},
         turned},
        {Kind::SplitComplementary,
         "SplitComplementary",
         QT_TRANSLATE_NOOP("Tintora::Variations", "Split-complementary"),
         QT_TRANSLATE_NOOP("Tintora::Variations", "split-complementary"),
         2,
         {150, 210},
         turned},
        {Kind::Tetradic,
         "Tetradic",
         QT_TRANSLATE_NOOP("Tintora::Variations", "Tetradic"),
         QT_TRANSLATE_NOOP("Tintora::Variations", "tetradic"),
         3,
         {90, 180, 270},
         turned},
}};

const KindRow &row(Kind kind)
{
    return kinds[size_t(kind)];
}

std::vector<ColorValue> of(Kind kind, const Triple &oklch)
{
    const KindRow &r = row(kind);
    std::vector<ColorValue> colors;
    colors.reserve(size_t(r.count));
    for (int i = 0; i < r.count; ++i) {
        // Only the harmonies have turns; the steps have more entries than turns.
        const double turn = size_t(i) < r.turns.size() ? r.turns[size_t(i)] : 0;
        const Triple moved = r.move(oklch, double(i + 1) / (kSteps + 1), turn);
        colors.push_back(fromOklch(moved[0], moved[1], moved[2]));
    }
    return colors;
}

std::vector<ColorValue> of(Kind kind, ColorValue color)
{
    const Triple oklch = toPolar(xyz65ToOklab(linearSrgbToXyz65(colorToLinearSrgb(color))));
    return of(kind, oklch);
}

QString entryName(const QString &baseName, const QString &entryWord, const KindRow &kind, int index)
{
    if (kind.count == 1)
        return QStringLiteral("%1 %2").arg(baseName, entryWord);
    return QStringLiteral("%1 %2 %3").arg(baseName, entryWord).arg(index + 1);
}

} // namespace Tintora::Variations
