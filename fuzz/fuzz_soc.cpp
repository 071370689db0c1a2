// SPDX-License-Identifier: GPL-3.0-or-later
// LibreOffice color tables: XML of any shape, namespaces bound to any prefix, document types
// refused.
#include "palettefuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return fuzzPalette(Tintora::PaletteFile::Format::LibreOffice, data, size, true);
}
