// SPDX-License-Identifier: GPL-3.0-or-later
// Writes each of the 16,777,216 colors in every notation and reads the text back; reports
// every color that does not come back, every text that lies further than deltaEOK 0.02 from
// its color before any gamut mapping, the farthest text and the longest text of each notation,
// and the time.
//   notationsweep [first last [form]]   (hex bounds, inclusive, the whole cube by default; form:
//                                        one notation alone, by its place in Notation::allForms)
#include "color/colorspace.h"
#include "color/notation.h"

#include <QElapsedTimer>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace Tintora;
using ColorSpace::Triple;
using Notation::Form;

namespace {

constexpr double kJustNoticeable = 0.02;

Triple oklabOfEncoded(const Triple &encoded)
{
    using namespace ColorSpace;
    return xyz65ToOklab(linearSrgbToXyz65(srgbToLinear(encoded)));
}

Triple oklabOfLab(const Triple &lab)
{
    using namespace ColorSpace;
    return xyz65ToOklab(xyz50ToXyz65(labToXyz50(lab)));
}

// The color a text of the given form describes, in Oklab, read from the text's own numbers
// (apart from the parser, and before any gamut mapping); nothing for the forms that name an
// 8-bit color exactly.
bool describedOklab(const QString &text, Form form, Triple *oklab)
{
    if (form == Form::Hex || form == Form::HexLowercase || form == Form::HexBare
        || form == Form::HexNumber || form == Form::Rgb || form == Form::RgbCommas
        || form == Form::Bytes)
        return false;
    const QByteArray latin1 = text.toLatin1();
    const char *p = latin1.constData();
    if (const char *open = std::strchr(p, '('))
        p = open + 1;
    if (form == Form::ColorSrgb)
        p += 4; // "srgb"
    Triple v;
    for (double &number : v) {
        while (*p == ' ' || *p == ',' || *p == '%')
            ++p;
        char *end = nullptr;
        number = std::strtod(p, &end);
        p = end;
    }
    using namespace ColorSpace;
    switch (form) {
    case Form::Hsl:
        *oklab = oklabOfEncoded(hslToSrgb(v[0], v[1], v[2]));
        break;
    case Form::Hwb:
        *oklab = oklabOfEncoded(hwbToSrgb(v[0], v[1], v[2]));
        break;
    case Form::Lab:
        *oklab = oklabOfLab(v);
        break;
    case Form::Lch:
        *oklab = oklabOfLab(toRectangular(v));
        break;
    case Form::Oklab:
        *oklab = v;
        break;
    case Form::Oklch:
        *oklab = toRectangular(v);
        break;
    default: // color(srgb ...) and fractions
        *oklab = oklabOfEncoded(v);
        break;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    quint32 first = 0;
    quint32 last = 0xFFFFFF;
    if (argc >= 3) {
        first = quint32(std::strtoul(argv[1], nullptr, 16));
        last = quint32(std::strtoul(argv[2], nullptr, 16)) & 0xFFFFFFu;
    }
    const int only = argc >= 4 ? std::atoi(argv[3]) : -1;
    constexpr size_t forms = Notation::allForms.size();
    QElapsedTimer timer;
    timer.start();
    quint64 failures = 0;
    quint64 far = 0;
    qsizetype longest[forms] = {};
    QString longestText[forms];
    double farthest[forms] = {};
    QString farthestText[forms];
    for (quint64 color = first; color <= last; ++color) {
        const Triple own = ColorSpace::xyz65ToOklab(ColorSpace::linearSrgbToXyz65(
                ColorSpace::colorToLinearSrgb(Color::ColorValue(color))));
        for (size_t f = 0; f < forms; ++f) {
            if (only >= 0 && f != size_t(only))
                continue;
            const Form form = Notation::allForms[f];
            const QString text = Notation::format(Color::ColorValue(color), form);
            if (Notation::parseColor(text) != Color::ColorValue(color)) {
                if (++failures <= 50)
                    std::printf("%06llx: '%s' reads back differently\n",
                                static_cast<unsigned long long>(color), qPrintable(text));
            }
            Triple described;
            if (describedOklab(text, form, &described)) {
                const double distance = std::hypot(described[0] - own[0], described[1] - own[1],
                                                   described[2] - own[2]);
                if (distance > kJustNoticeable && ++far <= 50)
                    std::printf("%06llx: '%s' lies %.4f from it\n",
                                static_cast<unsigned long long>(color), qPrintable(text), distance);
                if (distance > farthest[f]) {
                    farthest[f] = distance;
                    farthestText[f] = text;
                }
            }
            if (text.size() > longest[f]) {
                longest[f] = text.size();
                longestText[f] = text;
            }
        }
        if ((color & 0xFFFFF) == 0xFFFFF)
            std::fprintf(stderr, "%06llx done, %.0f s\n", static_cast<unsigned long long>(color),
                         timer.elapsed() / 1000.0);
    }
    for (size_t f = 0; f < forms; ++f) {
        if (!longestText[f].isEmpty())
            std::printf("longest: %s\n", qPrintable(longestText[f]));
    }
    for (size_t f = 0; f < forms; ++f) {
        if (!farthestText[f].isEmpty())
            std::printf("farthest: %s, %.4f\n", qPrintable(farthestText[f]), farthest[f]);
    }
    std::printf("%llu colors x %zu notations, %llu not read back, %llu further than %.2f, %.0f s\n",
                static_cast<unsigned long long>(last - first + 1), only >= 0 ? size_t(1) : forms,
                static_cast<unsigned long long>(failures), static_cast<unsigned long long>(far),
                kJustNoticeable, timer.elapsed() / 1000.0);
    return failures == 0 && far == 0 ? 0 : 1;
}
