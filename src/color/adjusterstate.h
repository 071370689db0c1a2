// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color/colormodel.h"

#include <array>

namespace Tintora::ColorModel {

// Where the adjuster stands in each model. A position is kept as the user set it, not read back
// from the 8-bit color it gives: a hue turned while the saturation is zero, a chroma kept while
// the lightness touches black, a channel left at 40.3 rather than the 40.2 its rounded color
// would give. Only a color that comes from elsewhere moves the positions, and then what that
// color leaves undefined (the hue of a gray) stays as it was.
class AdjusterState
{
public:
    explicit AdjusterState(ColorValue color = 0xFFFFFF);

    // The color of the current positions: the one last set or followed.
    ColorValue color() const { return m_color; }
    const Position &position(Model model) const { return m_positions[size_t(model)]; }
    // Whether the model's position lies inside sRGB (else its color is the gamut-mapped one).
    bool inSrgb(Model model) const { return m_inSrgb[size_t(model)]; }

    // The color has become current somewhere else (or came back from the update cycle). The
    // color these positions gave keeps them all; any other color moves every model's position
    // to it, keeping what it leaves undefined.
    void follow(ColorValue color);

    // Moves one channel (normalized into its range and resolution) with the others held and
    // returns the color the position gives; the other models follow that color.
    ColorValue setChannel(Model model, int channel, double value);

private:
    void deriveAllBut(int keptModel);

    ColorValue m_color;
    std::array<Position, kModelCount> m_positions {};
    std::array<bool, kModelCount> m_inSrgb {};
};

} // namespace Tintora::ColorModel
