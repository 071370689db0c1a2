// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>

// Text kept as UTF-8 bytes, half the room of a QString for the names people give colors, and
// the very bytes a list file holds. A QString may hold half of a surrogate pair, which UTF-8
// proper cannot: such a lone surrogate is written as the three bytes its code point would
// take, so that every QString comes back exactly as it went in. Valid UTF-8 reads as itself.
namespace Tintora::Utf8 {

// How many bytes encode() writes for the text.
qsizetype encodedSize(QStringView text);

// Writes the text's bytes from out on, encodedSize(text) of them; returns the end.
char *encode(QStringView text, char *out);

// The text of bytes that encode() wrote, or of any valid UTF-8. Unlike QString::fromUtf8 it
// keeps a U+FEFF at the start: in the middle of a list a name may begin with one.
QString decode(QByteArrayView bytes);

// At most maxLength characters of the text, the last of them an ellipsis when the text is
// longer; only the bytes needed are decoded, so a view can show a huge name at once.
QString decodeElided(QByteArrayView bytes, qsizetype maxLength);

// The length of the text in UTF-16 code units (QString::size()).
qsizetype utf16Length(QByteArrayView bytes);

// Whether all bytes are ASCII.
bool isAscii(QByteArrayView bytes);

// Where the first byte that is not part of strict UTF-8 lies (overlong forms, surrogates and
// anything above U+10FFFF are not); -1 when all of it is.
qsizetype firstInvalid(QByteArrayView bytes);

} // namespace Tintora::Utf8
