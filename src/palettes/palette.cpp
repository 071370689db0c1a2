// SPDX-License-Identifier: GPL-3.0-or-later
#include "palettes/palette.h"

#include "core/convert.h"
#include "core/error.h"
#include "lists/listrules.h"

#include <QCoreApplication>
#include <QDir>

#include <cmath>

namespace Tintora::Palette {

void fail(const QString &path, const QString &where, const QString &reason)
{
    QString text = reason;
    if (!where.isEmpty())
        text = QCoreApplication::translate("Palette", "%1: %2").arg(where, text);
    else if (!text.isEmpty())
        text[0] = text.at(0).toUpper(); // as the list files' reasons read
    throw FileError(QCoreApplication::translate("Palette", "Cannot read \"%1\": %2")
                            .arg(QDir::toNativeSeparators(path), text));
}

QString atLine(qsizetype line)
{
    return QCoreApplication::translate("Palette", "line %1").arg(line);
}

QString atByte(qsizetype offset)
{
    return QCoreApplication::translate("Palette", "byte %1").arg(offset);
}

void failFull(const QString &path, const QString &where)
{
    fail(path, where,
         QCoreApplication::translate(
                 "Palette", "the file holds more than %1 colors, more than a list can take")
                 .arg(kMaxEntries));
}

qsizetype lineCount(const QByteArray &bytes)
{
    qsizetype lines = 0;
    const qsizetype n = bytes.size();
    const char *s = bytes.constData();
    for (qsizetype i = 0; i < n; ++i) {
        if (s[i] == '\n' || (s[i] == '\r' && (i + 1 == n || s[i + 1] != '\n')))
            ++lines;
    }
    if (n > 0 && s[n - 1] != '\n' && s[n - 1] != '\r')
        ++lines;
    return lines;
}

void checkLines(const QByteArray &bytes, const QString &path)
{
    if (lineCount(bytes) > kMaxLines)
        fail(path, {},
             QCoreApplication::translate("Palette",
                                         "the file has more than %1 lines, more than a palette has")
                     .arg(kMaxLines));
}

QString entryName(const QString &name, Color::ColorValue value)
{
    // Most names need nothing done: look before copying.
    bool clean = true;
    bool blank = true;
    for (qsizetype i = 0; i < name.size() && clean; ++i) {
        const QChar c = name.at(i);
        const bool pair =
                c.isHighSurrogate() && i + 1 < name.size() && name.at(i + 1).isLowSurrogate();
        if (c == u'\r' || c == u'\n' || c.isNull() || (c.isSurrogate() && !pair))
            clean = false;
        else if (pair || !c.isSpace())
            blank = false;
        if (pair)
            ++i;
    }
    if (clean)
        return blank ? hex(value) : name;

    QString cleaned = ListRules::storableName(name);
    for (qsizetype i = 0; i < cleaned.size(); ++i) {
        const QChar c = cleaned.at(i);
        if (c.isHighSurrogate() && i + 1 < cleaned.size() && cleaned.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            cleaned[i] = QChar::ReplacementCharacter;
    }
    if (cleaned.trimmed().isEmpty())
        return hex(value);
    return cleaned;
}

std::optional<Color::ColorValue> parseHex(QStringView text)
{
    if (text.size() != 7 || text.front() != u'#')
        return std::nullopt;
    quint32 rgb = 0;
    for (qsizetype i = 1; i < 7; ++i) {
        const int digit = Convert::hexDigitValue(text[i]);
        if (digit < 0)
            return std::nullopt;
        rgb = (rgb << 4) | quint32(digit);
    }
    return Color::pack(int(rgb >> 16), int((rgb >> 8) & 255), int(rgb & 255));
}

namespace {

constexpr char kUpperDigits[] = "0123456789ABCDEF";
constexpr char kLowerDigits[] = "0123456789abcdef";

} // namespace

QString hex(Color::ColorValue value)
{
    // What Color::buildHex gives, without its formatting: imports make hundreds of thousands.
    const int components[] = {Color::red(value), Color::green(value), Color::blue(value)};
    QString text(7, Qt::Uninitialized);
    QChar *out = text.data();
    *out++ = u'#';
    for (const int c : components) {
        *out++ = QLatin1Char(kUpperDigits[c >> 4]);
        *out++ = QLatin1Char(kUpperDigits[c & 15]);
    }
    return text;
}

QStringList hexes(const QList<Color::ColorValue> &values)
{
    QStringList texts;
    texts.reserve(values.size());
    for (const Color::ColorValue value : values)
        texts.append(hex(value));
    return texts;
}

void appendHex(QByteArray &out, Color::ColorValue value, bool lowercase)
{
    const char *digits = lowercase ? kLowerDigits : kUpperDigits;
    const int components[] = {Color::red(value), Color::green(value), Color::blue(value)};
    char text[7] = {'#'};
    for (int i = 0; i < 3; ++i) {
        text[1 + 2 * i] = digits[components[i] >> 4];
        text[2 + 2 * i] = digits[components[i] & 15];
    }
    out.append(text, 7);
}

int toByte(double fraction)
{
    if (!(fraction > 0.0)) // NaN too
        return 0;
    if (fraction >= 1.0)
        return 255;
    return int(std::lround(fraction * 255.0));
}

} // namespace Tintora::Palette
