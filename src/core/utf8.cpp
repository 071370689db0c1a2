// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/utf8.h"

#include <cstring>

namespace Tintora::Utf8 {

namespace {

using uchar = unsigned char;

bool isContinuation(uchar b)
{
    return (b & 0xC0) == 0x80;
}

// Decodes characters from p while they fit into maxUnits code units; returns how many units
// were written. p ends after the last character decoded. A byte that starts no sequence of the
// right length (which encode() never writes) becomes U+FFFD, so that no input reads past end.
qsizetype decodeSome(const uchar *&p, const uchar *end, char16_t *out, qsizetype maxUnits)
{
    char16_t *const start = out;
    char16_t *const limit = out + maxUnits;
    while (p < end && out < limit) {
        const uchar b = *p;
        if (b < 0x80) {
            *out++ = b;
            ++p;
            continue;
        }
        int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
        char32_t cp = extra == 3 ? (b & 0x07) : extra == 2 ? (b & 0x0F) : (b & 0x1F);
        bool valid = extra > 0 && end - p > extra;
        for (int k = 1; valid && k <= extra; ++k) {
            valid = isContinuation(p[k]);
            cp = (cp << 6) | (p[k] & 0x3F);
        }
        if (!valid) {
            *out++ = 0xFFFD;
            ++p;
            continue;
        }
        if (cp >= 0x10000) {
            if (limit - out < 2)
                break;
            *out++ = char16_t(0xD800 + ((cp - 0x10000) >> 10));
            *out++ = char16_t(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            *out++ = char16_t(cp);
        }
        p += extra + 1;
    }
    return out - start;
}

} // namespace

qsizetype encodedSize(QStringView text)
{
    qsizetype size = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = text[i].unicode();
        if (u < 0x80) {
            size += 1;
        } else if (u < 0x800) {
            size += 2;
        } else if (QChar::isHighSurrogate(u) && i + 1 < n && text[i + 1].isLowSurrogate()) {
            size += 4;
            ++i;
        } else {
            size += 3; // lone surrogates too
        }
    }
    return size;
}

char *encode(QStringView text, char *out)
{
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        char32_t cp = text[i].unicode();
        if (cp < 0x80) {
            *out++ = char(cp);
            continue;
        }
        if (QChar::isHighSurrogate(cp) && i + 1 < n && text[i + 1].isLowSurrogate())
            cp = QChar::surrogateToUcs4(char16_t(cp), text[++i].unicode());
        if (cp < 0x800) {
            *out++ = char(0xC0 | (cp >> 6));
        } else if (cp < 0x10000) {
            *out++ = char(0xE0 | (cp >> 12));
            *out++ = char(0x80 | ((cp >> 6) & 0x3F));
        } else {
            *out++ = char(0xF0 | (cp >> 18));
            *out++ = char(0x80 | ((cp >> 12) & 0x3F));
            *out++ = char(0x80 | ((cp >> 6) & 0x3F));
        }
        *out++ = char(0x80 | (cp & 0x3F));
    }
    return out;
}

QString decode(QByteArrayView bytes)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes.data(), bytes.size());
    QString text(bytes.size(), Qt::Uninitialized);
    const auto *p = reinterpret_cast<const uchar *>(bytes.data());
    const qsizetype units =
            decodeSome(p, p + bytes.size(), reinterpret_cast<char16_t *>(text.data()), text.size());
    text.truncate(units);
    return text;
}

QString decodeElided(QByteArrayView bytes, qsizetype maxLength)
{
    if (bytes.size() <= maxLength || maxLength < 1)
        return maxLength < 1 ? QString() : decode(bytes);
    QString text(maxLength, Qt::Uninitialized);
    auto *out = reinterpret_cast<char16_t *>(text.data());
    const auto *p = reinterpret_cast<const uchar *>(bytes.data());
    const auto *end = p + bytes.size();
    qsizetype units = decodeSome(p, end, out, maxLength);
    if (p == end) {
        text.truncate(units);
        return text;
    }
    // More follows: the last unit gives way to the ellipsis, and a pair is never cut in half.
    units = qMin(units, maxLength - 1);
    if (units > 0 && QChar::isHighSurrogate(out[units - 1]))
        --units;
    out[units++] = 0x2026;
    text.truncate(units);
    return text;
}

qsizetype utf16Length(QByteArrayView bytes)
{
    qsizetype length = 0;
    for (const char c : bytes) {
        const auto b = uchar(c);
        // Every byte but a continuation starts a character; four-byte ones take a pair.
        length += !isContinuation(b) + (b >= 0xF0);
    }
    return length;
}

bool isAscii(QByteArrayView bytes)
{
    const char *p = bytes.data();
    const char *const end = p + bytes.size();
    // Eight bytes at a time: the names of a list are mostly short and plain.
    for (; end - p >= 8; p += 8) {
        quint64 word;
        std::memcpy(&word, p, 8);
        if (word & 0x8080808080808080ull)
            return false;
    }
    for (; p < end; ++p) {
        if (uchar(*p) >= 0x80)
            return false;
    }
    return true;
}

qsizetype firstInvalid(QByteArrayView bytes)
{
    const auto *s = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const unsigned char c = s[i];
        int extra = 0;
        char32_t cp = c;
        if (c < 0x80) {
            ++i;
            continue;
        }
        if (c >= 0xC2 && c <= 0xDF) {
            extra = 1;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3;
            cp = c & 0x07;
        } else {
            return i;
        }
        if (i + extra >= n)
            return i;
        for (int k = 1; k <= extra; ++k) {
            if ((s[i + k] & 0xC0) != 0x80)
                return i;
            cp = (cp << 6) | (s[i + k] & 0x3F);
        }
        if ((extra == 2 && cp < 0x800) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF))
            || (cp >= 0xD800 && cp <= 0xDFFF))
            return i;
        i += extra + 1;
    }
    return -1;
}

} // namespace Tintora::Utf8
