// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/listfind.h"

#include "core/convert.h"

#include <algorithm>

namespace Tintora::ListFind {

namespace {

QString caseFolded(QStringView text)
{
    QString folded;
    folded.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t cp = text[i].unicode();
        if (QChar::isHighSurrogate(cp) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            cp = QChar::surrogateToUcs4(char16_t(cp), text[++i].unicode());
        const char32_t f = QChar::toCaseFolded(cp);
        if (QChar::requiresSurrogates(f)) {
            folded += QChar(QChar::highSurrogate(f));
            folded += QChar(QChar::lowSurrogate(f));
        } else {
            folded += QChar(char16_t(f));
        }
    }
    return folded;
}

char16_t asciiUpper(char16_t c)
{
    return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c;
}

bool allHexDigits(QStringView digits)
{
    return std::ranges::all_of(digits, [](QChar c) { return Convert::hexDigitValue(c) >= 0; });
}

} // namespace

Query parse(const QString &text)
{
    Query query;
    query.text = text;
    query.folded = caseFolded(text);
    query.ascii = true;
    for (const QChar c : std::as_const(query.folded))
        query.ascii = query.ascii && c.unicode() < 0x80;
    if (query.ascii) {
        query.asciiFolded = query.folded.toLatin1();
        query.foldsFromBeyondAscii =
                query.asciiFolded.contains('s') || query.asciiFolded.contains('k');
    }

    QStringView digits;
    if (text.startsWith(u'#') && text.size() >= 2 && text.size() <= 7)
        digits = QStringView(text).mid(1);
    else if (text.size() == 6)
        digits = text;
    if (!digits.isEmpty() && allHexDigits(digits)) {
        query.hexDigits = int(digits.size());
        query.hexText = QStringLiteral("#");
        for (const QChar c : digits) {
            query.hexPrefix = (query.hexPrefix << 4) | quint32(Convert::hexDigitValue(c));
            query.hexText += QChar(asciiUpper(c.unicode()));
        }
    }
    return query;
}

bool nameMatches(const Query &query, QStringView name)
{
    return !query.isEmpty() && name.contains(query.text, Qt::CaseInsensitive);
}

bool valueMatches(const Query &query, QStringView hex)
{
    if (query.hexDigits == 0 || hex.size() < query.hexText.size())
        return false;
    for (qsizetype i = 0; i < query.hexText.size(); ++i) {
        if (asciiUpper(hex[i].unicode()) != query.hexText[i].unicode())
            return false;
    }
    return true;
}

} // namespace Tintora::ListFind
