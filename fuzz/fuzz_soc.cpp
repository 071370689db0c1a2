// SPDX-License-Identifier: GPL-3.0-or-later
// LibreOffice color tables: XML of any shape, namespaces bound to any prefix, document types
// refused. Whatever the quick reader of the plain form takes, the XML reader must read the same.
#include "palettefuzz.h"
#include "palettes/libreoffice.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace Tintora;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (const std::optional<Palette::Colors> quick = ColorTable::readPlain(bytes)) {
        Palette::Colors full;
        try {
            full = ColorTable::readXml(bytes, QStringLiteral("fuzz.in"));
        } catch (const FileError &e) {
            FUZZ_CHECK(false, "the plain reader took what the XML reader refuses: %s",
                       qPrintable(e.message()));
        }
        FUZZ_CHECK(quick->names == full.names && quick->values == full.values,
                   "the plain reader read %lld colors, the XML reader %lld or other names",
                   qlonglong(quick->values.size()), qlonglong(full.values.size()));
    }
    return fuzzPalette(PaletteFile::Format::LibreOffice, data, size, true);
}
