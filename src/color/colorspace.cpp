// SPDX-License-Identifier: GPL-3.0-or-later
#include "color/colorspace.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace Tintora::ColorSpace {

namespace {

using Matrix = std::array<Triple, 3>;

constexpr Triple multiply(const Matrix &m, const Triple &v)
{
    return {m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2],
            m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
            m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2]};
}

template<typename F>
Triple each(const Triple &v, F f)
{
    return {f(v[0]), f(v[1]), f(v[2])};
}

// The white points by their four-figure CIE x, y chromaticities.
constexpr Triple kD50 {0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};

constexpr Matrix kLinearSrgbToXyz65 {{
        {506752.0 / 1228815, 87881.0 / 245763, 12673.0 / 70218},
        {87098.0 / 409605, 175762.0 / 245763, 12673.0 / 175545},
        {7918.0 / 409605, 87881.0 / 737289, 1001167.0 / 1053270},
}};
constexpr Matrix kXyz65ToLinearSrgb {{
        {12831.0 / 3959, -329.0 / 214, -1974.0 / 3959},
        {-851781.0 / 878810, 1648619.0 / 878810, 36519.0 / 878810},
        {705.0 / 12673, -2585.0 / 12673, 705.0 / 667},
}};
constexpr Matrix kLinearP3ToXyz65 {{
        {608311.0 / 1250200, 189793.0 / 714400, 198249.0 / 1000160},
        {35783.0 / 156275, 247089.0 / 357200, 198249.0 / 2500400},
        {0.0, 32229.0 / 714400, 5220557.0 / 5000800},
}};
constexpr Matrix kLinearA98ToXyz65 {{
        {573536.0 / 994567, 263643.0 / 1420810, 187206.0 / 994567},
        {591459.0 / 1989134, 6239551.0 / 9945670, 374412.0 / 4972835},
        {53769.0 / 1989134, 351524.0 / 4972835, 4929758.0 / 4972835},
}};
constexpr Matrix kLinearRec2020ToXyz65 {{
        {63426534.0 / 99577255, 20160776.0 / 139408157, 47086771.0 / 278816314},
        {26158966.0 / 99577255, 472592308.0 / 697040785, 8267143.0 / 139408157},
        {0.0, 19567812.0 / 697040785, 295819943.0 / 278816314},
}};
constexpr Matrix kLinearProphotoToXyz50 {{
        {0.79776664490064230, 0.13518129740053308, 0.03134773412839220},
        {0.28807482881940130, 0.71183523424187300, 0.00008993693872564},
        {0.0, 0.0, 0.82510460251046020},
}};
constexpr Matrix kXyz65ToXyz50 {{
        {1.0479297925449969, 0.022946870601609652, -0.05019226628920524},
        {0.02962780877005599, 0.9904344267538799, -0.017073799063418826},
        {-0.009243040646204504, 0.015055191490298152, 0.7518742814281371},
}};
constexpr Matrix kXyz50ToXyz65 {{
        {0.955473421488075, -0.02309845494876471, 0.06325924320057072},
        {-0.0283697093338637, 1.0099953980813041, 0.021041441191917323},
        {0.012314014864481998, -0.020507649298898964, 1.330365926242124},
}};
constexpr Matrix kXyz65ToLms {{
        {0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
        {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
        {0.0481771893596242, 0.2642395317527308, 0.6335478284694309},
}};
constexpr Matrix kLmsToOklab {{
        {0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
        {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
        {0.0259040424655478, 0.7827717124575296, -0.8086757549230774},
}};
constexpr Matrix kLmsToXyz65 {{
        {1.2268798758459243, -0.5578149944602171, 0.2813910456659647},
        {-0.0405757452148008, 1.1122868032803170, -0.0717110580655164},
        {-0.0763729366746601, -0.4214933324022432, 1.5869240198367816},
}};
constexpr Matrix kOklabToLms {{
        {1.0, 0.3963377773761749, 0.2158037573099136},
        {1.0, -0.1055613458156586, -0.0638541728258133},
        {1.0, -0.0894841775298119, -1.2914855480194092},
}};

constexpr Matrix product(const Matrix &first, const Matrix &second)
{
    Matrix m {};
    for (size_t row = 0; row < 3; ++row) {
        for (size_t column = 0; column < 3; ++column) {
            m[row][column] = first[row][0] * second[0][column] + first[row][1] * second[1][column]
                    + first[row][2] * second[2][column];
        }
    }
    return m;
}

// Two steps in one, for the conversions that reading and writing Lab and Oklab repeat most.
constexpr Matrix kXyz50ToLinearSrgb = product(kXyz65ToLinearSrgb, kXyz50ToXyz65);
constexpr Matrix kLmsToLinearSrgb = product(kXyz65ToLinearSrgb, kLmsToXyz65);

// CIE Lab's constants as the exact fractions the CIE now defines.
constexpr double kEpsilon = 216.0 / 24389; // 6^3 / 29^3
constexpr double kKappa = 24389.0 / 27;    // 29^3 / 3^3

// A sign-matched power, for the transfer functions extended to negative values.
double signedPow(double value, double exponent)
{
    return std::copysign(std::pow(std::abs(value), exponent), value);
}

double a98ToLinear(double encoded)
{
    return signedPow(encoded, 563.0 / 256);
}

double rec2020ToLinear(double encoded)
{
    constexpr double alpha = 1.09929682680944;
    constexpr double beta = 0.018053968510807;
    if (std::abs(encoded) < beta * 4.5)
        return encoded / 4.5;
    return std::copysign(std::pow((std::abs(encoded) + alpha - 1) / alpha, 1 / 0.45), encoded);
}

double prophotoToLinear(double encoded)
{
    if (std::abs(encoded) <= 16.0 / 512)
        return encoded / 16;
    return signedPow(encoded, 1.8);
}

// Into [0, 1]; not-a-number gives 0, where std::clamp would hand it on to become an index.
double clamp01(double value)
{
    if (!(value > 0))
        return 0;
    return value < 1 ? value : 1;
}

bool isFinite(const Triple &v)
{
    return std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]);
}

double deltaEOK(const Triple &one, const Triple &two)
{
    return std::hypot(one[0] - two[0], one[1] - two[1], one[2] - two[2]);
}

Triple linearSrgbToOklab(const Triple &linear)
{
    return xyz65ToOklab(linearSrgbToXyz65(linear));
}

Triple oklchToLinearSrgb(const Triple &oklch)
{
    return xyz65ToLinearSrgb(oklabToXyz65(toRectangular(oklch)));
}

// The 255 midpoints between neighbouring 8-bit levels, in linear light, and for each of 4096
// equal steps of linear light the level where the step begins. The midpoints lie further apart
// than a step (the closest, at black, 1 / (255 * 12.92) apart), so from the step's level at
// most one midpoint remains to pass.
struct LinearLevels
{
    static constexpr int kSteps = 4096;
    std::array<double, 256> midpoints {}; // the last one above any linear value
    std::array<quint8, kSteps + 1> stepStart {};

    LinearLevels()
    {
        for (int level = 0; level < 255; ++level)
            midpoints[size_t(level)] = srgbToLinear((level + 0.5) / 255);
        midpoints[255] = 2;
        int level = 0;
        for (int step = 0; step <= kSteps; ++step) {
            while (level < 255 && midpoints[size_t(level)] <= double(step) / kSteps)
                ++level;
            stepStart[size_t(step)] = quint8(level);
        }
    }
};

const LinearLevels &linearLevels()
{
    static const LinearLevels levels;
    return levels;
}

int roundLinearChannel(double linear)
{
    const LinearLevels &levels = linearLevels();
    const double clamped = clamp01(linear);
    int level = levels.stepStart[size_t(clamped * LinearLevels::kSteps)];
    while (clamped >= levels.midpoints[size_t(level)])
        ++level;
    return level;
}

int roundEncodedChannel(double encoded)
{
    return int(std::floor(clamp01(encoded) * 255 + 0.5));
}

} // namespace

double srgbToLinear(double encoded)
{
    if (std::abs(encoded) <= 0.04045)
        return encoded / 12.92;
    return std::copysign(std::pow((std::abs(encoded) + 0.055) / 1.055, 2.4), encoded);
}

double linearToSrgb(double linear)
{
    if (std::abs(linear) > 0.0031308)
        return std::copysign(1.055 * std::pow(std::abs(linear), 1 / 2.4) - 0.055, linear);
    return 12.92 * linear;
}

Triple srgbToLinear(const Triple &encoded)
{
    return each(encoded, [](double v) { return srgbToLinear(v); });
}

Triple linearToSrgb(const Triple &linear)
{
    return each(linear, [](double v) { return linearToSrgb(v); });
}

Triple linearSrgbToXyz65(const Triple &rgb)
{
    return multiply(kLinearSrgbToXyz65, rgb);
}

Triple xyz65ToLinearSrgb(const Triple &xyz)
{
    return multiply(kXyz65ToLinearSrgb, xyz);
}

Triple displayP3ToXyz65(const Triple &encoded)
{
    return multiply(kLinearP3ToXyz65, srgbToLinear(encoded)); // P3 shares sRGB's curve
}

Triple a98RgbToXyz65(const Triple &encoded)
{
    return multiply(kLinearA98ToXyz65, each(encoded, a98ToLinear));
}

Triple rec2020ToXyz65(const Triple &encoded)
{
    return multiply(kLinearRec2020ToXyz65, each(encoded, rec2020ToLinear));
}

Triple prophotoRgbToXyz50(const Triple &encoded)
{
    return multiply(kLinearProphotoToXyz50, each(encoded, prophotoToLinear));
}

Triple xyz65ToXyz50(const Triple &xyz)
{
    return multiply(kXyz65ToXyz50, xyz);
}

Triple xyz50ToXyz65(const Triple &xyz)
{
    return multiply(kXyz50ToXyz65, xyz);
}

Triple xyz50ToLab(const Triple &xyz)
{
    Triple f;
    for (size_t i = 0; i < 3; ++i) {
        const double v = xyz[i] / kD50[i];
        f[i] = v > kEpsilon ? std::cbrt(v) : (kKappa * v + 16) / 116;
    }
    return {116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])};
}

Triple labToXyz50(const Triple &lab)
{
    const double f1 = (lab[0] + 16) / 116;
    const double f0 = lab[1] / 500 + f1;
    const double f2 = f1 - lab[2] / 200;
    const double cube0 = f0 * f0 * f0;
    const double cube2 = f2 * f2 * f2;
    const Triple xyz {cube0 > kEpsilon ? cube0 : (116 * f0 - 16) / kKappa,
                      lab[0] > kKappa * kEpsilon ? f1 * f1 * f1 : lab[0] / kKappa,
                      cube2 > kEpsilon ? cube2 : (116 * f2 - 16) / kKappa};
    return {xyz[0] * kD50[0], xyz[1] * kD50[1], xyz[2] * kD50[2]};
}

Triple xyz65ToOklab(const Triple &xyz)
{
    const Triple lms = multiply(kXyz65ToLms, xyz);
    return multiply(kLmsToOklab, each(lms, [](double v) { return std::cbrt(v); }));
}

Triple oklabToXyz65(const Triple &oklab)
{
    const Triple lms = multiply(kOklabToLms, oklab);
    return multiply(kLmsToXyz65, each(lms, [](double v) { return v * v * v; }));
}

Triple xyz50ToLinearSrgb(const Triple &xyz)
{
    return multiply(kXyz50ToLinearSrgb, xyz);
}

Triple oklabToLinearSrgb(const Triple &oklab)
{
    const Triple lms = multiply(kOklabToLms, oklab);
    return multiply(kLmsToLinearSrgb, each(lms, [](double v) { return v * v * v; }));
}

Triple toPolar(const Triple &lab)
{
    const double chroma = std::hypot(lab[1], lab[2]);
    double hue = chroma == 0 ? 0 : std::atan2(lab[2], lab[1]) * 180 / std::numbers::pi;
    if (hue < 0)
        hue += 360;
    return {lab[0], chroma, hue};
}

Triple toRectangular(const Triple &lch)
{
    return toRectangular(lch[0], lch[1], hueDirection(lch[2]));
}

std::array<double, 2> hueDirection(double hue)
{
    if (!std::isfinite(hue))
        return {std::cos(hue), std::sin(hue)}; // no direction at all
    // Turned to the nearest quarter turn first, in degrees, where every step is exact: the
    // quarter turns give exact directions (the cosine of 90 degrees is 0, not 6e-17), and the
    // sine and cosine are asked only of an angle within 45 degrees, where they are cheapest.
    double degrees = hue;
    if (degrees < 0 || degrees >= 360) {
        degrees = std::fmod(degrees, 360.0);
        if (degrees < 0)
            degrees += 360; // a tiny negative angle can give 360: that is a quarter turn of 4
    }
    const double quarters = std::nearbyint(degrees / 90);
    const double radians = (degrees - quarters * 90) * (std::numbers::pi / 180);
    const double cosine = std::cos(radians);
    const double sine = std::sin(radians);
    switch (int(quarters) % 4) {
    case 1:
        return {-sine, cosine};
    case 2:
        return {-cosine, -sine};
    case 3:
        return {sine, -cosine};
    default:
        return {cosine, sine};
    }
}

Triple toRectangular(double lightness, double chroma, const std::array<double, 2> &direction)
{
    return {lightness, chroma * direction[0], chroma * direction[1]};
}

Triple hslToSrgb(double hue, double saturation, double lightness)
{
    if (!std::isfinite(hue))
        hue = 0; // no direction at all: as powerless as a gray's
    if (hue < 0 || hue >= 360) {
        hue = std::fmod(hue, 360.0);
        if (hue < 0)
            hue += 360;
    }
    const double s = saturation / 100;
    const double l = lightness / 100;
    const double a = s * std::min(l, 1 - l);
    const auto f = [&](double n) {
        // n + hue / 30 lies in [0, 24): one subtraction is the remainder, exactly.
        double k = n + hue / 30;
        if (k >= 12)
            k -= 12;
        return l - a * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
    };
    return {f(0), f(8), f(4)};
}

Triple srgbToHsl(const Triple &encoded)
{
    const auto [red, green, blue] = encoded;
    const double max = std::max({red, green, blue});
    const double min = std::min({red, green, blue});
    const double light = (min + max) / 2;
    const double d = max - min;
    double hue = 0;
    double sat = 0;
    if (d != 0) {
        sat = (light == 0 || light == 1) ? 0 : (max - light) / std::min(light, 1 - light);
        if (max == red)
            hue = (green - blue) / d + (green < blue ? 6 : 0);
        else if (max == green)
            hue = (blue - red) / d + 2;
        else
            hue = (red - green) / d + 4;
        hue *= 60;
    }
    return {hue, sat * 100, light * 100};
}

Triple hwbToSrgb(double hue, double whiteness, double blackness)
{
    const double white = whiteness / 100;
    const double black = blackness / 100;
    if (white + black >= 1) {
        const double gray = white / (white + black);
        return {gray, gray, gray};
    }
    Triple rgb = hslToSrgb(hue, 100, 50);
    for (double &channel : rgb)
        channel = channel * (1 - white - black) + white;
    return rgb;
}

Triple srgbToHwb(const Triple &encoded)
{
    const double white = std::min({encoded[0], encoded[1], encoded[2]});
    const double black = 1 - std::max({encoded[0], encoded[1], encoded[2]});
    return {srgbToHsl(encoded)[0], white * 100, black * 100};
}

Triple hsvToSrgb(double hue, double saturation, double value)
{
    // HSV and HSL share their hue and differ only in how far the channels spread from it.
    const double v = value / 100;
    const double lightness = v * (1 - saturation / 200);
    const double hslSaturation = (lightness == 0 || lightness == 1)
            ? 0
            : (v - lightness) / std::min(lightness, 1 - lightness);
    return hslToSrgb(hue, hslSaturation * 100, lightness * 100);
}

Triple srgbToHsv(const Triple &encoded)
{
    const double max = std::max({encoded[0], encoded[1], encoded[2]});
    const double min = std::min({encoded[0], encoded[1], encoded[2]});
    const double saturation = max == 0 ? 0 : (max - min) / max;
    return {srgbToHsl(encoded)[0], saturation * 100, max * 100};
}

Color::ColorValue roundSrgb(const Triple &encoded)
{
    return Color::pack(roundEncodedChannel(encoded[0]), roundEncodedChannel(encoded[1]),
                       roundEncodedChannel(encoded[2]));
}

Color::ColorValue roundLinearSrgb(const Triple &linear)
{
    return Color::pack(roundLinearChannel(linear[0]), roundLinearChannel(linear[1]),
                       roundLinearChannel(linear[2]));
}

bool linearSrgbRoundsTo(const Triple &linear, Color::ColorValue color)
{
    // roundLinearChannel gives the number of midpoints at or below the clamped value, so it gives
    // a level exactly when the value lies from the midpoint below the level to the one above it.
    const LinearLevels &levels = linearLevels();
    const int channels[] = {Color::red(color), Color::green(color), Color::blue(color)};
    for (size_t i = 0; i < 3; ++i) {
        const double clamped = clamp01(linear[i]);
        const auto level = size_t(channels[i]);
        if (clamped >= levels.midpoints[level]
            || (level > 0 && clamped < levels.midpoints[level - 1]))
            return false;
    }
    return true;
}

bool inSrgbGamut(const Triple &linear)
{
    constexpr double tolerance = 1e-9;
    return std::all_of(linear.begin(), linear.end(),
                       [](double v) { return v >= -tolerance && v <= 1 + tolerance; });
}

Triple gamutMapLinearSrgb(const Triple &origin)
{
    if (inSrgbGamut(origin))
        return each(origin, clamp01);
    // Past the range of a double there is no hue or lightness to keep; callers bound their
    // components so that this never happens for a color text, and clipping stays defined.
    if (!isFinite(origin))
        return each(origin, clamp01);

    const Triple originOklch = toPolar(linearSrgbToOklab(origin));
    if (originOklch[0] >= 1)
        return {1, 1, 1};
    if (originOklch[0] <= 0)
        return {0, 0, 0};

    constexpr double jnd = 0.02;
    constexpr double epsilon = 0.0001;
    const auto clip = [](const Triple &linear) { return each(linear, clamp01); };
    const auto delta = [](const Triple &clippedLinear, const Triple &currentOklch) {
        return deltaEOK(linearSrgbToOklab(clippedLinear), toRectangular(currentOklch));
    };

    Triple current = originOklch;
    Triple clipped = clip(origin);
    if (delta(clipped, current) < jnd)
        return clipped;

    double min = 0;
    double max = originOklch[1];
    bool minInGamut = true;
    while (max - min > epsilon) {
        const double chroma = (min + max) / 2;
        current[1] = chroma;
        const Triple linear = oklchToLinearSrgb(current);
        if (minInGamut && inSrgbGamut(linear)) {
            min = chroma;
            continue;
        }
        clipped = clip(linear);
        const double e = delta(clipped, current);
        if (e < jnd) {
            if (jnd - e < epsilon)
                return clipped;
            minInGamut = false;
            min = chroma;
        } else {
            max = chroma;
        }
    }
    return clipped;
}

Color::ColorValue linearSrgbToColor(const Triple &linear)
{
    return roundLinearSrgb(gamutMapLinearSrgb(linear));
}

Color::ColorValue xyz65ToColor(const Triple &xyz)
{
    return linearSrgbToColor(xyz65ToLinearSrgb(xyz));
}

Triple colorToLinearSrgb(Color::ColorValue color)
{
    static const std::array<double, 256> levels = [] {
        std::array<double, 256> l {};
        for (int level = 0; level < 256; ++level)
            l[size_t(level)] = srgbToLinear(level / 255.0);
        return l;
    }();
    return {levels[size_t(Color::red(color))], levels[size_t(Color::green(color))],
            levels[size_t(Color::blue(color))]};
}

Triple colorToSrgb(Color::ColorValue color)
{
    return {Color::red(color) / 255.0, Color::green(color) / 255.0, Color::blue(color) / 255.0};
}

} // namespace Tintora::ColorSpace
