// SPDX-License-Identifier: GPL-3.0-or-later
#include "color/lightnessstrip.h"

#include "color/contrast.h"
#include "core/vectorstate.h"

#include <algorithm>
#include <cmath>

namespace Tintora::Contrast {

LightnessStrip::LightnessStrip(ColorValue hueOf, int cells) : m_hueOf(hueOf)
{
    VectorState::clearUpper();
    cells = std::max(cells, 2);
    m_colors.reserve(size_t(cells));
    m_luminances.reserve(size_t(cells));
    for (int i = 0; i < cells; ++i) {
        const ColorValue c = withLightness(hueOf, double(i) / (cells - 1));
        m_colors.push_back(c);
        m_luminances.push_back(relativeLuminance(c));
    }
}

double LightnessStrip::lightnessOf(int cell) const
{
    return double(cell) / (cells() - 1);
}

int LightnessStrip::cellOf(ColorValue color) const
{
    if (isEmpty())
        return 0;
    const long cell = std::lround(lightness(color) * (cells() - 1));
    return int(std::clamp(cell, 0L, long(cells() - 1)));
}

std::vector<LightnessStrip::Range> LightnessStrip::passingRanges(
        std::span<const ColorValue> against, double minimum) const
{
    std::vector<double> others;
    others.reserve(against.size());
    for (ColorValue c : against)
        others.push_back(relativeLuminance(c));

    // Luminance rises along the strip almost everywhere, but not strictly: where the gamut
    // takes chroma away and 8-bit rounding moves a channel, a cell can be a hair darker than
    // the one before. So every cell is judged; a strip is only as many cells as pixels.
    std::vector<Range> ranges;
    bool open = false;
    for (int i = 0; i < cells(); ++i) {
        const double l = m_luminances[size_t(i)];
        const bool pass = std::all_of(others.begin(), others.end(), [&](double o) {
            return passes((std::max(l, o) + 0.05) / (std::min(l, o) + 0.05), minimum);
        });
        if (pass && open) {
            ranges.back().last = i;
        } else if (pass) {
            ranges.push_back({i, i});
            open = true;
        } else {
            open = false;
        }
    }
    return ranges;
}

} // namespace Tintora::Contrast
