// SPDX-License-Identifier: GPL-3.0-or-later
#include "color/contrast.h"

#include "core/convert.h"
#include "core/vectorstate.h"

#include <QCoreApplication>
#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <limits>

namespace Tintora::Contrast {

namespace {

// Absorb the last-bit noise of double arithmetic when a value is truncated for display. The
// ratio's is a few units in the last place of a hundredth count (21 comes out as
// 20.999999999999996): a wider one would pass ratios a hair under a threshold, and among all
// pairs of 8-bit colors thousands lie within 1e-11 below 4.5:1.
constexpr double kHundredthsTolerance = 1e-12;
constexpr double kTruncationTolerance = 1e-9; // Lc, shown in tenths and judged by no law

struct Linear
{
    double r = 0;
    double g = 0;
    double b = 0;
};

struct Oklab
{
    double L = 0;
    double a = 0;
    double b = 0;
};

double decodeChannel(int value)
{
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// sRGB decoding of all 256 channel values, computed once.
const std::array<double, 256> &linearTable()
{
    static const std::array<double, 256> table = [] {
        std::array<double, 256> t {};
        for (int i = 0; i < 256; ++i)
            t[size_t(i)] = decodeChannel(i);
        return t;
    }();
    return table;
}

Linear toLinear(ColorValue color)
{
    const auto &t = linearTable();
    return {t[size_t(Color::red(color))], t[size_t(Color::green(color))],
            t[size_t(Color::blue(color))]};
}

// Into [0, 1], not-a-number to 0: std::clamp would pass it on to the integer conversion.
double clamp01(double value)
{
    if (!(value > 0))
        return 0;
    return value < 1 ? value : 1;
}

int encodeChannel(double linear)
{
    linear = clamp01(linear);
    const double c =
            linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1 / 2.4) - 0.055;
    return int(std::lround(c * 255));
}

ColorValue fromLinear(const Linear &c)
{
    return Color::pack(encodeChannel(c.r), encodeChannel(c.g), encodeChannel(c.b));
}

double luminance(const Linear &c)
{
    return 0.2126 * c.r + 0.7152 * c.g + 0.0722 * c.b;
}

double cube(double x)
{
    return x * x * x;
}

// Oklab (Björn Ottosson, 2020) from and to linear sRGB.
Oklab toOklab(const Linear &c)
{
    const double l = std::cbrt(0.4122214708 * c.r + 0.5363325363 * c.g + 0.0514459929 * c.b);
    const double m = std::cbrt(0.2119034982 * c.r + 0.6806995451 * c.g + 0.1073969566 * c.b);
    const double s = std::cbrt(0.0883024619 * c.r + 0.2817188376 * c.g + 0.6299787005 * c.b);
    return {0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s,
            1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s,
            0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s};
}

Linear fromOklab(const Oklab &lab)
{
    const double l = cube(lab.L + 0.3963377774 * lab.a + 0.2158037573 * lab.b);
    const double m = cube(lab.L - 0.1055613458 * lab.a - 0.0638541728 * lab.b);
    const double s = cube(lab.L - 0.0894841775 * lab.a - 1.2914855480 * lab.b);
    return {4.0767416621 * l - 3.3077115913 * m + 0.2309699292 * s,
            -1.2684380046 * l + 2.6097574011 * m - 0.3413193965 * s,
            -0.0041960863 * l - 0.7034186147 * m + 1.7076147010 * s};
}

bool inGamut(const Linear &c)
{
    constexpr double eps = 1e-9;
    return c.r >= -eps && c.r <= 1 + eps && c.g >= -eps && c.g <= 1 + eps && c.b >= -eps
            && c.b <= 1 + eps;
}

// One hue's lightness axis: the hue and chroma of a color, to be placed at other lightnesses.
class HueLine
{
public:
    explicit HueLine(ColorValue color)
    {
        const Oklab lab = toOklab(toLinear(color));
        m_chroma = std::hypot(lab.a, lab.b);
        if (m_chroma > 1e-7) {
            m_unitA = lab.a / m_chroma;
            m_unitB = lab.b / m_chroma;
        } else {
            m_chroma = 0; // a gray: its hue is noise, and it stays gray
        }
    }

    ColorValue at(double lightness) const
    {
        lightness = clamp01(lightness);
        const auto point = [&](double chroma) {
            return fromOklab({lightness, chroma * m_unitA, chroma * m_unitB});
        };
        const Linear full = point(m_chroma);
        if (inGamut(full))
            return fromLinear(full);
        // Out of gamut at this lightness: give up chroma, never hue, until it fits.
        double fits = 0;
        double fails = m_chroma;
        for (int i = 0; i < 30; ++i) {
            const double mid = (fits + fails) / 2;
            (inGamut(point(mid)) ? fits : fails) = mid;
        }
        return fromLinear(point(fits));
    }

private:
    double m_chroma = 0;
    double m_unitA = 0;
    double m_unitB = 0;
};

// The lightness line is sampled on a grid this fine, then refined where neighbouring samples
// are more than one 8-bit step apart: where two channels change at almost the same lightness
// the color between them lives on a sliver far narrower than any practical grid.
constexpr int kLightnessSteps = 8192;
constexpr int kMaxRefinement = 30;

bool adjacent(ColorValue a, ColorValue b)
{
    return std::abs(Color::red(a) - Color::red(b)) + std::abs(Color::green(a) - Color::green(b))
            + std::abs(Color::blue(a) - Color::blue(b))
            <= 1;
}

const double kMachadoProtanopia[3][3] = {{0.152286, 1.052583, -0.204868},
                                         {0.114503, 0.786281, 0.099216},
                                         {-0.003882, -0.048116, 1.051998}};
const double kMachadoDeuteranopia[3][3] = {{0.367322, 0.860646, -0.227968},
                                           {0.280085, 0.672501, 0.047413},
                                           {-0.011820, 0.042940, 0.968881}};
const double kMachadoTritanopia[3][3] = {{1.255528, -0.076749, -0.178779},
                                         {-0.078411, 0.930809, 0.147602},
                                         {0.004733, 0.691367, 0.303900}};

Linear multiply(const double (&m)[3][3], const Linear &c)
{
    return {m[0][0] * c.r + m[0][1] * c.g + m[0][2] * c.b,
            m[1][0] * c.r + m[1][1] * c.g + m[1][2] * c.b,
            m[2][0] * c.r + m[2][1] * c.g + m[2][2] * c.b};
}

} // namespace

double relativeLuminance(ColorValue color)
{
    return luminance(toLinear(color));
}

double contrastRatio(ColorValue first, ColorValue second)
{
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

const LevelRule &levelRule(Level level)
{
    return levelRules[size_t(level)];
}

double minimumRatio(Level level)
{
    return levelRule(level).minimum;
}

QString levelName(Level level)
{
    const LevelRule &rule = levelRule(level);
    return QStringLiteral("%1 %2 %3")
            .arg(QLatin1String(rule.criterion), QLatin1String(rule.conformance),
                 QCoreApplication::translate("Contrast", rule.appliesTo));
}

int ratioHundredths(double ratio)
{
    return Convert::saturatingInt(std::floor(ratio * 100 + kHundredthsTolerance));
}

QString formatRatio(double ratio, const QLocale &locale)
{
    const int h = ratioHundredths(ratio);
    return locale.toString(h / 100) + locale.decimalPoint()
            + locale.toString(h % 100).rightJustified(2, locale.zeroDigit().at(0))
            + QStringLiteral(":1");
}

QString formatMinimum(double minimum, const QLocale &locale)
{
    return locale.toString(minimum, 'g', 3);
}

bool passes(double ratio, double minimum)
{
    return ratioHundredths(ratio) >= int(std::lround(minimum * 100));
}

bool justBelow(double ratio, double minimum)
{
    // One decimal, rounded half up, reaches the minimum from five hundredths below it.
    return !passes(ratio, minimum) && ratioHundredths(ratio) >= int(std::lround(minimum * 100)) - 5;
}

QString describeRatio(double ratio, std::span<const double> minimums, const QLocale &locale)
{
    for (const double minimum : minimums) {
        if (justBelow(ratio, minimum))
            return justBelowText(formatRatio(ratio, locale), minimum, locale);
    }
    return formatRatio(ratio, locale);
}

QString describeRatio(double ratio, const QLocale &locale)
{
    static constexpr std::array<double, levelRules.size()> minimums = [] {
        std::array<double, levelRules.size()> m {};
        for (size_t i = 0; i < levelRules.size(); ++i)
            m[i] = levelRules[i].minimum;
        return m;
    }();
    return describeRatio(ratio, minimums, locale);
}

QString justBelowText(const QString &ratioText, double minimum, const QLocale &locale)
{
    return QCoreApplication::translate("Contrast", "%1, just below %2:1")
            .arg(ratioText, formatMinimum(minimum, locale));
}

bool passes(double ratio, Level level)
{
    return passes(ratio, minimumRatio(level));
}

double apcaContrast(ColorValue text, ColorValue background)
{
    // APCA-W3 0.0.98G-4g: a plain 2.4 power curve, not the piecewise sRGB one.
    constexpr double mainTrc = 2.4;
    constexpr double sRco = 0.2126729, sGco = 0.7151522, sBco = 0.0721750;
    constexpr double normBg = 0.56, normTxt = 0.57, revTxt = 0.62, revBg = 0.65;
    constexpr double blkThrs = 0.022, blkClmp = 1.414;
    constexpr double scaleBoW = 1.14, scaleWoB = 1.14;
    constexpr double loBoWoffset = 0.027, loWoBoffset = 0.027;
    constexpr double deltaYmin = 0.0005, loClip = 0.1;

    const auto screenLuminance = [&](ColorValue c) {
        const auto channel = [&](int v) { return std::pow(v / 255.0, mainTrc); };
        double y = sRco * channel(Color::red(c)) + sGco * channel(Color::green(c))
                + sBco * channel(Color::blue(c));
        // Soft clamp of near-black, where screens and eyes flare.
        if (y < blkThrs)
            y += std::pow(blkThrs - y, blkClmp);
        return y;
    };
    const double yText = screenLuminance(text);
    const double yBack = screenLuminance(background);
    if (std::abs(yBack - yText) < deltaYmin)
        return 0;

    double output = 0;
    if (yBack > yText) { // dark text on a light background
        const double sapc = (std::pow(yBack, normBg) - std::pow(yText, normTxt)) * scaleBoW;
        output = sapc < loClip ? 0 : sapc - loBoWoffset;
    } else { // light text on a dark background
        const double sapc = (std::pow(yBack, revBg) - std::pow(yText, revTxt)) * scaleWoB;
        output = sapc > -loClip ? 0 : sapc + loWoBoffset;
    }
    return output * 100;
}

int lcTenths(double lc)
{
    const int tenths = Convert::saturatingInt(std::floor(std::abs(lc) * 10 + kTruncationTolerance));
    return lc < 0 ? -tenths : tenths;
}

const ApcaUseRule &apcaUseRule(ApcaUse use)
{
    return apcaUseRules[size_t(use)];
}

double apcaMinimum(ApcaUse use)
{
    return apcaUseRule(use).minimum;
}

ApcaUse apcaUse(double lc)
{
    const int tenths = std::abs(lcTenths(lc));
    ApcaUse reached = ApcaUse::NotReadable;
    for (const ApcaUseRule &rule : apcaUseRules) {
        if (tenths >= int(std::lround(rule.minimum * 10)))
            reached = rule.use;
    }
    return reached;
}

QString apcaReading(double lc)
{
    return QCoreApplication::translate("Contrast", apcaUseRule(apcaUse(lc)).reading);
}

std::optional<ApcaFontRow> apcaFontRow(double lc)
{
    const int tenths = std::abs(lcTenths(lc));
    std::optional<ApcaFontRow> reached;
    for (const ApcaFontRow &row : apcaFontTable) {
        if (tenths >= row.lc * 10)
            reached = row;
    }
    return reached;
}

QString apcaFontSize(double lc, int weight, const QLocale &locale)
{
    if (const std::optional<ApcaFontRow> row = apcaFontRow(lc))
        return QStringLiteral("%1 px").arg(
                locale.toString(weight >= 700 ? row->weight700 : row->weight400, 'g',
                                QLocale::FloatingPointShortest));
    return apcaUse(lc) == ApcaUse::NotReadable
            ? QCoreApplication::translate("Contrast", "Not readable")
            : QCoreApplication::translate("Contrast", "Non-text only");
}

QString formatLc(double lc, const QLocale &locale)
{
    const int tenths = lcTenths(lc);
    const int magnitude = std::abs(tenths);
    return QStringLiteral("Lc %1%2%3%4")
            .arg(tenths < 0 ? locale.negativeSign() : QString(), locale.toString(magnitude / 10),
                 locale.decimalPoint(), locale.toString(magnitude % 10));
}

double lightness(ColorValue color)
{
    return toOklab(toLinear(color)).L;
}

ColorValue withLightness(ColorValue color, double lightness)
{
    return HueLine(color).at(lightness);
}

std::vector<ColorValue> sameHueColors(ColorValue color)
{
    const HueLine line(color);
    std::vector<ColorValue> colors;
    const auto add = [&colors](ColorValue c) {
        if (colors.empty() || colors.back() != c)
            colors.push_back(c);
    };
    const auto between = [&](const auto &self, double from, ColorValue fromColor, double to,
                             ColorValue toColor, int depth) -> void {
        if (fromColor == toColor || adjacent(fromColor, toColor) || depth >= kMaxRefinement)
            return;
        const double mid = (from + to) / 2;
        const ColorValue midColor = line.at(mid);
        self(self, from, fromColor, mid, midColor, depth + 1);
        add(midColor);
        self(self, mid, midColor, to, toColor, depth + 1);
    };

    double previous = 0;
    ColorValue previousColor = line.at(0);
    add(previousColor);
    for (int step = 1; step <= kLightnessSteps; ++step) {
        const double lightness = double(step) / kLightnessSteps;
        const ColorValue c = line.at(lightness);
        between(between, previous, previousColor, lightness, c, 0);
        add(c);
        previous = lightness;
        previousColor = c;
    }
    return colors;
}

bool fixExists(ColorValue background, double minimum)
{
    return passes(contrastRatio(Color::pack(0, 0, 0), background), minimum)
            || passes(contrastRatio(Color::pack(255, 255, 255), background), minimum);
}

namespace {

// The color of `from`'s line of the same hue that `accepts` and whose lightness is nearest to
// `from`'s. Every color of the line is weighed rather than walking outward to the first one
// accepted: rounding to 8 bits moves a color's lightness a little off the point it came from, so
// the first one met need not be the nearest.
template<typename Accepts>
std::optional<ColorValue> nearestOnLine(ColorValue from, const Accepts &accepts)
{
    const double start = lightness(from);
    std::optional<ColorValue> best;
    double bestChange = std::numeric_limits<double>::infinity();
    for (ColorValue candidate : sameHueColors(from)) {
        if (!accepts(candidate))
            continue;
        const double change = std::abs(lightness(candidate) - start);
        if (change < bestChange) {
            bestChange = change;
            best = candidate;
        }
    }
    return best;
}

} // namespace

std::optional<ColorValue> fixTextColor(ColorValue text, ColorValue background, double minimum)
{
    VectorState::clearUpper();
    const double backgroundLuminance = relativeLuminance(background);
    const auto reaches = [&](ColorValue candidate) {
        const double l = relativeLuminance(candidate);
        const double ratio = (std::max(l, backgroundLuminance) + 0.05)
                / (std::min(l, backgroundLuminance) + 0.05);
        return passes(ratio, minimum);
    };
    if (reaches(text))
        return text;
    if (!fixExists(background, minimum))
        return std::nullopt;
    return nearestOnLine(text, reaches);
}

std::optional<ColorValue> fixTextColor(ColorValue text, ColorValue background, Level level)
{
    return fixTextColor(text, background, minimumRatio(level));
}

std::optional<ColorValue> fixBackgroundColor(ColorValue background,
                                             std::span<const ColorValue> texts, double minimum)
{
    VectorState::clearUpper();
    std::vector<double> textLuminances;
    textLuminances.reserve(texts.size());
    for (ColorValue text : texts)
        textLuminances.push_back(relativeLuminance(text));
    const auto letsAllPass = [&](ColorValue candidate) {
        const double l = relativeLuminance(candidate);
        return std::all_of(textLuminances.begin(), textLuminances.end(), [&](double t) {
            return passes((std::max(l, t) + 0.05) / (std::min(l, t) + 0.05), minimum);
        });
    };
    if (letsAllPass(background))
        return background;

    return nearestOnLine(background, letsAllPass);
}

std::optional<ColorValue> fixBackgroundColor(ColorValue background,
                                             std::span<const ColorValue> texts, Level level)
{
    return fixBackgroundColor(background, texts, minimumRatio(level));
}

const char *visionKey(Vision vision)
{
    switch (vision) {
    case Vision::Protanopia:
        return QT_TRANSLATE_NOOP("Contrast", "Protanopia");
    case Vision::Deuteranopia:
        return QT_TRANSLATE_NOOP("Contrast", "Deuteranopia");
    case Vision::Tritanopia:
        return QT_TRANSLATE_NOOP("Contrast", "Tritanopia");
    case Vision::Achromatopsia:
        return QT_TRANSLATE_NOOP("Contrast", "Achromatopsia");
    }
    Q_UNREACHABLE();
}

QString visionName(Vision vision)
{
    return QCoreApplication::translate("Contrast", visionKey(vision));
}

namespace {

Linear seen(ColorValue color, Vision vision)
{
    const Linear c = toLinear(color);
    switch (vision) {
    case Vision::Protanopia:
        return multiply(kMachadoProtanopia, c);
    case Vision::Deuteranopia:
        return multiply(kMachadoDeuteranopia, c);
    case Vision::Tritanopia:
        return multiply(kMachadoTritanopia, c);
    case Vision::Achromatopsia: {
        const double y = luminance(c);
        return {y, y, y};
    }
    }
    Q_UNREACHABLE();
}

} // namespace

ColorValue simulate(ColorValue color, Vision vision)
{
    return fromLinear(seen(color, vision));
}

double seenRatio(ColorValue text, ColorValue background, Vision vision)
{
    if (vision == Vision::Achromatopsia) // the same luminances, so the very same number
        return contrastRatio(text, background);
    return contrastRatio(simulate(text, vision), simulate(background, vision));
}

} // namespace Tintora::Contrast
