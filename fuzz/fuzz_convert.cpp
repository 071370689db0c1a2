// SPDX-License-Identifier: GPL-3.0-or-later
// The integer conversion against a plain reading of its grammar: leading spaces, then either an
// optional sign and decimal digits within 32 bits, or '$' and one to eight hex digits (wrapping
// like a 32-bit register); nothing after, nothing else. Also the decimal and hex formatting read
// back through it, and the file-name part of a path.
#include "core/convert.h"
#include "core/error.h"
#include "fuzztext.h"

#include <optional>

using namespace Tintora;

namespace {

std::optional<qint32> reference(const QString &text)
{
    const std::u16string s(reinterpret_cast<const char16_t *>(text.utf16()), size_t(text.size()));
    size_t i = s.find_first_not_of(u' ');
    if (i == std::u16string::npos)
        return std::nullopt;
    if (s[i] == u'$') {
        const std::u16string digits = s.substr(i + 1);
        if (digits.empty() || digits.size() > 8
            || digits.find_first_not_of(u"0123456789abcdefABCDEF") != std::u16string::npos)
            return std::nullopt;
        quint32 value = 0;
        for (char16_t c : digits) {
            const int d = c <= u'9' ? c - u'0' : (c | 0x20) - u'a' + 10;
            value = value * 16 + quint32(d);
        }
        return qint32(value);
    }
    bool negative = false;
    if (s[i] == u'+' || s[i] == u'-')
        negative = s[i++] == u'-';
    std::u16string digits = s.substr(i);
    if (digits.empty() || digits.find_first_not_of(u"0123456789") != std::u16string::npos)
        return std::nullopt;
    digits.erase(0, std::min(digits.find_first_not_of(u'0'), digits.size() - 1));
    if (digits.size() > 10)
        return std::nullopt;
    qint64 value = 0;
    for (char16_t c : digits)
        value = value * 10 + (c - u'0');
    if (negative)
        value = -value;
    if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = fuzzText(data, size);
    const std::optional<qint32> expected = reference(text);
    try {
        const qint32 value = Convert::strToInt(text);
        FUZZ_CHECK(expected && *expected == value, "'%s' converted to %d, expected %s",
                   qPrintable(text), value,
                   expected ? qPrintable(QString::number(*expected)) : "an error");
    } catch (const ConvertError &e) {
        FUZZ_CHECK(!expected, "'%s' rejected, expected %d", qPrintable(text), *expected);
        FUZZ_CHECK(e.message() == QStringLiteral("'%1' is not a valid integer value").arg(text),
                   "message '%s'", qPrintable(e.message()));
    }

    // Whatever number the bytes make reads back from its decimal and its hex text.
    quint32 bits = 0;
    for (size_t i = 0; i < size && i < 4; ++i)
        bits = (bits << 8) | data[i];
    const qint32 number = qint32(bits);
    FUZZ_CHECK(Convert::strToInt(Convert::intToStr(number)) == number, "decimal of %d", number);
    const int minDigits = size > 4 ? data[4] % 12 : 0;
    const QString hex = Convert::intToHex(bits, minDigits);
    FUZZ_CHECK(hex.size() == std::max<qsizetype>(minDigits, QString::number(bits, 16).size()),
               "intToHex(%u, %d) = %s", bits, minDigits, qPrintable(hex));
    FUZZ_CHECK(hex == hex.toUpper(), "lower case in %s", qPrintable(hex));
    if (hex.size() <= 8)
        FUZZ_CHECK(Convert::strToInt(QLatin1Char('$') + hex) == number, "hex of %u", bits);

    // The file-name part: the text after the last separator, and nothing of the path before it.
    const QString name = Convert::extractFileName(text);
    FUZZ_CHECK(text.endsWith(name), "name '%s' of '%s'", qPrintable(name), qPrintable(text));
    FUZZ_CHECK(!name.contains(u'\\') && !name.contains(u'/') && !name.contains(u':'),
               "separator in '%s'", qPrintable(name));
    const QString rest = text.chopped(name.size());
    FUZZ_CHECK(rest.isEmpty() || rest.endsWith(u'\\') || rest.endsWith(u'/') || rest.endsWith(u':'),
               "'%s' left of '%s'", qPrintable(rest), qPrintable(name));
    return 0;
}
