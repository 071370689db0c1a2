// SPDX-License-Identifier: GPL-3.0-or-later
// Color text: any text either is no color or reads as one whose every notation reads back as
// that same color; a CSS color reads the same with the bare forms allowed; and any color from
// the input's bytes reads back from each of its notations.
#include "color/notation.h"
#include "fuzztext.h"

using namespace Tintora;

namespace {

// Pieces of color texts, so that the fuzzer builds near-colors quickly; one byte picks one.
const char *const kPieces[] = {
        "rgb(",
        "rgba(",
        "hsl(",
        "hsla(",
        "hwb(",
        "lab(",
        "lch(",
        "oklab(",
        "oklch(",
        "color(",
        "srgb",
        "srgb-linear",
        "display-p3",
        "a98-rgb",
        "prophoto-rgb",
        "rec2020",
        "xyz",
        "xyz-d50",
        "xyz-d65",
        "none",
        "deg",
        "rad",
        "grad",
        "turn",
        "%",
        " ",
        ",",
        "/",
        ")",
        "(",
        "#",
        "0x",
        ".",
        "e",
        "E",
        "-",
        "+",
        "0",
        "1",
        "5",
        "9",
        "12",
        "255",
        "0.5",
        "1e3",
        "1e-3",
        "360",
        "100",
        "ff",
        "A",
        "tomato",
        "REBECCAPURPLE",
        "\t",
        "\n",
        "\u00a0",
        "transparent",
        "calc(",
        "1e999",
        "-0",
        // Finite, but large or small enough that a conversion's powers and cubes overflow.
        "1e300",
        "-5e135",
        "1e308",
        "1e-308",
        "88888888888888888888888888888888.1",
};

QString pieceText(const uint8_t *data, size_t size)
{
    QString text;
    for (size_t i = 0; i < size; ++i)
        text += QString::fromUtf8(kPieces[data[i] % std::size(kPieces)]);
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // An odd first byte builds the text from pieces, an even one reads it as fuzzText does.
    const QString text =
            size > 0 && (data[0] & 1) ? pieceText(data + 1, size - 1) : fuzzText(data, size);

    const auto css = Notation::parseCssColor(text);
    const auto any = Notation::parseColor(text);
    FUZZ_CHECK(!css || any == css, "'%s' reads differently with the bare forms", qPrintable(text));
    if (any) {
        FUZZ_CHECK((*any >> 24) == 0, "'%s' gave %08x", qPrintable(text), *any);
        for (const Notation::Form form : Notation::allForms) {
            const QString written = Notation::format(*any, form);
            FUZZ_CHECK(Notation::parseColor(written) == any, "'%s' read as %06x, written '%s'",
                       qPrintable(text), *any, qPrintable(written));
        }
    }

    // Any color at all from the first bytes, in every notation.
    if (size >= 4) {
        const Color::ColorValue color = (data[1] | (data[2] << 8) | (data[3] << 16)) & 0xFFFFFFu;
        for (const Notation::Form form : Notation::allForms) {
            const QString written = Notation::format(color, form);
            FUZZ_CHECK(Notation::parseColor(written) == color, "%06x written '%s'", color,
                       qPrintable(written));
        }
    }
    return 0;
}
