// SPDX-License-Identifier: GPL-3.0-or-later
// Adobe Swatch Exchange files: counts and lengths that lie, truncated blocks, every color model and
// odd floats.
#include "palettefuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return fuzzPalette(Tintora::PaletteFile::Format::Adobe, data, size, true);
}
