// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color/color.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// What the palette formats share: the colors they carry, the limits every reader keeps, and
// how a reader names a color and reports where a file went wrong.
namespace Tintora::Palette {

// names[i] is the name of values[i]. Readers give every color a name; writers take the list's.
struct Colors
{
    QStringList names;
    QList<Color::ColorValue> values;
};

// Real palettes hold a few thousand colors at most. These bounds keep a hostile or broken file
// from costing more than a few hundred megabytes or more than a second or two to refuse.
inline constexpr qint64 kMaxFileSize = qint64(64) << 20;
inline constexpr qsizetype kMaxLines = 2'000'000;
inline constexpr qsizetype kMaxEntries = 1'000'000;

// Throws FileError: "Cannot read "path": line 3: reason" (where may be empty).
[[noreturn]] void fail(const QString &path, const QString &where, const QString &reason);
QString atLine(qsizetype line);   // "line 3"
QString atByte(qsizetype offset); // "byte 12"

// Throws FileError when colors already holds kMaxEntries colors. where() says where the next
// one stands; it is only asked when the error is thrown.
[[noreturn]] void failFull(const QString &path, const QString &where);
template<typename Where>
void checkRoom(const Colors &colors, const QString &path, Where where)
{
    if (colors.values.size() >= kMaxEntries)
        failFull(path, where());
}

// The lines the text holds, counted as the list files count them (CR, LF or CR LF).
qsizetype lineCount(const QByteArray &bytes);
// Throws FileError when the text has more than kMaxLines lines.
void checkLines(const QByteArray &bytes, const QString &path);

// A name as the list can hold it: line breaks and NULs become spaces and half characters (lone
// surrogates) become U+FFFD. A name that is empty or only white space becomes the color's
// "#RRGGBB" text.
QString entryName(const QString &name, Color::ColorValue value);

// "#RRGGBB" in either letter case, nothing around it.
std::optional<Color::ColorValue> parseHex(QStringView text);

// The canonical "#RRGGBB" texts of the values, as the list stores them.
QString hex(Color::ColorValue value);
QStringList hexes(const QList<Color::ColorValue> &values);
// Appends "#RRGGBB", or "#rrggbb" in lowercase.
void appendHex(QByteArray &out, Color::ColorValue value, bool lowercase);

// Calls line(text, number) for each line of the text, split as the list files split it: at
// CR, LF or CR LF, a last line without an ending counted, an ending after it adding none.
template<typename Line>
void forEachLine(QStringView text, Line line)
{
    qsizetype start = 0;
    qsizetype number = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c != u'\r' && c != u'\n')
            continue;
        line(text.sliced(start, i - start), ++number);
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        line(text.sliced(start), ++number);
}

// A component 0..1 as a byte, rounded and clamped.
int toByte(double fraction);

} // namespace Tintora::Palette
