// SPDX-License-Identifier: GPL-3.0-or-later
// GIMP palettes: the header, Name and Columns lines, comments and color lines in any white space.
#include "palettefuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return fuzzPalette(Tintora::PaletteFile::Format::Gimp, data, size, true);
}
