// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "palettes/palette.h"

// Paint.NET palettes (.txt): one color a line as eight hex digits AARRGGBB; lines beginning
// with ";" are comments. The format has no names, and the program shows only the first 96
// colors; the alpha byte is read and dropped, and written as FF.
namespace Tintora::PaintNetPalette {

// Colors are named by their "#RRGGBB" text. Throws FileError naming path, the line and the
// reason.
Palette::Colors read(const QByteArray &bytes, const QString &path);

// ASCII with CR LF endings, as the program's own files have.
QByteArray write(const Palette::Colors &colors);

} // namespace Tintora::PaintNetPalette
