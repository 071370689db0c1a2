// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "palettes/palette.h"

// Adobe Swatch Exchange files (.ase): "ASEF", version 1.0, a count of blocks, then blocks of a
// type, a length and their data, all big-endian. Color blocks hold a UTF-16 name, a color model
// and its components as 32-bit floats; group blocks only bracket colors.
namespace Tintora::SwatchExchange {

// Colors come out in file order, groups flattened. RGB (0..1 each) is rounded to bytes; Gray is
// the same level in all three; CMYK is taken without a profile as red = (1 - C)(1 - K) and
// likewise for green (M) and blue (Y); LAB (L 0..1 for 0..100, a and b -128..127, D50) goes to
// XYZ, is adapted to D65 by the Bradford transform and becomes sRGB, clamped into its range.
// Every count and length in the file is checked against the bytes that are really there;
// throws FileError naming path, the byte offset and the reason.
Palette::Colors read(const QByteArray &bytes, const QString &path);

// RGB colors of the "normal" kind, without groups.
QByteArray write(const Palette::Colors &colors);

} // namespace Tintora::SwatchExchange
