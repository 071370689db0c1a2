// SPDX-License-Identifier: GPL-3.0-or-later
#include "color/adjusterstate.h"

namespace Tintora::ColorModel {

AdjusterState::AdjusterState(ColorValue color) : m_color(color)
{
    deriveAllBut(-1);
}

void AdjusterState::follow(ColorValue color)
{
    if (color == m_color)
        return;
    m_color = color;
    deriveAllBut(-1);
}

ColorValue AdjusterState::setChannel(Model model, int channel, double value)
{
    const ModelRow &r = row(model);
    Position &p = m_positions[size_t(model)];
    p[size_t(channel)] = normalized(r.channels[size_t(channel)], value);
    const Result result = r.evaluate(p);
    m_inSrgb[size_t(model)] = result.inSrgb;
    m_color = result.color;
    deriveAllBut(int(model));
    return m_color;
}

void AdjusterState::deriveAllBut(int keptModel)
{
    for (const ModelRow &r : models) {
        const auto index = size_t(r.model);
        if (int(index) == keptModel)
            continue;
        const Position derived = r.positionOf(m_color);
        Position fresh = derived;
        r.keepUndefined(fresh, m_positions[index]);
        m_positions[index] = fresh;
        // The position of an 8-bit color is inside sRGB; a chroma kept at black may not be.
        m_inSrgb[index] = fresh == derived || r.evaluate(fresh).inSrgb;
    }
}

} // namespace Tintora::ColorModel
