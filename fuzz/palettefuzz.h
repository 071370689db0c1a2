// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every palette reader promises on any bytes at all: it returns or throws FileError, never
// anything else; an error names the file and says where; the colors it returns are within the
// limits, each with a name the list can hold; and what Tintora writes of them reads back as
// the same colors and, written again, as the same bytes.
#include "core/error.h"
#include "fuzztext.h"
#include "palettes/palettefile.h"

#include <QStringView>

inline bool fuzzStorableName(const QString &name)
{
    if (name.trimmed().isEmpty())
        return false;
    for (const QChar c : name) {
        if (c == u'\r' || c == u'\n' || c.isNull())
            return false;
    }
    return QStringView(name).isValidUtf16();
}

inline int fuzzPalette(Tintora::PaletteFile::Format format, const uint8_t *data, size_t size,
                       bool keepsNames)
{
    using namespace Tintora;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString path = QStringLiteral("fuzz.in");
    Palette::Colors colors;
    try {
        colors = PaletteFile::decode(format, bytes, path);
    } catch (const FileError &e) {
        const QString &m = e.message();
        FUZZ_CHECK(m.startsWith(QStringLiteral("Cannot read \"fuzz.in\": ")), "error: %s",
                   qPrintable(m));
        return 0;
    }
    FUZZ_CHECK(colors.names.size() == colors.values.size(), "%lld names for %lld colors",
               qlonglong(colors.names.size()), qlonglong(colors.values.size()));
    FUZZ_CHECK(colors.values.size() <= Palette::kMaxEntries, "%lld colors",
               qlonglong(colors.values.size()));
    for (qsizetype i = 0; i < colors.names.size(); ++i) {
        FUZZ_CHECK(fuzzStorableName(colors.names.at(i)), "color %lld has the name '%s'",
                   qlonglong(i), qPrintable(colors.names.at(i)));
        FUZZ_CHECK(colors.values.at(i) <= 0xFFFFFF, "color %lld is %x", qlonglong(i),
                   colors.values.at(i));
    }

    const QByteArray written = PaletteFile::encode(format, colors, QStringLiteral("fuzz"));
    Palette::Colors back;
    try {
        back = PaletteFile::decode(format, written, path);
    } catch (const FileError &e) {
        FUZZ_CHECK(false, "what was written does not read back: %s", qPrintable(e.message()));
    }
    FUZZ_CHECK(back.values == colors.values, "the colors read back differently");
    if (keepsNames) {
        for (qsizetype i = 0; i < colors.names.size(); ++i)
            FUZZ_CHECK(back.names.at(i) == colors.names.at(i),
                       "color %lld's name '%s' read back as '%s'", qlonglong(i),
                       qPrintable(colors.names.at(i)), qPrintable(back.names.at(i)));
    }
    FUZZ_CHECK(PaletteFile::encode(format, back, QStringLiteral("fuzz")) == written,
               "written again, the file differs");
    return 0;
}
