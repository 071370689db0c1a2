// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Conversions between numbers and text, with the strict grammar the color fields rely on.
namespace Tintora::Convert {

// Leading spaces, then either [+|-]decimal digits or '$' and 1..8 hex digits, nothing after.
// A decimal value must fit in 32 bits; eight hex digits wrap like a 32-bit register
// ("$FFFFFFFF" is -1). Anything else throws ConvertError("'<text>' is not a valid integer value").
qint32 strToInt(const QString &text);

// The value of a hexadecimal digit in either case; -1 for any other character.
int hexDigitValue(QChar c);

// Decimal digits, with a leading '-' for negatives.
QString intToStr(qint64 value);

// Uppercase hexadecimal of the unsigned value, left-padded with '0' to at least minDigits.
QString intToHex(quint32 value, int minDigits);

// The whole number a double holds, saturated to the range of int; not-a-number gives 0. For a
// double that is about to become an integer or an index and might not be finite, where a plain
// int(value) would be undefined.
int saturatingInt(double value);

// The text after the last '\', '/' or ':' of a path.
QString extractFileName(const QString &path);

} // namespace Tintora::Convert
