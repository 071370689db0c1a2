// SPDX-License-Identifier: GPL-3.0-or-later
// Paint.NET palettes: comment and color lines in any encoding and line ending.
#include "palettefuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return fuzzPalette(Tintora::PaletteFile::Format::PaintNet, data, size, false);
}
