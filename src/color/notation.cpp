// SPDX-License-Identifier: GPL-3.0-or-later
#include "color/notation.h"

#include "color/colorspace.h"
#include "core/convert.h"
#include "core/vectorstate.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <numbers>

namespace Tintora::Notation {

using Color::ColorValue;
using ColorSpace::Triple;

namespace {

// ---- Named colors ----

struct NamedColor
{
    const char *name;
    quint32 rgb; // 0xRRGGBB
};

// Sorted by name for the binary search.
constexpr NamedColor kNamedColors[] = {
        {"aliceblue", 0xf0f8ff},
        {"antiquewhite", 0xfaebd7},
        {"aqua", 0x00ffff},
        {"aquamarine", 0x7fffd4},
        {"azure", 0xf0ffff},
        {"beige", 0xf5f5dc},
        {"bisque", 0xffe4c4},
        {"black", 0x000000},
        {"blanchedalmond", 0xffebcd},
        {"blue", 0x0000ff},
        {"blueviolet", 0x8a2be2},
        {"brown", 0xa52a2a},
        {"burlywood", 0xdeb887},
        {"cadetblue", 0x5f9ea0},
        {"chartreuse", 0x7fff00},
        {"chocolate", 0xd2691e},
        {"coral", 0xff7f50},
        {"cornflowerblue", 0x6495ed},
        {"cornsilk", 0xfff8dc},
        {"crimson", 0xdc143c},
        {"cyan", 0x00ffff},
        {"darkblue", 0x00008b},
        {"darkcyan", 0x008b8b},
        {"darkgoldenrod", 0xb8860b},
        {"darkgray", 0xa9a9a9},
        {"darkgreen", 0x006400},
        {"darkgrey", 0xa9a9a9},
        {"darkkhaki", 0xbdb76b},
        {"darkmagenta", 0x8b008b},
        {"darkolivegreen", 0x556b2f},
        {"darkorange", 0xff8c00},
        {"darkorchid", 0x9932cc},
        {"darkred", 0x8b0000},
        {"darksalmon", 0xe9967a},
        {"darkseagreen", 0x8fbc8f},
        {"darkslateblue", 0x483d8b},
        {"darkslategray", 0x2f4f4f},
        {"darkslategrey", 0x2f4f4f},
        {"darkturquoise", 0x00ced1},
        {"darkviolet", 0x9400d3},
        {"deeppink", 0xff1493},
        {"deepskyblue", 0x00bfff},
        {"dimgray", 0x696969},
        {"dimgrey", 0x696969},
        {"dodgerblue", 0x1e90ff},
        {"firebrick", 0xb22222},
        {"floralwhite", 0xfffaf0},
        {"forestgreen", 0x228b22},
        {"fuchsia", 0xff00ff},
        {"gainsboro", 0xdcdcdc},
        {"ghostwhite", 0xf8f8ff},
        {"gold", 0xffd700},
        {"goldenrod", 0xdaa520},
        {"gray", 0x808080},
        {"green", 0x008000},
        {"greenyellow", 0xadff2f},
        {"grey", 0x808080},
        {"honeydew", 0xf0fff0},
        {"hotpink", 0xff69b4},
        {"indianred", 0xcd5c5c},
        {"indigo", 0x4b0082},
        {"ivory", 0xfffff0},
        {"khaki", 0xf0e68c},
        {"lavender", 0xe6e6fa},
        {"lavenderblush", 0xfff0f5},
        {"lawngreen", 0x7cfc00},
        {"lemonchiffon", 0xfffacd},
        {"lightblue", 0xadd8e6},
        {"lightcoral", 0xf08080},
        {"lightcyan", 0xe0ffff},
        {"lightgoldenrodyellow", 0xfafad2},
        {"lightgray", 0xd3d3d3},
        {"lightgreen", 0x90ee90},
        {"lightgrey", 0xd3d3d3},
        {"lightpink", 0xffb6c1},
        {"lightsalmon", 0xffa07a},
        {"lightseagreen", 0x20b2aa},
        {"lightskyblue", 0x87cefa},
        {"lightslategray", 0x778899},
        {"lightslategrey", 0x778899},
        {"lightsteelblue", 0xb0c4de},
        {"lightyellow", 0xffffe0},
        {"lime", 0x00ff00},
        {"limegreen", 0x32cd32},
        {"linen", 0xfaf0e6},
        {"magenta", 0xff00ff},
        {"maroon", 0x800000},
        {"mediumaquamarine", 0x66cdaa},
        {"mediumblue", 0x0000cd},
        {"mediumorchid", 0xba55d3},
        {"mediumpurple", 0x9370db},
        {"mediumseagreen", 0x3cb371},
        {"mediumslateblue", 0x7b68ee},
        {"mediumspringgreen", 0x00fa9a},
        {"mediumturquoise", 0x48d1cc},
        {"mediumvioletred", 0xc71585},
        {"midnightblue", 0x191970},
        {"mintcream", 0xf5fffa},
        {"mistyrose", 0xffe4e1},
        {"moccasin", 0xffe4b5},
        {"navajowhite", 0xffdead},
        {"navy", 0x000080},
        {"oldlace", 0xfdf5e6},
        {"olive", 0x808000},
        {"olivedrab", 0x6b8e23},
        {"orange", 0xffa500},
        {"orangered", 0xff4500},
        {"orchid", 0xda70d6},
        {"palegoldenrod", 0xeee8aa},
        {"palegreen", 0x98fb98},
        {"paleturquoise", 0xafeeee},
        {"palevioletred", 0xdb7093},
        {"papayawhip", 0xffefd5},
        {"peachpuff", 0xffdab9},
        {"peru", 0xcd853f},
        {"pink", 0xffc0cb},
        {"plum", 0xdda0dd},
        {"powderblue", 0xb0e0e6},
        {"purple", 0x800080},
        {"rebeccapurple", 0x663399},
        {"red", 0xff0000},
        {"rosybrown", 0xbc8f8f},
        {"royalblue", 0x4169e1},
        {"saddlebrown", 0x8b4513},
        {"salmon", 0xfa8072},
        {"sandybrown", 0xf4a460},
        {"seagreen", 0x2e8b57},
        {"seashell", 0xfff5ee},
        {"sienna", 0xa0522d},
        {"silver", 0xc0c0c0},
        {"skyblue", 0x87ceeb},
        {"slateblue", 0x6a5acd},
        {"slategray", 0x708090},
        {"slategrey", 0x708090},
        {"snow", 0xfffafa},
        {"springgreen", 0x00ff7f},
        {"steelblue", 0x4682b4},
        {"tan", 0xd2b48c},
        {"teal", 0x008080},
        {"thistle", 0xd8bfd8},
        {"tomato", 0xff6347},
        {"turquoise", 0x40e0d0},
        {"violet", 0xee82ee},
        {"wheat", 0xf5deb3},
        {"white", 0xffffff},
        {"whitesmoke", 0xf5f5f5},
        {"yellow", 0xffff00},
        {"yellowgreen", 0x9acd32},
};

constexpr ColorValue fromRgb(quint32 rgb)
{
    return Color::pack(int(rgb >> 16), int(rgb >> 8), int(rgb));
}

// ---- Characters ----

bool isAsciiLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
}

bool isDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

char16_t asciiLower(char16_t u)
{
    return u >= u'A' && u <= u'Z' ? char16_t(u + 32) : u;
}

bool isCssSpace(QChar c)
{
    const char16_t u = c.unicode();
    return u == u' ' || u == u'\t' || u == u'\n' || u == u'\r' || u == u'\f';
}

// ASCII case-insensitive equality with a lowercase keyword. Unicode case folding would let
// the Kelvin sign stand for "k"; CSS keywords match ASCII letters only.
bool is(QStringView text, const char *keyword)
{
    const size_t length = std::strlen(keyword);
    if (size_t(text.size()) != length)
        return false;
    for (size_t i = 0; i < length; ++i) {
        if (asciiLower(text[qsizetype(i)].unicode()) != char16_t(keyword[i]))
            return false;
    }
    return true;
}

std::optional<ColorValue> namedColor(QStringView text)
{
    char key[24];
    if (text.isEmpty() || text.size() >= qsizetype(sizeof key))
        return std::nullopt;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isAsciiLetter(text[i]))
            return std::nullopt;
        key[i] = char(asciiLower(text[i].unicode()));
    }
    key[text.size()] = '\0';
    const auto *end = std::end(kNamedColors);
    const auto *found = std::lower_bound(
            std::begin(kNamedColors), end, key,
            [](const NamedColor &entry, const char *k) { return std::strcmp(entry.name, k) < 0; });
    if (found == end || std::strcmp(found->name, key) != 0)
        return std::nullopt;
    return fromRgb(found->rgb);
}

// The value of a text of hex digits only.
std::optional<quint32> hexDigits(QStringView text)
{
    quint32 value = 0;
    for (QChar c : text) {
        const int digit = Convert::hexDigitValue(c);
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + quint32(digit);
    }
    return value;
}

std::optional<ColorValue> hashColor(QStringView digits)
{
    const auto value = hexDigits(digits);
    if (!value)
        return std::nullopt;
    switch (digits.size()) {
    case 3:
    case 4: {
        const quint32 v = digits.size() == 4 ? *value >> 4 : *value; // drop the alpha digit
        const auto twice = [](quint32 d) { return int(d * 17); };
        return Color::pack(twice((v >> 8) & 15), twice((v >> 4) & 15), twice(v & 15));
    }
    case 6:
        return fromRgb(*value);
    case 8:
        return fromRgb(*value >> 8);
    default:
        return std::nullopt;
    }
}

// ---- Decimals ----

constexpr double kPowersOfTen[] = {1,   1e1, 1e2, 1e3,  1e4,  1e5, 1e6,
                                   1e7, 1e8, 1e9, 1e10, 1e11, 1e12};
constexpr int kMaxDigits = 12;

// A decimal written with `digits` places: value = scaled / 10^digits. Its double is what
// reading the text gives, since both are the correctly rounded quotient of the same numbers.
// The formatter's decimals keep their double (the search asks for it again and again); the
// parser's exact decimals never need it.
struct Decimal
{
    qint64 scaled = 0;
    int digits = 0;
    double number = 0; // set by withValue
    double value() const { return number; }
};

Decimal withValue(Decimal d)
{
    d.number = double(d.scaled) / kPowersOfTen[d.digits];
    return d;
}

// Trailing zeros say nothing: 2.50 is 2.5.
Decimal normalized(Decimal d)
{
    while (d.digits > 0 && d.scaled % 10 == 0) {
        d.scaled /= 10;
        --d.digits;
    }
    return d;
}

// The numbers short enough for exact arithmetic: hsl() and hwb() of such numbers are worked out
// in integers, so that a channel whose exact value is a half rounds up (hwb(120 30% 50%) has a
// green of exactly 127.5). Longer numbers go through doubles.
constexpr int kExactPlaces = 9;
constexpr qint64 kExactLimit = 1'000'000'000'000'000; // 10^15

std::optional<Decimal> exactOrNothing(Decimal d)
{
    if (d.digits > kExactPlaces || d.scaled > kExactLimit || d.scaled < -kExactLimit)
        return std::nullopt;
    return d;
}

// The decimal a validated number's text writes, when it is short enough.
std::optional<Decimal> exactDecimal(QStringView number)
{
    qsizetype i = 0;
    const qsizetype n = number.size();
    const bool negative = number[0] == u'-';
    if (number[0] == u'+' || negative)
        ++i;
    qsizetype mantissaEnd = i;
    while (mantissaEnd < n && (isDigit(number[mantissaEnd]) || number[mantissaEnd] == u'.'))
        ++mantissaEnd;
    qsizetype last = mantissaEnd;
    if (number.mid(i, mantissaEnd - i).contains(u'.')) {
        while (number[last - 1] == u'0')
            --last; // 50.000 is 50
    }
    qint64 scaled = 0;
    int places = 0;
    bool point = false;
    for (; i < last; ++i) {
        if (number[i] == u'.') {
            point = true;
            continue;
        }
        if (scaled > kExactLimit)
            return std::nullopt;
        scaled = scaled * 10 + (number[i].unicode() - u'0');
        if (point)
            ++places;
    }
    i = mantissaEnd;
    if (scaled == 0)
        return Decimal {};
    if (i < n) { // the exponent
        ++i;
        const bool down = number[i] == u'-';
        if (number[i] == u'+' || down)
            ++i;
        int exponent = 0;
        for (; i < n; ++i) {
            exponent = exponent * 10 + (number[i].unicode() - u'0');
            if (exponent > 40)
                return std::nullopt;
        }
        places += down ? exponent : -exponent;
    }
    for (; places < 0; ++places) {
        if (scaled > kExactLimit)
            return std::nullopt;
        scaled *= 10;
    }
    return exactOrNothing(normalized(Decimal {negative ? -scaled : scaled, places}));
}

// A component as the parser has it: its double, and its decimal when exact arithmetic can take it.
struct Number
{
    double value = 0;
    std::optional<Decimal> exact;
};

Number numberOf(const Decimal &d)
{
    return {d.value(), exactOrNothing(d)};
}

// ---- Tokens of a function's arguments ----

struct Token
{
    enum class Type { Number, Percentage, Dimension, Ident, Comma, Slash };
    Type type = Type::Number;
    double value = 0;
    std::optional<Decimal> exact; // the number's decimal, when it is short
    QStringView text;             // the unit of a dimension, the name of an ident
    bool integer = true;          // written without a decimal point or exponent
};

constexpr qsizetype kMaxTokens = 8; // color(space c c c / a) and rgb(c, c, c, a) both fit

// A CSS <number> at the start of text: [+-] digits [. digits] [e [+-] digits], or with the
// integer part left out. Returns its length, 0 when there is none.
qsizetype numberLength(QStringView text, bool *integer)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    const qsizetype intStart = i;
    while (i < n && isDigit(text[i]))
        ++i;
    bool hasDigits = i > intStart;
    *integer = true;
    if (i + 1 < n && text[i] == u'.' && isDigit(text[i + 1])) {
        i += 2;
        while (i < n && isDigit(text[i]))
            ++i;
        hasDigits = true;
        *integer = false;
    }
    if (!hasDigits)
        return 0;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            ++j;
        if (j < n && isDigit(text[j])) {
            while (j < n && isDigit(text[j]))
                ++j;
            i = j;
            *integer = false;
        }
    }
    return i;
}

// The value of a validated number; nothing for one too large for a double.
std::optional<double> numberValue(QStringView number)
{
    if (number.front() == u'+')
        number = number.mid(1);
    char buffer[64];
    std::string longNumber;
    char *chars = buffer;
    if (number.size() > qsizetype(sizeof buffer)) {
        longNumber.resize(size_t(number.size()));
        chars = longNumber.data();
    }
    for (qsizetype i = 0; i < number.size(); ++i)
        chars[i] = char(number[i].unicode());
    double value = 0;
    const auto [end, error] = std::from_chars(chars, chars + number.size(), value);
    if (error != std::errc() || end != chars + number.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// Splits a function's arguments into at most kMaxTokens tokens; nothing when any piece is
// not a token of a color function (nested functions, strings, stray characters, too many).
bool tokenize(QStringView text, Token *tokens, qsizetype *count)
{
    *count = 0;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (true) {
        while (i < n && isCssSpace(text[i]))
            ++i;
        if (i == n)
            return true;
        if (*count == kMaxTokens)
            return false;
        Token &token = tokens[(*count)++];
        const QChar c = text[i];
        if (c == u',' || c == u'/') {
            token.type = c == u',' ? Token::Type::Comma : Token::Type::Slash;
            ++i;
            continue;
        }
        bool integer = true;
        if (const qsizetype length = numberLength(text.mid(i), &integer)) {
            const auto value = numberValue(text.mid(i, length));
            if (!value)
                return false;
            token.value = *value;
            token.exact = exactDecimal(text.mid(i, length));
            token.integer = integer;
            i += length;
            if (i < n && text[i] == u'%') {
                token.type = Token::Type::Percentage;
                ++i;
            } else if (i < n && isAsciiLetter(text[i])) {
                const qsizetype start = i;
                while (i < n && isAsciiLetter(text[i]))
                    ++i;
                token.type = Token::Type::Dimension;
                token.text = text.mid(start, i - start);
            } else {
                token.type = Token::Type::Number;
            }
            // A number runs straight into the next token only at a separator or a space.
            if (i < n && !isCssSpace(text[i]) && text[i] != u',' && text[i] != u'/')
                return false;
            continue;
        }
        if (isAsciiLetter(c) || c == u'-') {
            const qsizetype start = i;
            ++i;
            while (i < n && (isAsciiLetter(text[i]) || isDigit(text[i]) || text[i] == u'-'))
                ++i;
            token.type = Token::Type::Ident;
            token.text = text.mid(start, i - start);
            if (i < n && !isCssSpace(text[i]) && text[i] != u',' && text[i] != u'/')
                return false;
            continue;
        }
        return false;
    }
}

bool isNone(const Token &token)
{
    return token.type == Token::Type::Ident && is(token.text, "none");
}

// A component that takes a number or a percentage (or none, in the space syntax): its value
// with 100% standing for `percentScale`.
std::optional<double> numberOrPercentage(const Token &token, double percentScale)
{
    switch (token.type) {
    case Token::Type::Number:
        return token.value;
    case Token::Type::Percentage:
        // Percent of 100 is the number itself, exactly: the formatter relies on reading
        // "33.3%" as 33.3. Otherwise multiply first: 50% of 255 is 127.5, not 127.4999.
        return percentScale == 100 ? token.value : token.value * percentScale / 100;
    default:
        return isNone(token) ? std::optional<double>(0) : std::nullopt;
    }
}

// An angle in degrees from a number in another unit. An angle so large that converting it
// would overflow is first taken modulo a whole turn in its own unit: the same direction.
template<typename ToDegrees>
double degrees(double value, double unitsPerTurn, ToDegrees toDegrees)
{
    const double result = toDegrees(value);
    return std::isfinite(result) ? result : toDegrees(std::fmod(value, unitsPerTurn));
}

// A hue: a number of degrees or an angle (or none).
std::optional<double> hue(const Token &token)
{
    if (token.type == Token::Type::Number)
        return token.value;
    if (token.type == Token::Type::Dimension) {
        const double v = token.value;
        if (is(token.text, "deg"))
            return v;
        if (is(token.text, "rad"))
            return degrees(v, 2 * std::numbers::pi,
                           [](double r) { return r * 180 / std::numbers::pi; });
        if (is(token.text, "grad"))
            return v * 0.9;
        if (is(token.text, "turn"))
            return degrees(v, 1, [](double t) { return t * 360; });
        return std::nullopt;
    }
    return isNone(token) ? std::optional<double>(0) : std::nullopt;
}

// A hue with its decimal where the unit keeps it exact (degrees, grads, turns; not radians).
std::optional<Number> hueNumber(const Token &token)
{
    const auto value = hue(token);
    if (!value)
        return std::nullopt;
    Number number {*value, std::nullopt};
    const auto &exact = token.exact;
    if (isNone(token))
        number.exact = Decimal {};
    else if (!exact)
        return number; // too long for exact arithmetic
    else if (token.type == Token::Type::Number || is(token.text, "deg"))
        number.exact = exact;
    else if (is(token.text, "grad")) // 0.9 degrees each
        number.exact = exactOrNothing(normalized(Decimal {exact->scaled * 9, exact->digits + 1}));
    else if (is(token.text, "turn"))
        number.exact = exactOrNothing(normalized(Decimal {exact->scaled * 360, exact->digits}));
    return number;
}

// A percentage of hsl() or hwb() (or a number meaning one, or none), with its decimal.
std::optional<Number> percentNumber(const Token &token)
{
    const auto value = numberOrPercentage(token, 100);
    if (!value)
        return std::nullopt;
    return Number {*value, isNone(token) ? std::optional<Decimal>(Decimal {}) : token.exact};
}

bool isAlpha(const Token &token, bool noneAllowed)
{
    return token.type == Token::Type::Number || token.type == Token::Type::Percentage
            || (noneAllowed && isNone(token));
}

using Components = std::array<Token, 3>;

// The three components of the space syntax "c c c [/ alpha]", after the first `skip` tokens
// (color()'s color space). Nothing when the shape differs.
std::optional<Components> spaceSyntax(const Token *tokens, qsizetype count, qsizetype skip = 0)
{
    const qsizetype rest = count - skip;
    const Token *c = tokens + skip;
    if (rest != 3 && rest != 5)
        return std::nullopt;
    for (qsizetype i = 0; i < 3; ++i) {
        if (c[i].type == Token::Type::Comma || c[i].type == Token::Type::Slash)
            return std::nullopt;
    }
    if (rest == 5 && (c[3].type != Token::Type::Slash || !isAlpha(c[4], true)))
        return std::nullopt;
    return Components {c[0], c[1], c[2]};
}

// The three components of the comma syntax "c, c, c [, alpha]", or nothing.
std::optional<Components> commaSyntax(const Token *tokens, qsizetype count)
{
    if (count != 5 && count != 7)
        return std::nullopt;
    if (tokens[1].type != Token::Type::Comma || tokens[3].type != Token::Type::Comma)
        return std::nullopt;
    if (count == 7 && (tokens[5].type != Token::Type::Comma || !isAlpha(tokens[6], false)))
        return std::nullopt;
    const Components c {tokens[0], tokens[2], tokens[4]};
    if (std::any_of(c.begin(), c.end(), isNone))
        return std::nullopt; // none belongs to the space syntax only
    return c;
}

// ---- Resolving components into a color value ----
// The parser and the formatter's search for the shortest digits both end here, so that what
// the formatter checks is exactly what reading its text gives.

ColorValue resolveRgb(double red, double green, double blue)
{
    const auto channel = [](double v) { return int(std::floor(std::clamp(v, 0.0, 255.0) + 0.5)); };
    return Color::pack(channel(red), channel(green), channel(blue));
}

// hsl() and hwb() of short decimals, worked out in integers: every channel is a fraction whose
// numerator and denominator are computed exactly, then rounded halves up. A decimal of d places is
// scaled / unit with unit = 10^d; products of three such fit well within 128 bits.
using Wide = __int128;

constexpr qint64 kWholePowersOfTen[] = {
        1,        10,        100,        1000,        10000,        100000,       1000000,
        10000000, 100000000, 1000000000, 10000000000, 100000000000, 1000000000000};

qint64 powerOfTen(int n)
{
    return kWholePowersOfTen[n]; // n <= kExactPlaces
}

// floor(255 * part / whole + 1/2) for part / whole in 0..1.
template<typename Integer>
int channelOf(Integer part, Integer whole)
{
    return int((510 * part + whole) / (2 * whole));
}

template<typename Integer>
Integer clampedScaled(const Decimal &d, Integer top)
{
    return std::clamp(Integer(d.scaled), Integer(0), top);
}

// CSS's hsl-to-rgb factor max(-1, min(k - 3, 9 - k, 1)) of the red, green and blue channels
// (k = (n + hue / 30) mod 12 for n = 0, 8, 4), times 30 * unit: whole numbers from -30 unit to
// 30 unit for a hue of scaled / unit degrees.
template<typename Integer>
std::array<Integer, 3> hueFactors(const Decimal &hue, Integer unit)
{
    const Integer turn = 360 * unit;
    Integer h = Integer(hue.scaled) % turn;
    if (h < 0)
        h += turn;
    std::array<Integer, 3> factors;
    const int offsets[] = {0, 240, 120}; // n = 0, 8 and 4 twelfths of a turn, in degrees
    for (size_t i = 0; i < 3; ++i) {
        Integer k = h + offsets[i] * unit;
        if (k >= turn)
            k -= turn;
        factors[i] = std::max(-30 * unit, std::min({k - 90 * unit, 270 * unit - k, 30 * unit}));
    }
    return factors;
}

// With s = S / sUnit and l = L / lUnit percent and the factor m = M / (30 hUnit), a channel is
// l - s min(l, 100 - l) m / 100 percent, that is
// (3000 hUnit sUnit L - S min(L, 100 lUnit - L) M) / (3000 hUnit sUnit lUnit) percent.
template<typename Integer>
ColorValue exactHsl(const Decimal &h, const Decimal &s, const Decimal &l)
{
    const auto hUnit = Integer(powerOfTen(h.digits));
    const auto sUnit = Integer(powerOfTen(s.digits));
    const auto lUnit = Integer(powerOfTen(l.digits));
    const Integer saturation = clampedScaled(s, 100 * sUnit);
    const Integer lightness = clampedScaled(l, 100 * lUnit);
    const Integer nearerEnd = std::min(lightness, 100 * lUnit - lightness);
    const Integer whole = 100 * 3000 * hUnit * sUnit * lUnit; // percent to 0..1 as well
    const std::array<Integer, 3> m = hueFactors(h, hUnit);
    int channels[3];
    for (size_t i = 0; i < 3; ++i)
        channels[i] =
                channelOf(3000 * hUnit * sUnit * lightness - saturation * nearerEnd * m[i], whole);
    return Color::pack(channels[0], channels[1], channels[2]);
}

// With w = W / wUnit and b = B / bUnit percent: gray w / (w + b) when w + b >= 100, else each
// channel of the pure hue, (1 - m) / 2 in 0..1, scaled into the rest: (1 - m) / 2 (100 - w - b) + w
// percent, that is ((30 hUnit - M) R + 60 hUnit W') / (60 hUnit wUnit bUnit) percent with
// R = (100 - w - b) wUnit bUnit and W' = w wUnit bUnit.
template<typename Integer>
ColorValue exactHwb(const Decimal &h, const Decimal &w, const Decimal &b)
{
    const auto hUnit = Integer(powerOfTen(h.digits));
    const auto wUnit = Integer(powerOfTen(w.digits));
    const auto bUnit = Integer(powerOfTen(b.digits));
    const Integer white = clampedScaled(w, 100 * wUnit) * bUnit;
    const Integer black = clampedScaled(b, 100 * bUnit) * wUnit;
    const Integer all = 100 * wUnit * bUnit;
    if (white + black >= all) {
        const int gray = channelOf(white, white + black);
        return Color::pack(gray, gray, gray);
    }
    const Integer rest = all - white - black;
    const Integer whole = 100 * 60 * hUnit * wUnit * bUnit;
    const std::array<Integer, 3> m = hueFactors(h, hUnit);
    int channels[3];
    for (size_t i = 0; i < 3; ++i)
        channels[i] = channelOf((30 * hUnit - m[i]) * rest + 60 * hUnit * white, whole);
    return Color::pack(channels[0], channels[1], channels[2]);
}

// Up to eight places in all, every product above stays below 2^63 (the largest, 510 times the
// numerator of hsl(), below 2.3e16): the arithmetic of the formatter's short candidates needs
// no 128-bit division.
bool fitsSixtyFourBits(const Decimal &a, const Decimal &b, const Decimal &c)
{
    return a.digits + b.digits + c.digits <= 8;
}

ColorValue resolveHsl(const Number &h, const Number &s, const Number &l)
{
    if (h.exact && s.exact && l.exact) {
        if (fitsSixtyFourBits(*h.exact, *s.exact, *l.exact))
            return exactHsl<qint64>(*h.exact, *s.exact, *l.exact);
        return exactHsl<Wide>(*h.exact, *s.exact, *l.exact);
    }
    return ColorSpace::roundSrgb(ColorSpace::hslToSrgb(h.value, std::clamp(s.value, 0.0, 100.0),
                                                       std::clamp(l.value, 0.0, 100.0)));
}

ColorValue resolveHwb(const Number &h, const Number &w, const Number &b)
{
    if (h.exact && w.exact && b.exact) {
        if (fitsSixtyFourBits(*h.exact, *w.exact, *b.exact))
            return exactHwb<qint64>(*h.exact, *w.exact, *b.exact);
        return exactHwb<Wide>(*h.exact, *w.exact, *b.exact);
    }
    return ColorSpace::roundSrgb(ColorSpace::hwbToSrgb(h.value, std::clamp(w.value, 0.0, 100.0),
                                                       std::clamp(b.value, 0.0, 100.0)));
}

// The components that CSS leaves unbounded (Lab's a and b, chroma, the channels of color())
// are held within +-1e6, a thousand times beyond any color a screen shows. Past that their
// cubes and powers would overflow to infinity and leave nothing to map into the gamut; up to
// it every conversion stays finite, and the gamut mapping gives what it gives at the limit.
constexpr double kComponentBound = 1e6;

double bounded(double value)
{
    return std::clamp(value, -kComponentBound, kComponentBound);
}

Triple bounded(const Triple &v)
{
    return {bounded(v[0]), bounded(v[1]), bounded(v[2])};
}

// Lab, LCH, Oklab and Oklch in linear-light sRGB, before gamut mapping.
Triple linearOfLab(double l, double a, double b)
{
    const Triple lab {std::clamp(l, 0.0, 100.0), bounded(a), bounded(b)};
    return ColorSpace::xyz50ToLinearSrgb(ColorSpace::labToXyz50(lab));
}

Triple linearOfLch(double l, double c, double h)
{
    const Triple lab =
            ColorSpace::toRectangular(l, bounded(std::max(c, 0.0)), ColorSpace::hueDirection(h));
    return linearOfLab(lab[0], lab[1], lab[2]);
}

Triple linearOfOklab(double l, double a, double b)
{
    return ColorSpace::oklabToLinearSrgb({std::clamp(l, 0.0, 1.0), bounded(a), bounded(b)});
}

Triple linearOfOklch(double l, double c, double h)
{
    const Triple lab =
            ColorSpace::toRectangular(l, bounded(std::max(c, 0.0)), ColorSpace::hueDirection(h));
    return linearOfOklab(lab[0], lab[1], lab[2]);
}

template<Triple (*linearOf)(double, double, double)>
ColorValue resolveLinear(double first, double second, double third)
{
    return ColorSpace::linearSrgbToColor(linearOf(first, second, third));
}

ColorValue resolveSrgb(double r, double g, double b)
{
    const Triple encoded = bounded(Triple {r, g, b});
    const bool inside =
            std::all_of(encoded.begin(), encoded.end(), [](double v) { return v >= 0 && v <= 1; });
    if (inside)
        return ColorSpace::roundSrgb(encoded);
    return ColorSpace::xyz65ToColor(
            ColorSpace::linearSrgbToXyz65(ColorSpace::srgbToLinear(encoded)));
}

std::optional<ColorValue> colorFunction(const Token *tokens, qsizetype count)
{
    if (count < 1 || tokens[0].type != Token::Type::Ident)
        return std::nullopt;
    const auto c = spaceSyntax(tokens, count, 1);
    if (!c)
        return std::nullopt;
    Triple v;
    for (size_t i = 0; i < 3; ++i) {
        const auto value = numberOrPercentage((*c)[i], 1);
        if (!value)
            return std::nullopt;
        v[i] = bounded(*value);
    }
    const QStringView space = tokens[0].text;
    using namespace ColorSpace;
    if (is(space, "srgb"))
        return resolveSrgb(v[0], v[1], v[2]);
    if (is(space, "srgb-linear"))
        return xyz65ToColor(linearSrgbToXyz65(v));
    if (is(space, "display-p3"))
        return xyz65ToColor(displayP3ToXyz65(v));
    if (is(space, "a98-rgb"))
        return xyz65ToColor(a98RgbToXyz65(v));
    if (is(space, "prophoto-rgb"))
        return xyz65ToColor(xyz50ToXyz65(prophotoRgbToXyz50(v)));
    if (is(space, "rec2020"))
        return xyz65ToColor(rec2020ToXyz65(v));
    if (is(space, "xyz") || is(space, "xyz-d65"))
        return xyz65ToColor(v);
    if (is(space, "xyz-d50"))
        return xyz65ToColor(xyz50ToXyz65(v));
    return std::nullopt;
}

std::optional<ColorValue> rgbFunction(const Token *tokens, qsizetype count)
{
    auto c = commaSyntax(tokens, count);
    if (c) {
        const Token::Type type = (*c)[0].type;
        if (type != Token::Type::Number && type != Token::Type::Percentage)
            return std::nullopt;
        if ((*c)[1].type != type || (*c)[2].type != type)
            return std::nullopt; // all numbers or all percentages
    } else {
        c = spaceSyntax(tokens, count);
    }
    if (!c)
        return std::nullopt;
    double v[3];
    for (size_t i = 0; i < 3; ++i) {
        const auto value = numberOrPercentage((*c)[i], 255);
        if (!value)
            return std::nullopt;
        v[i] = *value;
    }
    return resolveRgb(v[0], v[1], v[2]);
}

// hsl() and hwb(): a hue and two values in percent (numbers mean percent too in the space
// syntax; the comma syntax, hsl's only, wants percentages).
template<typename Resolve>
std::optional<ColorValue> hueFunction(const Token *tokens, qsizetype count, bool commasAllowed,
                                      Resolve resolve)
{
    auto c = commasAllowed ? commaSyntax(tokens, count) : std::nullopt;
    if (c) {
        if ((*c)[1].type != Token::Type::Percentage || (*c)[2].type != Token::Type::Percentage)
            return std::nullopt;
    } else {
        c = spaceSyntax(tokens, count);
    }
    if (!c)
        return std::nullopt;
    const auto h = hueNumber((*c)[0]);
    const auto first = percentNumber((*c)[1]);
    const auto second = percentNumber((*c)[2]);
    if (!h || !first || !second)
        return std::nullopt;
    return resolve(*h, *first, *second);
}

// lab(), lch(), oklab(), oklch(): the space syntax only; 100% of each component stands for
// the given reference value. A zero reference marks the hue.
template<typename Resolve>
std::optional<ColorValue> labFunction(const Token *tokens, qsizetype count,
                                      const std::array<double, 3> &percentScale, Resolve resolve)
{
    const auto c = spaceSyntax(tokens, count);
    if (!c)
        return std::nullopt;
    double v[3];
    for (size_t i = 0; i < 3; ++i) {
        const auto value =
                percentScale[i] == 0 ? hue((*c)[i]) : numberOrPercentage((*c)[i], percentScale[i]);
        if (!value)
            return std::nullopt;
        v[i] = *value;
    }
    return resolve(v[0], v[1], v[2]);
}

std::optional<ColorValue> function(QStringView name, QStringView arguments)
{
    Token tokens[kMaxTokens];
    qsizetype count = 0;
    if (!tokenize(arguments, tokens, &count))
        return std::nullopt;
    if (is(name, "rgb") || is(name, "rgba"))
        return rgbFunction(tokens, count);
    if (is(name, "hsl") || is(name, "hsla"))
        return hueFunction(tokens, count, true, resolveHsl);
    if (is(name, "hwb"))
        return hueFunction(tokens, count, false, resolveHwb);
    if (is(name, "lab"))
        return labFunction(tokens, count, {100, 125, 125}, resolveLinear<linearOfLab>);
    if (is(name, "lch"))
        return labFunction(tokens, count, {100, 150, 0}, resolveLinear<linearOfLch>);
    if (is(name, "oklab"))
        return labFunction(tokens, count, {1, 0.4, 0.4}, resolveLinear<linearOfOklab>);
    if (is(name, "oklch"))
        return labFunction(tokens, count, {1, 0.4, 0}, resolveLinear<linearOfOklch>);
    if (is(name, "color"))
        return colorFunction(tokens, count);
    return std::nullopt;
}

// ---- Bare forms ----

std::optional<ColorValue> threeNumbers(QStringView text)
{
    Token tokens[kMaxTokens];
    qsizetype count = 0;
    if (!tokenize(text, tokens, &count))
        return std::nullopt;
    Components c;
    if (count == 5 && tokens[1].type == Token::Type::Comma && tokens[3].type == Token::Type::Comma)
        c = {tokens[0], tokens[2], tokens[4]};
    else if (count == 3)
        c = {tokens[0], tokens[1], tokens[2]};
    else
        return std::nullopt;
    if (!std::all_of(c.begin(), c.end(),
                     [](const Token &t) { return t.type == Token::Type::Number; }))
        return std::nullopt;
    const bool fractions =
            std::any_of(c.begin(), c.end(), [](const Token &t) { return !t.integer; });
    const double top = fractions ? 1 : 255;
    if (!std::all_of(c.begin(), c.end(),
                     [top](const Token &t) { return t.value >= 0 && t.value <= top; }))
        return std::nullopt;
    if (fractions)
        return ColorSpace::roundSrgb({c[0].value, c[1].value, c[2].value});
    return resolveRgb(c[0].value, c[1].value, c[2].value);
}

// ---- Shortest digits ----

Decimal wrapHue(Decimal d)
{
    const qint64 full = 360 * qint64(kPowersOfTen[d.digits]);
    if (d.scaled >= full)
        d.scaled -= full; // 360 is 0 again, and reads better
    return normalized(d);
}

// Half away from zero, as std::llround rounds, without its call (the search rounds often). The
// difference is exact: below 2^53 the whole part is within a factor of two of the value, above
// it the value is whole.
qint64 roundHalfAway(double value)
{
    const auto whole = qint64(value);
    const double rest = value - double(whole);
    return rest >= 0.5 ? whole + 1 : rest <= -0.5 ? whole - 1 : whole;
}

Decimal nearest(double exact, int digits, bool isHue)
{
    const Decimal d {roundHalfAway(exact * kPowersOfTen[digits]), digits};
    return withValue(isHue ? wrapHue(d) : normalized(d));
}

// The two decimals of `digits` places on either side of the exact value, the nearer first.
std::array<Decimal, 2> around(double exact, int digits, bool isHue)
{
    const double scaled = exact * kPowersOfTen[digits];
    const auto below = qint64(std::floor(scaled));
    std::array<Decimal, 2> d {Decimal {below, digits}, Decimal {below + 1, digits}};
    if (scaled - double(below) > 0.5)
        std::swap(d[0], d[1]);
    for (Decimal &one : d)
        one = withValue(isHue ? wrapHue(one) : normalized(one));
    return d;
}

// Text assembled in a small buffer and turned into a QString once: formatting runs for every
// caption of the Copy As menu and must stay cheap.
class Writer
{
public:
    Writer &operator<<(const char *text)
    {
        while (*text)
            put(*text++);
        return *this;
    }
    Writer &operator<<(quint64 value)
    {
        char digits[20];
        int n = 0;
        do {
            digits[n++] = char('0' + value % 10);
            value /= 10;
        } while (value > 0);
        while (n > 0)
            put(digits[--n]);
        return *this;
    }
    Writer &operator<<(int value) { return *this << quint64(value); } // channels, never negative
    // The decimal as written; whole numbers with ".0" when keepPoint.
    Writer &decimal(const Decimal &d, bool keepPoint = false)
    {
        if (d.scaled < 0)
            put('-');
        const auto magnitude = quint64(d.scaled < 0 ? -d.scaled : d.scaled);
        const auto unit = quint64(kPowersOfTen[d.digits]);
        *this << magnitude / unit;
        if (d.digits > 0) {
            put('.');
            quint64 fraction = magnitude % unit;
            for (quint64 place = unit / 10; place > 0; place /= 10) {
                put(char('0' + fraction / place));
                fraction %= place;
            }
        } else if (keepPoint) {
            *this << ".0";
        }
        return *this;
    }
    // Red, green, blue, two digits each.
    Writer &hex(ColorValue color, const char *digits)
    {
        for (int channel : {Color::red(color), Color::green(color), Color::blue(color)}) {
            put(digits[channel >> 4]);
            put(digits[channel & 15]);
        }
        return *this;
    }
    QString text() const { return QString::fromLatin1(m_chars, m_size); }

private:
    void put(char c)
    {
        if (m_size < qsizetype(sizeof m_chars))
            m_chars[m_size++] = c;
    }
    // The longest text: "color(srgb " and three fractions, or three numbers of at most
    // 3 + 1 + 12 characters each with a sign; well within this.
    char m_chars[96];
    qsizetype m_size = 0;
};

// The fewest digits for each of three components such that resolve() of the written values
// gives the color back. First the fewest places that serve all three; then each component in
// turn loses digits while one place fewer (rounded either way) still serves with the others as
// they stand, until none can lose another.
template<typename Fits>
std::array<Decimal, 3> shortest(const Triple &exact, const std::array<bool, 3> &isHue, Fits &fits)
{
    std::array<Decimal, 3> d;
    for (int common = 0; common <= kMaxDigits; ++common) {
        d = {nearest(exact[0], common, isHue[0]), nearest(exact[1], common, isHue[1]),
             nearest(exact[2], common, isHue[2])};
        if (fits(d))
            break; // past kMaxDigits the best try stands; the full sweep shows it never comes
    }
    // Cycle through the components until three in a row cannot lose a digit. A component's
    // failed tries stand until another component changes: trying them again would only repeat
    // them.
    // The hue goes first: it needs the fewest digits, and cut first it leaves the others a single
    // round of tries.
    // The places on either side of each component at each number of places, found once.
    std::array<std::array<std::array<Decimal, 2>, kMaxDigits + 1>, 3> found;
    std::array<quint16, 3> foundAt {};
    const auto options = [&](size_t i, int digits) -> const std::array<Decimal, 2> & {
        if (!(foundAt[i] & (1u << digits))) {
            found[i][size_t(digits)] = around(exact[i], digits, isHue[i]);
            foundAt[i] |= quint16(1u << digits);
        }
        return found[i][size_t(digits)];
    };
    std::array<int, 3> failedAt {-1, -1, -1};
    int changes = 0;
    const int start = isHue[2] ? 2 : 0;
    for (int i = start, unchanged = 0; unchanged < 3; i = (i + 1) % 3) {
        bool cut = false;
        if (failedAt[size_t(i)] != changes) {
            for (bool again = true; again && d[size_t(i)].digits > 0;) {
                again = false;
                const int digits = d[size_t(i)].digits - 1;
                for (const Decimal &option : options(size_t(i), digits)) {
                    std::array<Decimal, 3> candidate = d;
                    candidate[size_t(i)] = option;
                    if (fits(candidate)) {
                        d = candidate;
                        ++changes;
                        cut = again = true;
                        break;
                    }
                }
            }
            failedAt[size_t(i)] = changes;
        }
        unchanged = cut ? 0 : unchanged + 1;
    }
    return d;
}

// ---- What a written text must do ----
// Read back as the color (through exactly the parser's arithmetic), and describe the color
// itself: before any gamut mapping, within the just-noticeable difference of CSS's gamut
// mapping (deltaEOK 0.02) of it. A text far outside sRGB that the mapping happens to pull back
// onto the color (oklch(0.87 1 142) for #00FF00) shows another color wherever it is not mapped.

constexpr double kJustNoticeable = 0.02;

bool within(const Triple &oklab, const Triple &target)
{
    const double dl = oklab[0] - target[0];
    const double da = oklab[1] - target[1];
    const double db = oklab[2] - target[2];
    return dl * dl + da * da + db * db <= kJustNoticeable * kJustNoticeable;
}

Triple oklabOfLinear(const Triple &linear)
{
    return ColorSpace::xyz65ToOklab(ColorSpace::linearSrgbToXyz65(linear));
}

Triple oklabOfEncoded(const Triple &encoded)
{
    return oklabOfLinear(ColorSpace::srgbToLinear(encoded));
}

Triple oklabOf(ColorValue color)
{
    return oklabOfLinear(ColorSpace::colorToLinearSrgb(color));
}

// The fewest digits that read back as the color and describe it. Inside the gamut a text that
// reads back lies within half a level of each channel of the color: for a color with a channel
// above kDarkLevel that keeps it well within deltaEOK 0.02 (the sweep over all colors checks
// every text), for the darkest colors it can be 0.05 away. So `fits` asks about the distance only
// outside the gamut, and for a dark color the result is checked by `describes` (the search runs
// again with it where that fails).
constexpr int kDarkLevel = 64;

bool isDark(ColorValue color)
{
    return Color::red(color) <= kDarkLevel && Color::green(color) <= kDarkLevel
            && Color::blue(color) <= kDarkLevel;
}

template<typename Fits, typename Describes>
std::array<Decimal, 3> shortestDescribing(ColorValue color, const Triple &exact,
                                          const std::array<bool, 3> &isHue, Fits fits,
                                          Describes describes)
{
    const std::array<Decimal, 3> d = shortest(exact, isHue, fits);
    if (!isDark(color) || describes(d))
        return d;
    auto both = [&](const std::array<Decimal, 3> &candidate) {
        return describes(candidate) && fits(candidate);
    };
    return shortest(exact, isHue, both);
}

// hsl() and hwb(): reading the components gives the color back.
template<ColorValue (*resolve)(const Number &, const Number &, const Number &)>
auto gives(ColorValue color)
{
    return [color](const std::array<Decimal, 3> &d) {
        return resolve(numberOf(d[0]), numberOf(d[1]), numberOf(d[2])) == color;
    };
}

template<Triple (*encodedOf)(double, double, double)>
auto describesEncoded(ColorValue color)
{
    return [target = oklabOf(color)](const std::array<Decimal, 3> &d) {
        return within(oklabOfEncoded(encodedOf(d[0].value(), d[1].value(), d[2].value())), target);
    };
}

Triple encodedOfHsl(double h, double s, double l)
{
    return ColorSpace::hslToSrgb(h, std::clamp(s, 0.0, 100.0), std::clamp(l, 0.0, 100.0));
}

Triple encodedOfHwb(double h, double w, double b)
{
    return ColorSpace::hwbToSrgb(h, std::clamp(w, 0.0, 100.0), std::clamp(b, 0.0, 100.0));
}

// Components that go through linear-light sRGB. Gamut mapping ends on the clipped edge of the
// gamut (or at white or black), where some channel is 0 or 255; for a color with no such channel
// a candidate outside the gamut cannot give it back, and the search for a chroma need not run to
// say so. Outside the gamut the distance is asked first: it is cheaper than the mapping.
class LinearCheck
{
public:
    explicit LinearCheck(ColorValue color)
        : m_color(color),
          m_onEdge(Color::red(color) % 255 == 0 || Color::green(color) % 255 == 0
                   || Color::blue(color) % 255 == 0)
    { }
    // The color's own Oklab, worked out when first asked for: Lab and LCH need it only for
    // candidates outside the gamut and for the darkest colors.
    const Triple &target() const
    {
        if (!m_target)
            m_target = oklabOf(m_color);
        return *m_target;
    }
    // `oklab` is the candidate's Oklab where the caller has it already, else null.
    bool gives(const Triple &linear, const Triple *oklab) const
    {
        if (ColorSpace::inSrgbGamut(linear))
            return ColorSpace::linearSrgbRoundsTo(linear, m_color);
        if (!m_onEdge)
            return false;
        if (!oklab && !within(oklabOfLinear(linear), target()))
            return false;
        return ColorSpace::linearSrgbToColor(linear) == m_color;
    }

private:
    ColorValue m_color;
    bool m_onEdge;
    mutable std::optional<Triple> m_target;
};

// The cosines and sines of the last few hues asked for. The search for the shortest digits
// tries the same few hues again and again, as the other components lose their digits and as
// each round tries the hue's shorter neighbours once more.
class HueDirections
{
public:
    const std::array<double, 2> &operator()(double hue)
    {
        for (const Entry &entry : m_entries) {
            if (entry.hue == hue)
                return entry.direction;
        }
        Entry &entry = m_entries[m_next];
        m_next = (m_next + 1) % m_entries.size();
        entry = {hue, ColorSpace::hueDirection(hue)};
        return entry.direction;
    }

private:
    struct Entry
    {
        double hue = std::nan(""); // equal to no hue
        std::array<double, 2> direction {};
    };
    std::array<Entry, 8> m_entries {};
    size_t m_next = 0;
};

// Lab and LCH: the arithmetic is the parser's (linearOfLab, linearOfLch), step for step.
auto givesLab(const LinearCheck &check)
{
    return [&check](const std::array<Decimal, 3> &d) {
        return check.gives(linearOfLab(d[0].value(), d[1].value(), d[2].value()), nullptr);
    };
}

auto describesLab(const LinearCheck &check)
{
    return [&check](const std::array<Decimal, 3> &d) {
        return within(oklabOfLinear(linearOfLab(d[0].value(), d[1].value(), d[2].value())),
                      check.target());
    };
}

// LCH's rectangular Lab, as linearOfLch makes it.
auto labOfLch()
{
    return [directions = HueDirections {}](const std::array<Decimal, 3> &d) mutable {
        return ColorSpace::toRectangular(d[0].value(), bounded(std::max(d[1].value(), 0.0)),
                                         directions(d[2].value()));
    };
}

auto givesLch(const LinearCheck &check)
{
    return [&check, lab = labOfLch()](const std::array<Decimal, 3> &d) mutable {
        const Triple rectangular = lab(d);
        return check.gives(linearOfLab(rectangular[0], rectangular[1], rectangular[2]), nullptr);
    };
}

auto describesLch(const LinearCheck &check)
{
    return [&check, lab = labOfLch()](const std::array<Decimal, 3> &d) mutable {
        const Triple rectangular = lab(d);
        return within(oklabOfLinear(linearOfLab(rectangular[0], rectangular[1], rectangular[2])),
                      check.target());
    };
}

// Oklab and Oklch: the components are the Oklab that the distance needs, so it is asked of every
// candidate, first. The arithmetic is the parser's (linearOfOklab, linearOfOklch).
Triple oklabOfComponents(double l, double a, double b)
{
    return {std::clamp(l, 0.0, 1.0), bounded(a), bounded(b)};
}

auto givesOklab(const LinearCheck &check)
{
    return [&check](const std::array<Decimal, 3> &d) {
        const Triple oklab = oklabOfComponents(d[0].value(), d[1].value(), d[2].value());
        if (!within(oklab, check.target()))
            return false;
        return check.gives(linearOfOklab(d[0].value(), d[1].value(), d[2].value()), &oklab);
    };
}

// `oklch` is the color's own: lightness and chroma alone, before any hue, can put a candidate
// too far away (the distance is at least that of lightness and chroma).
auto givesOklch(const LinearCheck &check, const Triple &oklch)
{
    return [&check, oklch, lab = labOfLch()](const std::array<Decimal, 3> &d) mutable {
        const double dl = std::clamp(d[0].value(), 0.0, 1.0) - oklch[0];
        const double dc = bounded(std::max(d[1].value(), 0.0)) - oklch[1];
        if (dl * dl + dc * dc > kJustNoticeable * kJustNoticeable)
            return false;
        const Triple rectangular = lab(d);
        const Triple oklab = oklabOfComponents(rectangular[0], rectangular[1], rectangular[2]);
        if (!within(oklab, check.target()))
            return false;
        return check.gives(linearOfOklab(rectangular[0], rectangular[1], rectangular[2]), &oklab);
    };
}

bool always(const std::array<Decimal, 3> & /*candidate*/)
{
    return true;
}

// A hue means nothing without saturation or chroma; written as 0 it changes nothing and
// reads as what it is.
std::array<Decimal, 3> withoutPowerlessHue(std::array<Decimal, 3> d, size_t hue)
{
    if (d[1].scaled == 0)
        d[hue] = Decimal {};
    return d;
}

QString function(const char *name, const std::array<Decimal, 3> &d, const char *suffix1 = "",
                 const char *suffix2 = "")
{
    Writer out;
    out << name << "(";
    out.decimal(d[0]) << " ";
    out.decimal(d[1]) << suffix1 << " ";
    out.decimal(d[2]) << suffix2 << ")";
    return out.text();
}

Triple xyz50Of(ColorValue color)
{
    const Triple linear = ColorSpace::colorToLinearSrgb(color);
    return ColorSpace::xyz65ToXyz50(ColorSpace::linearSrgbToXyz65(linear));
}

// The places of the fraction channel / 255 with the fewest digits that rounds back to the channel.
int fractionPlaces(int channel)
{
    for (int digits = 0;; ++digits) {
        const Decimal d = nearest(channel / 255.0, digits, false);
        if (std::floor(d.value() * 255 + 0.5) == channel)
            return digits;
    }
}

// The three fractions, each as short as it can be; for the darkest colors, where what reads back
// can still lie further than deltaEOK 0.02 from the color, all given more places together until
// they describe it.
std::array<Decimal, 3> shortestFractions(ColorValue color)
{
    const int channels[] = {Color::red(color), Color::green(color), Color::blue(color)};
    std::array<Decimal, 3> d;
    for (int extra = 0;; ++extra) {
        for (size_t i = 0; i < 3; ++i)
            d[i] = nearest(channels[i] / 255.0, fractionPlaces(channels[i]) + extra, false);
        if (!isDark(color) || extra == kMaxDigits
            || within(oklabOfEncoded({d[0].value(), d[1].value(), d[2].value()}), oklabOf(color)))
            return d;
    }
}

} // namespace

QString format(ColorValue color, Form form)
{
    VectorState::clearUpper();
    const int r = Color::red(color);
    const int g = Color::green(color);
    const int b = Color::blue(color);
    constexpr std::array<bool, 3> noHue {false, false, false};
    constexpr std::array<bool, 3> hueFirst {true, false, false};
    constexpr std::array<bool, 3> hueLast {false, false, true};
    switch (form) {
    case Form::Hex:
        return (Writer() << "#").hex(color, "0123456789ABCDEF").text();
    case Form::HexLowercase:
        return (Writer() << "#").hex(color, "0123456789abcdef").text();
    case Form::HexBare:
        return Writer().hex(color, "0123456789ABCDEF").text();
    case Form::HexNumber:
        return (Writer() << "0x").hex(color, "0123456789ABCDEF").text();
    case Form::Rgb:
        return (Writer() << "rgb(" << r << " " << g << " " << b << ")").text();
    case Form::RgbCommas:
        return (Writer() << "rgb(" << r << ", " << g << ", " << b << ")").text();
    case Form::Bytes:
        return (Writer() << r << ", " << g << ", " << b).text();
    case Form::Hsl: {
        const Triple hsl = ColorSpace::srgbToHsl(ColorSpace::colorToSrgb(color));
        return function("hsl",
                        withoutPowerlessHue(
                                shortestDescribing(color, hsl, hueFirst, gives<resolveHsl>(color),
                                                   describesEncoded<encodedOfHsl>(color)),
                                0),
                        "%", "%");
    }
    case Form::Hwb: {
        const Triple hwb = ColorSpace::srgbToHwb(ColorSpace::colorToSrgb(color));
        return function("hwb",
                        shortestDescribing(color, hwb, hueFirst, gives<resolveHwb>(color),
                                           describesEncoded<encodedOfHwb>(color)),
                        "%", "%");
    }
    case Form::Lab: {
        const LinearCheck check(color);
        return function("lab",
                        shortestDescribing(color, ColorSpace::xyz50ToLab(xyz50Of(color)), noHue,
                                           givesLab(check), describesLab(check)));
    }
    case Form::Lch: {
        const LinearCheck check(color);
        const Triple lch = ColorSpace::toPolar(ColorSpace::xyz50ToLab(xyz50Of(color)));
        return function("lch",
                        withoutPowerlessHue(shortestDescribing(color, lch, hueLast, givesLch(check),
                                                               describesLch(check)),
                                            2));
    }
    case Form::Oklab: {
        const LinearCheck check(color);
        return function(
                "oklab",
                shortestDescribing(color, check.target(), noHue, givesOklab(check), always));
    }
    case Form::Oklch: {
        const LinearCheck check(color);
        const Triple oklch = ColorSpace::toPolar(check.target());
        return function("oklch",
                        withoutPowerlessHue(shortestDescribing(color, oklch, hueLast,
                                                               givesOklch(check, oklch), always),
                                            2));
    }
    case Form::ColorSrgb: {
        const std::array<Decimal, 3> d = shortestFractions(color);
        Writer out;
        out << "color(srgb";
        for (const Decimal &channel : d)
            out << " ", out.decimal(channel);
        return (out << ")").text();
    }
    case Form::Fractions: {
        const std::array<Decimal, 3> d = shortestFractions(color);
        Writer out;
        out.decimal(d[0], true) << ", ";
        out.decimal(d[1], true) << ", ";
        out.decimal(d[2], true);
        return out.text();
    }
    }
    Q_UNREACHABLE();
}

std::optional<ColorValue> parseCssColor(QStringView text)
{
    text = text.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    if (text.front() == u'#')
        return hashColor(text.mid(1));
    const qsizetype open = text.indexOf(u'(');
    if (open < 0)
        return namedColor(text);
    if (text.back() != u')')
        return std::nullopt;
    const QStringView name = text.left(open);
    if (name.isEmpty() || !std::all_of(name.begin(), name.end(), isAsciiLetter))
        return std::nullopt;
    return function(name, text.mid(open + 1, text.size() - open - 2));
}

std::optional<ColorValue> parseColor(QStringView text)
{
    VectorState::clearUpper();
    if (const auto css = parseCssColor(text))
        return css;
    text = text.trimmed();
    if (text.size() == 8 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X')) {
        if (const auto rgb = hexDigits(text.mid(2)))
            return fromRgb(*rgb);
        return std::nullopt;
    }
    if (text.size() == 6) {
        if (const auto rgb = hexDigits(text))
            return fromRgb(*rgb);
    }
    return threeNumbers(text);
}

qsizetype namedColorCount()
{
    return qsizetype(std::size(kNamedColors));
}

QString namedColorName(qsizetype index)
{
    return QLatin1String(kNamedColors[index].name);
}

ColorValue namedColorValue(qsizetype index)
{
    return fromRgb(kNamedColors[index].rgb);
}

} // namespace Tintora::Notation
