// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "palettes/palette.h"

#include <QStringView>

// Colors as CSS custom properties (.css): ":root { --sky: #87ceeb; }".
namespace Tintora::CssProperties {

// Reads a CSS color value, such as "#87ceeb" or "oklch(70% 0.1 230)"; nothing for other text.
using ColorParser = std::optional<Color::ColorValue> (*)(QStringView);

// Every custom property declaration "--name: value" in any rule, in file order, whose value
// parseColor takes; the name is the property's without its "--". Other properties ("--gap:
// 4px") are passed over, but a value that starts like a color ("#", "rgb(" and the other color
// functions) and does not read as one is an error: a mistyped color is not silently lost.
// Throws FileError naming path, the line and the reason.
Palette::Colors read(const QByteArray &bytes, const QString &path, ColorParser parseColor);

// The name as a custom property's name after its "--": every letter in lowercase
// (QString::toLower), digits, "-", "_" and every other non-ASCII character kept, each run of
// anything else one "-", none at either end; "color" when nothing is left.
QString identifier(const QString &name);

// One ":root" rule, a property per color with lowercase hex values. Names that come out the
// same get "-2", "-3", ... so that no color overrides another.
QByteArray write(const Palette::Colors &colors);

} // namespace Tintora::CssProperties
