// SPDX-License-Identifier: GPL-3.0-or-later
// CSS custom properties: comments, strings, nesting, escapes and color values of every syntax.
#include "palettefuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return fuzzPalette(Tintora::PaletteFile::Format::Css, data, size, false);
}
