// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color/color.h"

#include <algorithm>
#include <span>
#include <vector>

namespace Tintora::Contrast {

using Color::ColorValue;

// One hue from black to white in equal steps of Oklab lightness: the strip a color is chosen
// from. Cell 0 is black, the last cell white, cell i is the color at lightness
// i / (cells - 1) with the hue of the color the strip was made for and as much of its chroma as
// the sRGB gamut allows there (withLightness). A strip is drawn a cell to a pixel, so that the
// color under the mouse is the color of the cell.
class LightnessStrip
{
public:
    // Cells first to last, both included.
    struct Range
    {
        int first = 0;
        int last = 0;
        bool operator==(const Range &) const = default;
    };

    LightnessStrip() = default;
    // At least two cells, so that black and white are both on it.
    LightnessStrip(ColorValue hueOf, int cells);

    ColorValue hueOf() const { return m_hueOf; }
    int cells() const { return int(m_colors.size()); }
    bool isEmpty() const { return m_colors.empty(); }
    // A cell outside the strip counts as its nearest end, so that no pixel can miss (the strip
    // is painted from this, and paint code must not throw). Not for an empty strip.
    ColorValue color(int cell) const { return m_colors[size_t(std::clamp(cell, 0, cells() - 1))]; }
    double lightnessOf(int cell) const;

    // The cell whose lightness is nearest the color's: where the color stands on the strip.
    int cellOf(ColorValue color) const;

    // The runs of cells, in order, whose color reaches minimum against every one of the colors
    // (a sample strip: its background; the background strip: both samples).
    std::vector<Range> passingRanges(std::span<const ColorValue> against, double minimum) const;

private:
    ColorValue m_hueOf = 0;
    std::vector<ColorValue> m_colors;
    std::vector<double> m_luminances;
};

} // namespace Tintora::Contrast
