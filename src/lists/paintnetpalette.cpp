// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/paintnetpalette.h"

#include "core/text.h"
#include "lists/listfile.h"

#include <cstdio>

namespace Tintora::PaintNetPalette {

Palette::Colors read(const QByteArray &bytes, const QString &path)
{
    Palette::checkLines(bytes, path);
    const QStringList lines = ListFile::splitLines(ListFile::decode(bytes));
    Palette::Colors colors;
    for (qsizetype n = 0; n < lines.size(); ++n) {
        QStringView line(lines.at(n));
        // A comment may also follow the color on its line.
        const qsizetype comment = line.indexOf(u';');
        if (comment >= 0)
            line = line.left(comment);
        line = line.trimmed();
        if (line.isEmpty())
            continue;
        bool ok = line.size() == 8;
        for (const QChar c : line)
            ok = ok && Palette::hexDigit(c) >= 0;
        if (!ok)
            Palette::fail(path, Palette::atLine(n + 1),
                          QStringLiteral("a color is written as eight hex digits AARRGGBB, not "
                                         "\"%1\"")
                                  .arg(Text::elideMiddle(line.toString(), 40)));
        Palette::checkRoom(colors, path, Palette::atLine(n + 1));
        const uint argb = line.toUInt(nullptr, 16);
        const Color::ColorValue value =
                Color::pack(int((argb >> 16) & 255), int((argb >> 8) & 255), int(argb & 255));
        colors.values.append(value);
        colors.names.append(Color::buildHex(value));
    }
    return colors;
}

QByteArray write(const Palette::Colors &colors)
{
    QByteArray bytes;
    bytes.reserve(128 + colors.values.size() * 10);
    bytes += "; Palette written by Tintora\r\n"
             "; One color a line as AARRGGBB: alpha, red, green and blue in hex\r\n";
    char line[16];
    for (const Color::ColorValue value : colors.values) {
        const int length = std::snprintf(line, sizeof line, "FF%02X%02X%02X\r\n", Color::red(value),
                                         Color::green(value), Color::blue(value));
        bytes.append(line, length);
    }
    return bytes;
}

} // namespace Tintora::PaintNetPalette
