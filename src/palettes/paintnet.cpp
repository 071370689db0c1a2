// SPDX-License-Identifier: GPL-3.0-or-later
#include "palettes/paintnet.h"

#include "core/convert.h"
#include "core/text.h"
#include "lists/listfile.h"

#include <QCoreApplication>

namespace Tintora::PaintNetPalette {

Palette::Colors read(const QByteArray &bytes, const QString &path)
{
    Palette::checkLines(bytes, path);
    const QString text = ListFile::decode(bytes);
    Palette::Colors colors;
    Palette::forEachLine(text, [&](QStringView line, qsizetype number) {
        // A comment may also follow the color on its line.
        const qsizetype comment = line.indexOf(u';');
        if (comment >= 0)
            line = line.left(comment);
        line = line.trimmed();
        if (line.isEmpty())
            return;
        bool ok = line.size() == 8;
        for (const QChar c : line)
            ok = ok && Convert::hexDigitValue(c) >= 0;
        if (!ok)
            Palette::fail(path, Palette::atLine(number),
                          QCoreApplication::translate(
                                  "PaintNetPalette",
                                  "a color is written as eight hex digits AARRGGBB, not "
                                  "\"%1\"")
                                  .arg(Text::elideMiddle(line.toString(), 40)));
        Palette::checkRoom(colors, path, [number] { return Palette::atLine(number); });
        const uint argb = line.toUInt(nullptr, 16);
        const Color::ColorValue value =
                Color::pack(int((argb >> 16) & 255), int((argb >> 8) & 255), int(argb & 255));
        colors.values.append(value);
        colors.names.append(Palette::hex(value));
    });
    return colors;
}

QByteArray write(const Palette::Colors &colors)
{
    QByteArray bytes;
    bytes.reserve(128 + colors.values.size() * 10);
    bytes += "; Palette written by Tintora\r\n"
             "; One color a line as AARRGGBB: alpha, red, green and blue in hex\r\n";
    for (const Color::ColorValue value : colors.values) {
        // "FF" for opaque, the second "F" in place of the "#" of "#RRGGBB".
        bytes += 'F';
        const qsizetype hash = bytes.size();
        Palette::appendHex(bytes, value, false);
        bytes[hash] = 'F';
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace Tintora::PaintNetPalette
