// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color/color.h"

#include <QColor>

namespace Tintora {

// The program's color value as the toolkit's color, opaque, and back (the alpha is dropped).
inline QColor toQColor(Color::ColorValue color)
{
    return QColor(Color::red(color), Color::green(color), Color::blue(color));
}

inline Color::ColorValue toColorValue(const QColor &color)
{
    return Color::pack(color.red(), color.green(), color.blue());
}

} // namespace Tintora
