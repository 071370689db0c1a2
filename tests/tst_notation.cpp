// SPDX-License-Identifier: GPL-3.0-or-later
// Colors as text: reading every CSS Color 4 notation and the bare forms, refusing what is not
// a color, bringing colors outside sRGB in by the CSS gamut mapping, and writing each notation
// with the fewest digits that read back as the same color.
#include "color/colorspace.h"
#include "color/notation.h"

#include <QColor>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

using namespace Tintora;
using namespace Tintora::Notation;
using Color::ColorValue;

Q_DECLARE_METATYPE(Tintora::Notation::Form)

namespace {

ColorValue hex(const QString &text)
{
    const Color::Components c = Color::parseHex(text);
    return Color::pack(c.red, c.green, c.blue);
}

QString shown(std::optional<ColorValue> color)
{
    return color ? Color::buildHex(*color) : QStringLiteral("(not a color)");
}

// A fixed sample of the 2^24 colors: a prime stride through all of them, every gray, and every
// color whose channels are all among the extremes and midpoints, where rounding is tightest.
QList<ColorValue> sampleColors(quint32 stride)
{
    QList<ColorValue> colors;
    for (quint32 c = 0; c < (1u << 24); c += stride)
        colors.append(c);
    for (int level = 0; level < 256; ++level)
        colors.append(Color::pack(level, level, level));
    const int edges[] = {0, 1, 2, 127, 128, 253, 254, 255};
    for (int r : edges)
        for (int g : edges)
            for (int b : edges)
                colors.append(Color::pack(r, g, b));
    return colors;
}

// The numbers of a formatted text with their places after the point.
struct Number
{
    qsizetype start;
    qsizetype length;
    int places;
};

QList<Number> numbersIn(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("-?\\d+(\\.(\\d+))?"));
    QList<Number> numbers;
    for (const QRegularExpressionMatch &m : number.globalMatch(text)) {
        // Skip the hex forms' digits and the "srgb" of color(srgb ...).
        if (text.startsWith(u'#') || text.startsWith(QLatin1String("0x"))
            || QStringView(text).mid(m.capturedStart() - 1, 1) == u"b")
            continue;
        numbers.append({m.capturedStart(), m.capturedLength(), int(m.capturedLength(2))});
    }
    return numbers;
}

// The color a written text describes, before any gamut mapping or rounding, in Oklab: read
// here from the text's own numbers, apart from the parser.
ColorSpace::Triple describedOklab(const QString &text)
{
    using namespace ColorSpace;
    const qsizetype open = text.indexOf(u'(');
    const QString name = open < 0 ? QString() : text.left(open);
    // Hex, rgb() and bytes name an 8-bit color exactly.
    if (text.startsWith(u'#') || text.startsWith(QLatin1String("0x"))
        || name == QLatin1String("rgb") || (open < 0 && !text.contains(u'.')))
        return xyz65ToOklab(linearSrgbToXyz65(colorToLinearSrgb(*parseColor(text))));
    QString inner = open < 0 ? text : text.mid(open + 1, text.size() - open - 2);
    inner.remove(u'%').replace(u',', u' ');
    QStringList words = inner.split(u' ', Qt::SkipEmptyParts);
    if (name == QLatin1String("color"))
        words.removeFirst(); // srgb
    Triple v;
    for (size_t i = 0; i < 3; ++i)
        v[i] = words[qsizetype(i)].toDouble();
    const auto fromLab = [](const Triple &lab) {
        return xyz65ToOklab(xyz50ToXyz65(labToXyz50(lab)));
    };
    const auto fromEncoded = [](const Triple &encoded) {
        return xyz65ToOklab(linearSrgbToXyz65(srgbToLinear(encoded)));
    };
    if (name == QLatin1String("hsl"))
        return fromEncoded(hslToSrgb(v[0], v[1], v[2]));
    if (name == QLatin1String("hwb"))
        return fromEncoded(hwbToSrgb(v[0], v[1], v[2]));
    if (name == QLatin1String("lab"))
        return fromLab(v);
    if (name == QLatin1String("lch"))
        return fromLab(toRectangular(v));
    if (name == QLatin1String("oklab"))
        return v;
    if (name == QLatin1String("oklch"))
        return toRectangular(v);
    return fromEncoded(v); // color(srgb ...) and fractions
}

double distanceFromColor(const QString &text, ColorValue color)
{
    using namespace ColorSpace;
    const Triple own = xyz65ToOklab(linearSrgbToXyz65(colorToLinearSrgb(color)));
    const Triple described = describedOklab(text);
    return std::hypot(described[0] - own[0], described[1] - own[1], described[2] - own[2]);
}

// hsl() and hwb() of whole numbers, worked out in exact fractions after the CSS Color 4
// conversion: each channel as 255 times a fraction of 0..1, in units of 1 / denominator.
struct Exact
{
    std::array<qint64, 3> channels; // 255 * channel * denominator
    qint64 denominator;
    bool hasHalf() const
    {
        return std::any_of(channels.begin(), channels.end(), [this](qint64 c) {
            return (2 * c) % denominator == 0 && (2 * c / denominator) % 2 == 1;
        });
    }
    ColorValue rounded() const
    {
        int c[3];
        for (size_t i = 0; i < 3; ++i)
            c[i] = int((2 * channels[i] + denominator) / (2 * denominator)); // halves up
        return Color::pack(c[0], c[1], c[2]);
    }
};

// max(-1, min(k - 3, 9 - k, 1)) with k = (n + hue / 30) mod 12, times 30.
qint64 hueTerm(int n, int hue)
{
    const qint64 k30 = (30 * n + hue) % 360;
    return std::max<qint64>(-30, std::min<qint64>({k30 - 90, 270 - k30, 30}));
}

// s and l in percent: l - a * term with a = s * min(l, 1 - l), over 100 * 100 * 30.
Exact exactHsl(int hue, int saturation, int lightness)
{
    Exact e {{}, 100 * 100 * 30};
    const int n[] = {0, 8, 4};
    for (size_t i = 0; i < 3; ++i)
        e.channels[i] = 255
                * (qint64(lightness) * 100 * 30
                   - qint64(saturation) * std::min(lightness, 100 - lightness)
                           * hueTerm(n[i], hue));
    return e;
}

// The pure hue's channel (1 - term / 30) / 2 scaled into 1 - w - b, plus w.
Exact exactHwb(int hue, int whiteness, int blackness)
{
    if (whiteness + blackness >= 100) {
        const qint64 gray = 255 * qint64(whiteness);
        return {{gray, gray, gray}, whiteness + blackness};
    }
    Exact e {{}, 100 * 60};
    const int n[] = {0, 8, 4};
    for (size_t i = 0; i < 3; ++i)
        e.channels[i] = 255
                * ((30 - hueTerm(n[i], hue)) * (100 - whiteness - blackness)
                   + 60 * qint64(whiteness));
    return e;
}

} // namespace

class tst_Notation : public QObject
{
    Q_OBJECT
private slots:
    void readsColors_data();
    void readsColors();
    void refusesNonColors_data();
    void refusesNonColors();
    void readsExtremeNumbers_data();
    void readsExtremeNumbers();
    void readsBareFormsOnlyOutsideCss();
    void knowsTheNamedColors();
    void mapsGamutLikeCssColor4_data();
    void mapsGamutLikeCssColor4();
    void writesEachForm_data();
    void writesEachForm();
    void roundTripsSample();
    void writesFewestDigits();
    void roundsLinearLightLikeTheCurve();
    void mapsAnyLinearValueIntoTheGamut_data();
    void mapsAnyLinearValueIntoTheGamut();
    void turnsHuesIntoDirections_data();
    void turnsHuesIntoDirections();
    void roundsExactHalvesUp_data();
    void roundsExactHalvesUp();
    void roundsEveryExactHalfOfWholeNumbers();
    void describesTheColorItself_data();
    void describesTheColorItself();
};

void tst_Notation::readsColors_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    // Examples of CSS Color 4 (its sample chart in Lab, LCH, Oklab and
    // Oklch), with the sRGB values it gives for them, rounded to 8 bits.
    QTest::newRow("lab chart 1") << "lab(29.2345% 39.3825 20.0664)"
                                 << "#7D2329";
    QTest::newRow("lab chart 2") << "lab(52.2345% 40.1645 59.9971)"
                                 << "#C65D06";
    QTest::newRow("lab chart 3") << "lab(60.2345% -5.3654 58.956)"
                                 << "#9D9318";
    QTest::newRow("lab chart 4") << "lab(62.2345% -34.9638 47.7721)"
                                 << "#68A639";
    QTest::newRow("lab chart 5") << "lab(67.5345% -8.6911 -41.6019)"
                                 << "#62ACEF";
    QTest::newRow("lch chart 1") << "lch(29.2345% 44.2 27)"
                                 << "#7D2329";
    QTest::newRow("lch chart 2") << "lch(52.2345% 72.2 56.2)"
                                 << "#C65D06";
    QTest::newRow("lch chart 3") << "lch(60.2345% 59.2 95.2)"
                                 << "#9D9318";
    QTest::newRow("lch chart 4") << "lch(62.2345% 59.2 126.2)"
                                 << "#68A639";
    QTest::newRow("lch chart 5") << "lch(67.5345% 42.5 258.2)"
                                 << "#62ACEF";
    QTest::newRow("oklab chart 1") << "oklab(40.101% 0.1147 0.0453)"
                                   << "#7D2329";
    QTest::newRow("oklch chart 1") << "oklch(40.101% 0.12332 21.555)"
                                   << "#7D2329";
    QTest::newRow("oklch chart 2") << "oklch(59.686% 0.15619 49.7694)"
                                   << "#C65D06";
    QTest::newRow("oklch chart 3") << "oklch(65.125% 0.13138 104.097)"
                                   << "#9D9318";
    QTest::newRow("oklch chart 4") << "oklch(66.016% 0.15546 134.231)"
                                   << "#68A639";
    QTest::newRow("oklch chart 5") << "oklch(72.322% 0.12403 247.996)"
                                   << "#62ACEF";
    QTest::newRow("hsl green") << "hsl(120deg 100% 25%)"
                               << "#008000";
    QTest::newRow("hwb green") << "hwb(120 0% 49.8%)"
                               << "#008000";
    QTest::newRow("rgb with alpha") << "rgb(29 164 192 / 95%)"
                                    << "#1DA4C0";

    // Hex and names.
    QTest::newRow("#rgb") << " #ABC "
                          << "#AABBCC";
    QTest::newRow("#rgba") << "#abcd"
                           << "#AABBCC";
    QTest::newRow("#rrggbb") << "#87ceEB"
                             << "#87CEEB";
    QTest::newRow("#rrggbbaa") << "#11223344"
                               << "#112233";
    QTest::newRow("name any case") << "\tToMaTo\n"
                                   << "#FF6347";

    // rgb() and rgba().
    QTest::newRow("rgb commas") << "rgb(255, 128, 0)"
                                << "#FF8000";
    QTest::newRow("rgba commas alpha") << "RGBA(255,0,0,.5)"
                                       << "#FF0000";
    QTest::newRow("rgb comma percentages") << "rgb(100%, 50%, 0%)"
                                           << "#FF8000";
    QTest::newRow("rgb half of 255 rounds up") << "rgb(50% 50% 50%)"
                                               << "#808080";
    QTest::newRow("rgb spaces mixed") << "rgb(100% 128 none)"
                                      << "#FF8000";
    QTest::newRow("rgb fractions round") << "rgb(12.5 34.49 56.5)"
                                         << "#0D2239";
    QTest::newRow("rgb clamps") << "rgb(300 -20 1e2)"
                                << "#FF0064";
    QTest::newRow("rgb alpha none") << "rgb(1 2 3 / none)"
                                    << "#010203";
    QTest::newRow("rgba spaces") << "rgba(1 2 3 / 0.1)"
                                 << "#010203";
    QTest::newRow("inner white space") << "rgb(  1\t2\n3  /  50%  )"
                                       << "#010203";

    // hsl() and hsla(), hwb().
    QTest::newRow("hsl commas") << "hsl(30, 100%, 50%)"
                                << "#FF8000";
    QTest::newRow("hsla commas alpha") << "hsla(30, 100%, 50%, 0.3)"
                                       << "#FF8000";
    QTest::newRow("hsl numbers") << "hsl(30 100 50)"
                                 << "#FF8000";
    QTest::newRow("hsl turn") << "hsl(0.3333turn 100% 50% / 0.5)"
                              << "#00FF00";
    QTest::newRow("hsl rad") << "hsl(3.14159rad 50% 50%)"
                             << "#40BFBF";
    QTest::newRow("hsl grad") << "hsl(200grad 50% 50%)"
                              << "#40BFBF";
    QTest::newRow("hsl negative hue") << "hsl(-330deg 100% 50%)"
                                      << "#FF8000";
    QTest::newRow("hsl none") << "hsl(none none 50%)"
                              << "#808080";
    QTest::newRow("hsl saturation clamps") << "hsl(0 150% 50%)"
                                           << "#FF0000";
    QTest::newRow("hwb gray when w + b > 100") << "hwb(90 60% 60%)"
                                               << "#808080";

    // Lab and Oklab families.
    QTest::newRow("lab numbers") << "lab(67.8 45.5 75)"
                                 << "#FF8000";
    QTest::newRow("lab lightness clamps") << "lab(150 0 0)"
                                          << "#FFFFFF";
    QTest::newRow("oklch from stylesheet") << "oklch(70% 0.1 250)"
                                           << "#6DA3DA";
    QTest::newRow("oklch percent chroma") << "oklch(70% 25% 250)"
                                          << "#6DA3DA";
    QTest::newRow("lch negative chroma") << "lch(50 -10 0)"
                                         << "#777777";

    // color().
    QTest::newRow("color srgb") << "color(srgb 1 0.5 0)"
                                << "#FF8000";
    QTest::newRow("color srgb percent") << "color(SRGB 100% 50% 0% / 1)"
                                        << "#FF8000";
    QTest::newRow("color srgb-linear") << "color(srgb-linear 0.5 0.2 0.1)"
                                       << "#BC7C59";
    QTest::newRow("color display-p3 gray") << "color(display-p3 0.6 0.6 0.6)"
                                           << "#999999";
    QTest::newRow("color a98-rgb") << "color(a98-rgb 0.2 0.6 0.4)"
                                   << "#009568";
    QTest::newRow("color prophoto-rgb") << "color(prophoto-rgb 0.6 0.4 0.3)"
                                        << "#D16A59";
    QTest::newRow("color rec2020") << "color(rec2020 0.7 0.5 0.2)"
                                   << "#D4842E";
    QTest::newRow("color xyz white") << "color(xyz 0.9505 1 1.089)"
                                     << "#FFFFFF";
    QTest::newRow("color xyz-d65") << "color(xyz-d65 0.2 0.3 0.4)"
                                   << "#00A7A4";
    QTest::newRow("color xyz-d50") << "color(xyz-d50 0.2 0.3 0.4)"
                                   << "#00A8BC";

    // The bare forms.
    QTest::newRow("bare hex") << "ff8000"
                              << "#FF8000";
    QTest::newRow("0x hex") << "0xFF8000"
                            << "#FF8000";
    QTest::newRow("bytes commas") << "12, 34, 56"
                                  << "#0C2238";
    QTest::newRow("bytes spaces") << " 12 34 56 "
                                  << "#0C2238";
    QTest::newRow("fractions") << "1.0, 0.5, 0"
                               << "#FF8000";
    QTest::newRow("fractions spaces") << "0.047 0.133 0.22"
                                      << "#0C2238";
}

void tst_Notation::readsColors()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(shown(parseColor(text)), expected);
}

void tst_Notation::refusesNonColors_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("white space") << " \t ";
    QTest::newRow("unknown name") << "tomatoes";
    QTest::newRow("transparent has no color") << "transparent";
    QTest::newRow("currentcolor") << "currentcolor";
    QTest::newRow("name with Kelvin sign") << QStringLiteral("blac\u212A");
    QTest::newRow("hex five digits") << "#12345";
    QTest::newRow("hex not digits") << "#12345g";
    QTest::newRow("hash alone") << "#";
    QTest::newRow("missing argument") << "rgb(1 2)";
    QTest::newRow("extra argument") << "rgb(1 2 3 4)";
    QTest::newRow("comma syntax missing") << "rgb(1, 2)";
    QTest::newRow("comma syntax extra") << "rgb(1, 2, 3, 4, 5)";
    QTest::newRow("mixed commas and spaces") << "rgb(1 2, 3)";
    QTest::newRow("slash in comma syntax") << "rgb(1, 2, 3 / 0.5)";
    QTest::newRow("comma mixes percent") << "rgb(50%, 10, 10)";
    QTest::newRow("none in comma syntax") << "rgb(none, 1, 2)";
    QTest::newRow("percent hue") << "hsl(50% 50% 50%)";
    QTest::newRow("legacy hsl numbers") << "hsl(120, 50, 50)";
    QTest::newRow("hwb commas") << "hwb(120, 10%, 10%)";
    QTest::newRow("lab commas") << "lab(50, 10, 10)";
    QTest::newRow("angle off hue") << "lab(50deg 10 10)";
    QTest::newRow("unknown unit") << "hsl(120px 50% 50%)";
    QTest::newRow("trailing garbage") << "rgb(1 2 3) x";
    QTest::newRow("trailing semicolon") << "tomato;";
    QTest::newRow("unclosed") << "rgb(1 2 3";
    QTest::newRow("space before parenthesis") << "rgb (1 2 3)";
    QTest::newRow("nested function") << "rgb(calc(1) 2 3)";
    QTest::newRow("double slash") << "rgb(1 2 3 / / 1)";
    QTest::newRow("alpha as name") << "rgb(1 2 3 / red)";
    QTest::newRow("number without digits") << "rgb(. 2 3)";
    QTest::newRow("number ending in point") << "rgb(1. 2 3)";
    QTest::newRow("numbers run together") << "rgb(1-2 3)";
    QTest::newRow("overflowing number") << "rgb(1e999 0 0)";
    QTest::newRow("unknown function") << "cmyk(0 0 0 0)";
    QTest::newRow("unknown color space") << "color(srgb-gamma 1 1 1)";
    QTest::newRow("color without space") << "color(1 1 1)";
    QTest::newRow("bytes out of range") << "256, 0, 0";
    QTest::newRow("fractions out of range") << "1.5, 0, 0";
    QTest::newRow("bytes negative") << "-1 0 0";
    QTest::newRow("bytes mixed separators") << "1, 2 3";
    QTest::newRow("two numbers") << "1 2";
    QTest::newRow("0x short") << "0xFFF";
    QTest::newRow("0x with spaces") << "0x1 2 34";
    QTest::newRow("bare hex seven") << "ff80001";
}

void tst_Notation::refusesNonColors()
{
    QFETCH(QString, text);
    QCOMPARE(shown(parseColor(text)), QStringLiteral("(not a color)"));
}

// Numbers at the ends of what a double holds: each text is a color, the one the CSS rules
// give at the limit (components clamped where CSS clamps them, unbounded ones held finite,
// hues taken modulo a turn), and no conversion on the way overflows into a crash.
void tst_Notation::readsExtremeNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("lab a near the largest double") << "lab(50 1e300 0)"
                                                   << "#FFFFFF";
    QTest::newRow("srgb channel far below zero") << "color(srgb 0.4 -5e135 0)"
                                                 << "#000000";
    QTest::newRow("oklch chroma of 40 digits")
            << "oklch(39% 8888888888888888888888888888888888888888.1 200)"
            << "#005257";
    // 1e308 degrees is 296 degrees exactly: the same color as lch(50 1e6 296).
    QTest::newRow("lch chroma and hue at 1e308") << "lch(50 1e308 1e308)"
                                                 << "#FFFFFF";
    QTest::newRow("lab a and b of opposite huge signs") << "lab(50 -1e300 1e300)"
                                                        << "#000000";
    QTest::newRow("oklab huge percentage") << "oklab(50% 1e308% 0)"
                                           << "#BB005E";
    QTest::newRow("xyz at 1e308") << "color(xyz 1e308 1e308 1e308)"
                                  << "#FFFFFF";
    QTest::newRow("rec2020 huge negative") << "color(rec2020 -1e308 0 0)"
                                           << "#000000";
    QTest::newRow("prophoto huge") << "color(prophoto-rgb 1e308 1e308 0)"
                                   << "#FFFFFF";
    QTest::newRow("a98 huge") << "color(a98-rgb 1e300 0 0)"
                              << "#FFFFFF";
    QTest::newRow("display-p3 huge mixed") << "color(display-p3 1e300 -1e300 1e300)"
                                           << "#000000";
    QTest::newRow("rgb percentage overflowing 255") << "rgb(1e308% 0 0)"
                                                    << "#FF0000";
    QTest::newRow("lab lightness overflowing") << "lab(1e308% 0 0)"
                                               << "#FFFFFF";
    QTest::newRow("hwb all huge") << "hwb(1e308 1e308% 1e308%)"
                                  << "#808080";
    QTest::newRow("hsl hue in turns overflowing degrees") << "hsl(1e308turn 50% 50%)"
                                                          << "#BF4040";
    QTest::newRow("hsl hue in radians overflowing degrees") << "hsl(-1e308rad 50% 50%)"
                                                            << "#BF8440";
    QTest::newRow("oklch hue in turns overflowing degrees") << "oklch(0.6 0.1 1e308turn)"
                                                            << "#B1667E";
    QTest::newRow("lab a tiny") << "lab(50 1e-308 0)"
                                << "#777777";
    QTest::newRow("rgb denormal") << "rgb(4e-320 0 0)"
                                  << "#000000";
    QTest::newRow("negative zeros in hsl") << "hsl(-0 -0% -0%)"
                                           << "#000000";
    QTest::newRow("negative zeros in oklch") << "oklch(-0 -0 -0)"
                                             << "#000000";
    QTest::newRow("negative zero chroma keeps gray") << "lch(50 -0 120)"
                                                     << "#777777";
    QTest::newRow("fractions at the limit of a double") << "1e-308, 0.5, 0"
                                                        << "#008000";
}

void tst_Notation::readsExtremeNumbers()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(shown(parseColor(text)), expected);
}

void tst_Notation::readsBareFormsOnlyOutsideCss()
{
    // Palette readers take stylesheet values: no bare form is a CSS color.
    for (const char *bare : {"ff8000", "0xFF8000", "255, 128, 0", "1.0, 0.5, 0.0", "12 34 56"}) {
        QVERIFY2(!parseCssColor(QString::fromLatin1(bare)), bare);
        QVERIFY2(parseColor(QString::fromLatin1(bare)), bare);
    }
    QCOMPARE(shown(parseCssColor(u"  rgb(255 128 0)  ")), QStringLiteral("#FF8000"));
    // Whole numbers are bytes; one decimal point makes all three fractions.
    QCOMPARE(shown(parseColor(u"1, 1, 1")), QStringLiteral("#010101"));
    QCOMPARE(shown(parseColor(u"1.0, 1, 1")), QStringLiteral("#FFFFFF"));
    QCOMPARE(shown(parseColor(u"1e0 1 1")), QStringLiteral("#FFFFFF"));
}

void tst_Notation::knowsTheNamedColors()
{
    QCOMPARE(namedColorCount(), 148);
    for (qsizetype i = 0; i < namedColorCount(); ++i) {
        const QString name = namedColorName(i);
        if (i > 0)
            QVERIFY2(namedColorName(i - 1) < name, qPrintable(name)); // the lookup relies on it
        const QString value = Color::buildHex(namedColorValue(i));
        QCOMPARE(shown(parseCssColor(name)), value);
        QCOMPARE(shown(parseCssColor(name.toUpper())), value);
        // Qt keeps the same table for SVG; the two are kept apart, so each checks the other.
        if (name != QLatin1String("rebeccapurple")) {
            const QColor qt = QColor::fromString(name);
            QVERIFY2(qt.isValid(), qPrintable(name));
            QCOMPARE(value, qt.name().toUpper());
        }
    }
    QCOMPARE(shown(parseCssColor(u"rebeccapurple")), QStringLiteral("#663399"));
}

void tst_Notation::mapsGamutLikeCssColor4_data()
{
    // Expected: the CSS Color 4 gamut-mapping algorithm worked step by step, apart from this
    // program, on the same inputs, and rounded; clipped: what cutting off the channels gives.
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("clipped");
    QTest::newRow("p3 red") << "color(display-p3 1 0 0)"
                            << "#FF0B0C"
                            << "#FF0000";
    QTest::newRow("p3 green") << "color(display-p3 0 1 0)"
                              << "#00FB29"
                              << "#00FF00";
    QTest::newRow("p3 yellow-green") << "color(display-p3 0.5 0.8 0.1)"
                                     << "#65CE00"
                                     << "#64CE00";
    QTest::newRow("a98 red") << "color(a98-rgb 1 0 0)"
                             << "#FF5A48"
                             << "#FF0000";
    QTest::newRow("lab violet") << "lab(50 100 -100)"
                                << "#BD2DFF"
                                << "#C900FF";
    QTest::newRow("oklch green") << "oklch(0.7 0.4 140)"
                                 << "#15C000"
                                 << "#00CD00";
    QTest::newRow("oklch red") << "oklch(0.5 0.3 30)"
                               << "#C30000"
                               << "#DD0000";
    QTest::newRow("lch light blue") << "lch(90 100 270)"
                                    << "#CDECFF"
                                    << "#00EAFF";
    QTest::newRow("oklch near white") << "oklch(0.99 0.3 100)"
                                      << "#FFFEA1"
                                      << "#FFFA00";
    QTest::newRow("srgb beyond 1") << "color(srgb 1.2 0.5 -0.1)"
                                   << "#FF9F6B"
                                   << "#FF8000";
    // Clipped within the just-noticeable difference: the clipped color stands.
    QTest::newRow("xyz just beyond sRGB") << "color(xyz-d65 0.2 0.3 0.4)"
                                          << "#00A7A4"
                                          << "#00A7A4";
    QTest::newRow("oklch lighter than white") << "oklch(1.2 0.3 100)"
                                              << "#FFFFFF"
                                              << "#FFFF00";
    QTest::newRow("oklab black") << "oklab(0 0.2 0.2)"
                                 << "#000000"
                                 << "#090F00";
}

void tst_Notation::mapsGamutLikeCssColor4()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QFETCH(QString, clipped);
    const auto color = parseCssColor(text);
    QCOMPARE(shown(color), expected);
    if (expected != clipped)
        QVERIFY(hex(clipped) != *color); // the mapping did more than cut the channels off
}

void tst_Notation::writesEachForm_data()
{
    QTest::addColumn<QString>("color");
    QTest::addColumn<Form>("form");
    QTest::addColumn<QString>("text");
    const auto row = [](const char *name, const char *color, Form form, const char *text) {
        QTest::newRow(name) << QString::fromLatin1(color) << form << QString::fromLatin1(text);
    };
    row("hex", "#0C2238", Form::Hex, "#0C2238");
    row("hex lowercase", "#0C2238", Form::HexLowercase, "#0c2238");
    row("hex bare", "#0C2238", Form::HexBare, "0C2238");
    row("hex number", "#0C2238", Form::HexNumber, "0x0C2238");
    row("rgb", "#0C2238", Form::Rgb, "rgb(12 34 56)");
    row("rgb commas", "#0C2238", Form::RgbCommas, "rgb(12, 34, 56)");
    row("bytes", "#0C2238", Form::Bytes, "12, 34, 56");
    row("fractions", "#0C2238", Form::Fractions, "0.047, 0.133, 0.22");
    row("fractions keep a point", "#FF8000", Form::Fractions, "1.0, 0.5, 0.0");
    row("color srgb", "#FF8000", Form::ColorSrgb, "color(srgb 1 0.5 0)");
    row("hsl", "#FF8000", Form::Hsl, "hsl(30 100% 50%)");
    row("hsl tomato", "#FF6347", Form::Hsl, "hsl(9 100% 64%)");
    row("hwb", "#0C2238", Form::Hwb, "hwb(210 4.7% 78%)");
    row("lab", "#FF6347", Form::Lab, "lab(63 59.4 48)");
    row("lch", "#FF6347", Form::Lch, "lch(63 76 39)");
    row("oklab", "#FF6347", Form::Oklab, "oklab(0.696 0.165 0.1045)");
    row("oklch", "#FF6347", Form::Oklch, "oklch(0.696 0.196 32.3)");
    row("oklch hue wraps below 0", "#0C2238", Form::Oklch, "oklch(0.247 0.051 251)");
    // The color's own chroma, about 0.29, 0.26 and 0.21, not a chroma of 1 that only the gamut
    // mapping brings back.
    row("oklch lime", "#00FF00", Form::Oklch, "oklch(0.866 0.3 142)");
    row("oklch red", "#FF0000", Form::Oklch, "oklch(0.63 0.26 30)");
    row("oklch yellow", "#FFFF00", Form::Oklch, "oklch(0.97 0.22 110)");
    row("lch lime", "#00FF00", Form::Lch, "lch(88 114 134.4)");
    // Grays have no hue: written as 0, never as the noise of a vanishing chroma.
    row("gray hsl", "#808080", Form::Hsl, "hsl(0 0% 50%)");
    row("gray lch", "#808080", Form::Lch, "lch(53.6 0 0)");
    row("gray oklch", "#808080", Form::Oklch, "oklch(0.6 0 0)");
    row("white lab", "#FFFFFF", Form::Lab, "lab(100 0 0)");
    row("black oklab", "#000000", Form::Oklab, "oklab(0 0 0)");
}

void tst_Notation::writesEachForm()
{
    QFETCH(QString, color);
    QFETCH(Form, form);
    QFETCH(QString, text);
    QCOMPARE(format(hex(color), form), text);
}

void tst_Notation::roundTripsSample()
{
    // The long robustness run reads back all 16,777,216 colors in every form, and measures how
    // far each text lies from its color.
    const QList<ColorValue> colors = sampleColors(839);
    QVERIFY(colors.size() > 20000);
    for (const ColorValue color : colors) {
        for (const Form form : allForms) {
            const QString text = format(color, form);
            const auto back = parseColor(text);
            if (!back || *back != color)
                QFAIL(qPrintable(QStringLiteral("%1 written as '%2' reads as %3")
                                         .arg(Color::buildHex(color), text, shown(back))));
            if (distanceFromColor(text, color) > 0.02)
                QFAIL(qPrintable(QStringLiteral("%1 written as '%2' lies %3 from it")
                                         .arg(Color::buildHex(color), text)
                                         .arg(distanceFromColor(text, color))));
        }
    }
}

void tst_Notation::writesFewestDigits()
{
    // Dropping the last digit of any number, rounding down or up, gives another color, or a
    // text further than deltaEOK 0.02 from this one.
    for (const ColorValue color : sampleColors(16411)) {
        for (const Form form : allForms) {
            const QString text = format(color, form);
            for (const Number &n : numbersIn(text)) {
                if (n.places == 0)
                    continue;
                if (form == Form::Fractions
                    && QStringView(text).mid(n.start, n.length).endsWith(u".0"))
                    continue; // the point that keeps 0 and 1 from reading as bytes
                const double value = text.mid(n.start, n.length).toDouble();
                const double unit = std::pow(10.0, n.places - 1);
                for (const double shorter :
                     {std::floor(value * unit) / unit, std::ceil(value * unit) / unit}) {
                    QString cut = text;
                    cut.replace(n.start, n.length, QString::number(shorter, 'f', n.places - 1));
                    if (parseColor(cut) == color && distanceFromColor(cut, color) <= 0.02)
                        QFAIL(qPrintable(QStringLiteral("'%1' could be '%2'").arg(text, cut)));
                }
            }
        }
    }
}

void tst_Notation::roundsLinearLightLikeTheCurve()
{
    // The table-driven rounding of linear light must agree with encoding and rounding.
    for (int i = 0; i <= 200000; ++i) {
        const double linear = i / 200000.0;
        const double encoded = ColorSpace::linearToSrgb(linear) * 255;
        if (std::abs(encoded - std::floor(encoded) - 0.5) < 1e-9)
            continue; // a midpoint to within rounding noise
        const int expected = int(std::floor(encoded + 0.5));
        const ColorValue rounded = ColorSpace::roundLinearSrgb({linear, linear, linear});
        if (Color::red(rounded) != expected)
            QFAIL(qPrintable(QStringLiteral("%1 rounds to %2, not %3")
                                     .arg(linear, 0, 'g', 17)
                                     .arg(Color::red(rounded))
                                     .arg(expected)));
    }
    QCOMPARE(ColorSpace::roundLinearSrgb({-0.5, 1.5, 1}), Color::pack(0, 255, 255));
}

// Whatever arithmetic hands the gamut mapping and the rounding, not-a-number and infinities
// included, a color inside sRGB comes out (the rounding tables are indexed by these values).
// Quarter turns point exactly along the axes, whatever the number of whole turns; other hues
// as the sine and cosine give them.
void tst_Notation::turnsHuesIntoDirections_data()
{
    QTest::addColumn<double>("hue");
    QTest::addColumn<double>("cosine");
    QTest::addColumn<double>("sine");
    QTest::newRow("0") << 0.0 << 1.0 << 0.0;
    QTest::newRow("90") << 90.0 << 0.0 << 1.0;
    QTest::newRow("180") << 180.0 << -1.0 << 0.0;
    QTest::newRow("270") << 270.0 << 0.0 << -1.0;
    QTest::newRow("360") << 360.0 << 1.0 << 0.0;
    QTest::newRow("-90") << -90.0 << 0.0 << -1.0;
    QTest::newRow("450") << 450.0 << 0.0 << 1.0;
    QTest::newRow("tiny negative") << -1e-300 << 1.0 << -1e-300 * std::numbers::pi / 180;
    QTest::newRow("1e308 is 296") << 1e308 << std::cos(296 * std::numbers::pi / 180)
                                  << std::sin(296 * std::numbers::pi / 180);
    QTest::newRow("30") << 30.0 << std::sqrt(3.0) / 2 << 0.5;
    QTest::newRow("225") << 225.0 << -std::sqrt(0.5) << -std::sqrt(0.5);
}

void tst_Notation::turnsHuesIntoDirections()
{
    QFETCH(double, hue);
    QFETCH(double, cosine);
    QFETCH(double, sine);
    const std::array<double, 2> direction = ColorSpace::hueDirection(hue);
    const bool quarter = std::fmod(hue, 90.0) == 0;
    if (quarter) {
        QCOMPARE(direction[0], cosine);
        QCOMPARE(direction[1], sine);
    } else {
        QVERIFY2(std::abs(direction[0] - cosine) <= 1e-15,
                 qPrintable(QString::number(direction[0], 'g', 17)));
        QVERIFY2(std::abs(direction[1] - sine) <= 1e-15 + std::abs(sine) * 1e-15,
                 qPrintable(QString::number(direction[1], 'g', 17)));
    }
}

void tst_Notation::mapsAnyLinearValueIntoTheGamut_data()
{
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double inf = std::numeric_limits<double>::infinity();
    QTest::addColumn<double>("red");
    QTest::addColumn<double>("green");
    QTest::addColumn<double>("blue");
    QTest::addColumn<QString>("expected");
    QTest::newRow("not a number") << nan << 0.5 << 0.5 << "#00BCBC";
    QTest::newRow("all not a number") << nan << nan << nan << "#000000";
    QTest::newRow("infinity") << inf << 0.0 << 0.0 << "#FF0000";
    QTest::newRow("minus infinity") << -inf << 0.5 << 1.0 << "#00BCFF";
    QTest::newRow("largest doubles") << 1e308 << -1e308 << 1e308 << "#000000";
    QTest::newRow("huge but finite") << 1e30 << 1.0 << 1.0 << "#FFFFFF";
}

void tst_Notation::mapsAnyLinearValueIntoTheGamut()
{
    QFETCH(double, red);
    QFETCH(double, green);
    QFETCH(double, blue);
    QFETCH(QString, expected);
    const ColorSpace::Triple mapped = ColorSpace::gamutMapLinearSrgb({red, green, blue});
    QVERIFY(ColorSpace::inSrgbGamut(mapped));
    QCOMPARE(Color::buildHex(ColorSpace::linearSrgbToColor({red, green, blue})), expected);
    // Rounding without the mapping clips, and reads no table entry outside its bounds.
    QVERIFY(ColorSpace::roundLinearSrgb({red, green, blue}) <= 0xFFFFFF);
}

// A channel whose exact value is a half rounds up, however the arithmetic would blur it.
void tst_Notation::roundsExactHalvesUp_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("hwb green of 127.5") << "hwb(120 30% 50%)"
                                        << "#4D804D";
    QTest::newRow("hwb in turns") << "hwb(0.5turn 30% 50%)"
                                  << "#4D8080";
    QTest::newRow("hwb in grads") << "hwb(200grad 30% 50%)"
                                  << "#4D8080";
    QTest::newRow("hwb of decimals not exact in binary") << "hwb(30 20.1% 20.1%)"
                                                         << "#CC8033";
    QTest::newRow("hwb decimals with trailing zeros") << "hwb(120 30.000% 5e1%)"
                                                      << "#4D804D";
    QTest::newRow("hwb gray of a half") << "hwb(0 50% 50%)"
                                        << "#808080";
    QTest::newRow("hsl red and blue of 25.5") << "hsl(0 75% 40%)"
                                              << "#B31A1A";
    QTest::newRow("hsl green and blue of 229.5") << "hsl(0 100% 95%)"
                                                 << "#FFE6E6";
    QTest::newRow("hsl green of 8.5") << "hsl(2 100% 50%)"
                                      << "#FF0900";
    // 48.828125 + 2.4 * 48.828125 / 100 is 50: red 127.5; green and blue 121.52.
    QTest::newRow("hsl of a decimal not exact in binary") << "hsl(0 2.4% 48.828125%)"
                                                          << "#807A7A";
}

void tst_Notation::roundsExactHalvesUp()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(shown(parseColor(text)), expected);
}

// Every hsl() and hwb() of whole numbers (hue 0..359, the others 0..100) with a channel that is
// exactly a half, against fractions worked out apart from the program's arithmetic.
void tst_Notation::roundsEveryExactHalfOfWholeNumbers()
{
    int halves = 0;
    int failures = 0;
    for (const bool hsl : {true, false}) {
        for (int hue = 0; hue < 360; ++hue) {
            for (int first = 0; first <= 100; ++first) {
                for (int second = 0; second <= 100; ++second) {
                    const Exact exact =
                            hsl ? exactHsl(hue, first, second) : exactHwb(hue, first, second);
                    if (!exact.hasHalf())
                        continue;
                    ++halves;
                    const QString text = QStringLiteral("%1(%2 %3% %4%)")
                                                 .arg(QLatin1String(hsl ? "hsl" : "hwb"))
                                                 .arg(hue)
                                                 .arg(first)
                                                 .arg(second);
                    const auto color = parseColor(text);
                    if (color != exact.rounded() && ++failures <= 20)
                        qWarning("%s reads as %s, not %s", qPrintable(text),
                                 qPrintable(shown(color)),
                                 qPrintable(Color::buildHex(exact.rounded())));
                }
            }
        }
    }
    QCOMPARE(failures, 0);
    QVERIFY(halves > 1000);
}

// What Copy As writes describes the color itself, not one that only the gamut mapping pulls
// back onto it: within deltaEOK 0.02 before any mapping, and still reading back as the color.
void tst_Notation::describesTheColorItself_data()
{
    QTest::addColumn<QString>("color");
    QTest::addColumn<Form>("form");
    const char *colors[] = {"#00FF00", "#FF0000", "#FFFF00", "#0000FF", "#00FFFF",
                            "#FF00FF", "#FFFFFF", "#000000", "#000001", "#010000",
                            "#000100", "#0C2238", "#FF8000", "#01FE00"};
    const std::pair<const char *, Form> forms[] = {
            {"oklch", Form::Oklch},    {"oklab", Form::Oklab},
            {"lch", Form::Lch},        {"lab", Form::Lab},
            {"hsl", Form::Hsl},        {"hwb", Form::Hwb},
            {"srgb", Form::ColorSrgb}, {"fractions", Form::Fractions}};
    for (const char *color : colors) {
        for (const auto &[name, form] : forms)
            QTest::addRow("%s %s", color, name) << QString::fromLatin1(color) << form;
    }
}

void tst_Notation::describesTheColorItself()
{
    QFETCH(QString, color);
    QFETCH(Form, form);
    const QString text = format(hex(color), form);
    QCOMPARE(shown(parseColor(text)), color);
    const double distance = distanceFromColor(text, hex(color));
    QVERIFY2(distance <= 0.02,
             qPrintable(QStringLiteral("'%1' lies %2 from %3").arg(text).arg(distance).arg(color)));
}

QTEST_GUILESS_MAIN(tst_Notation)
#include "tst_notation.moc"
