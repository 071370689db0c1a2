// SPDX-License-Identifier: GPL-3.0-or-later
// JSON palettes: any JSON and anything that is nearly JSON, invalid UTF-8 and deep nesting.
#include "palettefuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return fuzzPalette(Tintora::PaletteFile::Format::Json, data, size, true);
}
