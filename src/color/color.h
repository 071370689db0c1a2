// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The packed color value and its #RRGGBB notation.
namespace Tintora::Color {

// Red in bits 0-7, green in 8-15, blue in 16-23, top byte zero.
using ColorValue = quint32;

// What the current color is applied to: the sample area's fill or one sample sentence's text.
enum class SampleTarget { Background = 1, TextSample1 = 2, TextSample2 = 3 };

// Only the low eight bits of each component count: 300 wraps to 44.
constexpr ColorValue pack(int red, int green, int blue)
{
    return ColorValue(red & 255) | (ColorValue(green & 255) << 8) | (ColorValue(blue & 255) << 16);
}

constexpr int red(ColorValue color)
{
    return int(color & 255);
}
constexpr int green(ColorValue color)
{
    return int((color >> 8) & 255);
}
constexpr int blue(ColorValue color)
{
    return int((color >> 16) & 255);
}

// "#RRGGBB" in uppercase, red first although red is the low byte.
QString buildHex(ColorValue color);

// Reads a string of hex digits as the integer conversion reads "$" + digits; throws
// ConvertError (naming the "$"-prefixed text) for anything else, an empty string included.
int hexToInt(const QString &digits);

// The two-character pieces of a hex color text at 1-based positions 2, 4 and 6. A short text
// gives short or empty pieces; the leading '#' is never checked.
struct HexPieces
{
    QString red;
    QString green;
    QString blue;
};
HexPieces hexPieces(const QString &hexText);

// The components of a hex color text, converted blue first, then green, then red, so that the
// first bad piece in that order is the one reported.
struct Components
{
    int red = 0;
    int green = 0;
    int blue = 0;
};
Components parseHex(const QString &hexText);

} // namespace Tintora::Color
