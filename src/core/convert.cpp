// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/convert.h"

#include "core/error.h"

#include <QCoreApplication>

#include <climits>
#include <cmath>

namespace Tintora::Convert {

namespace {

[[noreturn]] void fail(const QString &text)
{
    throw ConvertError(
            QCoreApplication::translate("Convert", "'%1' is not a valid integer value").arg(text));
}

} // namespace

int hexDigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

qint32 strToInt(const QString &text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text.at(i) == u' ')
        ++i;
    if (i == n)
        fail(text);

    if (text.at(i) == u'$') {
        ++i;
        const qsizetype digits = n - i;
        if (digits < 1 || digits > 8)
            fail(text);
        quint32 value = 0;
        for (; i < n; ++i) {
            const int d = hexDigitValue(text.at(i));
            if (d < 0)
                fail(text);
            value = (value << 4) | quint32(d);
        }
        return qint32(value);
    }

    bool negative = false;
    if (text.at(i) == u'+' || text.at(i) == u'-') {
        negative = text.at(i) == u'-';
        ++i;
    }
    if (i == n)
        fail(text);
    qint64 value = 0;
    for (; i < n; ++i) {
        const char16_t u = text.at(i).unicode();
        if (u < u'0' || u > u'9')
            fail(text);
        value = value * 10 + (u - u'0');
        if (value > qint64(1) << 31)
            fail(text);
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<qint32>::max())
        fail(text);
    return qint32(value);
}

QString intToStr(qint64 value)
{
    return QString::number(value);
}

QString intToHex(quint32 value, int minDigits)
{
    return QString::number(value, 16).toUpper().rightJustified(minDigits, u'0');
}

int saturatingInt(double value)
{
    if (!(value > double(INT_MIN))) // not-a-number too
        return std::isnan(value) ? 0 : INT_MIN;
    return value < double(INT_MAX) ? int(value) : INT_MAX;
}

QString extractFileName(const QString &path)
{
    qsizetype i = path.size();
    while (i > 0) {
        const QChar c = path.at(i - 1);
        if (c == u'\\' || c == u'/' || c == u':')
            break;
        --i;
    }
    return path.mid(i);
}

} // namespace Tintora::Convert
