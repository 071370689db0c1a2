// SPDX-License-Identifier: GPL-3.0-or-later
#include "color/color.h"

#include "core/convert.h"

namespace Tintora::Color {

QString buildHex(ColorValue color)
{
    // Formatted as a number the digits read blue, green, red; swap the pairs into #RRGGBB.
    const QString digits = Convert::intToHex(color, 6);
    return QLatin1Char('#') + digits.mid(4, 2) + digits.mid(2, 2) + digits.mid(0, 2);
}

int hexToInt(const QString &digits)
{
    return Convert::strToInt(QLatin1Char('$') + digits);
}

HexPieces hexPieces(const QString &hexText)
{
    return {hexText.mid(1, 2), hexText.mid(3, 2), hexText.mid(5, 2)};
}

Components parseHex(const QString &hexText)
{
    const HexPieces pieces = hexPieces(hexText);
    Components c;
    c.blue = hexToInt(pieces.blue);
    c.green = hexToInt(pieces.green);
    c.red = hexToInt(pieces.red);
    return c;
}

} // namespace Tintora::Color
