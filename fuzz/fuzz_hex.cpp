// SPDX-License-Identifier: GPL-3.0-or-later
// The #RRGGBB notation: the pieces of any hex field text, reading them (blue first, the first
// bad piece in that order named in the error), and the round trip from a packed color to its
// text and back, in upper and lower case.
#include "color/color.h"
#include "core/convert.h"
#include "core/error.h"
#include "fuzztext.h"

using namespace Tintora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = fuzzText(data, size);

    // Pieces: up to two characters from 1-based positions 2, 4 and 6.
    const Color::HexPieces pieces = Color::hexPieces(text);
    const auto piece = [&](qsizetype from) {
        QString p;
        for (qsizetype i = from; i < from + 2 && i < text.size(); ++i)
            p.append(text.at(i));
        return p;
    };
    FUZZ_CHECK(pieces.red == piece(1) && pieces.green == piece(3) && pieces.blue == piece(5),
               "pieces of '%s'", qPrintable(text));

    // Reading: each piece as "$" + piece; the first failure, blue first, is the one reported.
    std::optional<QString> firstBad;
    int values[3] = {};
    const QString order[3] = {pieces.blue, pieces.green, pieces.red};
    for (int i = 0; i < 3; ++i) {
        try {
            values[i] = Convert::strToInt(QLatin1Char('$') + order[i]);
        } catch (const ConvertError &e) {
            if (!firstBad)
                firstBad = e.message();
        }
    }
    try {
        const Color::Components c = Color::parseHex(text);
        FUZZ_CHECK(!firstBad, "'%s' parsed, expected %s", qPrintable(text), qPrintable(*firstBad));
        FUZZ_CHECK(c.blue == values[0] && c.green == values[1] && c.red == values[2],
                   "components of '%s'", qPrintable(text));
        for (int v : {c.red, c.green, c.blue})
            FUZZ_CHECK(v >= 0 && v <= 255, "component %d of '%s'", v, qPrintable(text));
    } catch (const ConvertError &e) {
        FUZZ_CHECK(firstBad && e.message() == *firstBad, "'%s' gave '%s'", qPrintable(text),
                   qPrintable(e.message()));
    }

    // Round trip: any three components, wrapped into 0..255, to text and back.
    int parts[3] = {};
    for (size_t i = 0; i < 3; ++i) {
        const size_t at = 1 + 2 * i;
        parts[i] = at + 1 < size ? qint16(data[at] | (data[at + 1] << 8)) : int(i * 100);
    }
    const Color::ColorValue color = Color::pack(parts[0], parts[1], parts[2]);
    FUZZ_CHECK((color >> 24) == 0, "top byte of %08x", color);
    const QString hex = Color::buildHex(color);
    FUZZ_CHECK(hex.size() == 7 && hex.at(0) == u'#', "'%s'", qPrintable(hex));
    for (qsizetype i = 1; i < 7; ++i)
        FUZZ_CHECK(QStringLiteral("0123456789ABCDEF").contains(hex.at(i)), "'%s'", qPrintable(hex));
    for (const QString &form : {hex, hex.toLower()}) {
        const Color::Components back = Color::parseHex(form);
        FUZZ_CHECK(back.red == (parts[0] & 255) && back.green == (parts[1] & 255)
                           && back.blue == (parts[2] & 255),
                   "'%s' from %d %d %d", qPrintable(form), parts[0], parts[1], parts[2]);
        FUZZ_CHECK(Color::buildHex(Color::pack(back.red, back.green, back.blue)) == hex,
                   "'%s' again", qPrintable(form));
    }
    return 0;
}
