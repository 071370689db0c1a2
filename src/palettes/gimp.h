// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "palettes/palette.h"

// GIMP palettes (.gpl): the line "GIMP Palette", optional "Name:" and "Columns:" lines, then one
// color a line as red, green and blue from 0 to 255 and a name, separated by any white space.
// Lines beginning with "#" are comments; blank lines count for nothing.
namespace Tintora::GimpPalette {

// Throws FileError naming path, the line and the reason for anything else.
Palette::Colors read(const QByteArray &bytes, const QString &path);

// UTF-8 with LF endings; title goes into the "Name:" line.
QByteArray write(const Palette::Colors &colors, const QString &title);

} // namespace Tintora::GimpPalette
