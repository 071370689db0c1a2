// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "palettes/palette.h"

// JSON palettes (.json): an array of objects {"name": "Sky", "hex": "#87CEEB"}. "hex" is
// required; "name" may be missing or null; other members are passed over.
namespace Tintora::JsonPalette {

// The file must be UTF-8 JSON as Qt's QJsonDocument reads it (a little more forgiving than
// RFC 8259, see docs/robustness.md). Throws FileError naming path, the line and the reason.
Palette::Colors read(const QByteArray &bytes, const QString &path);

// One color a line, UTF-8, LF endings.
QByteArray write(const Palette::Colors &colors);

} // namespace Tintora::JsonPalette
