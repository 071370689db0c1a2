// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/gimppalette.h"

#include "core/text.h"
#include "lists/listfile.h"
#include "lists/listrules.h"

#include <cstdio>

namespace Tintora::GimpPalette {

namespace {

qsizetype skipSpace(QStringView line, qsizetype i)
{
    while (i < line.size() && line[i].isSpace())
        ++i;
    return i;
}

// One of the three numbers at i; moves i past it.
int component(QStringView line, qsizetype &i, const char *which, qsizetype lineNumber,
              const QString &path)
{
    const qsizetype start = i;
    while (i < line.size() && !line[i].isSpace())
        ++i;
    const QStringView token = line.mid(start, i - start);
    if (token.isEmpty())
        Palette::fail(path, Palette::atLine(lineNumber),
                      QStringLiteral("a color line needs red, green and blue values, and the %1 "
                                     "value is missing")
                              .arg(QLatin1String(which)));
    for (const QChar c : token) {
        if (c < u'0' || c > u'9')
            Palette::fail(
                    path, Palette::atLine(lineNumber),
                    QStringLiteral("a color line begins with red, green and blue from 0 "
                                   "to 255, but the %1 value is \"%2\"")
                            .arg(QLatin1String(which), Text::elideMiddle(token.toString(), 40)));
    }
    // Leading zeros are harmless; more than three digits after them are out of range anyway.
    qsizetype zeros = 0;
    while (zeros + 1 < token.size() && token[zeros] == u'0')
        ++zeros;
    const QStringView significant = token.mid(zeros);
    const int value = significant.size() > 3 ? 256 : significant.toInt();
    if (value > 255)
        Palette::fail(path, Palette::atLine(lineNumber),
                      QStringLiteral("the %1 value %2 is outside 0 to 255")
                              .arg(QLatin1String(which), Text::elideMiddle(token.toString(), 40)));
    return value;
}

} // namespace

Palette::Colors read(const QByteArray &bytes, const QString &path)
{
    Palette::checkLines(bytes, path);
    const QStringList lines = ListFile::splitLines(ListFile::decode(bytes));
    if (lines.isEmpty() || lines.constFirst().trimmed() != QLatin1String("GIMP Palette"))
        Palette::fail(path, Palette::atLine(1),
                      QStringLiteral("a GIMP palette begins with the line \"GIMP Palette\""));

    Palette::Colors colors;
    bool inHeader = true;
    for (qsizetype n = 1; n < lines.size(); ++n) {
        const QStringView line(lines.at(n));
        const qsizetype start = skipSpace(line, 0);
        if (start == line.size() || line[start] == u'#')
            continue;
        if (inHeader
            && (line.startsWith(QLatin1String("Name:"))
                || line.startsWith(QLatin1String("Columns:"))))
            continue;
        inHeader = false;
        Palette::checkRoom(colors, path, Palette::atLine(n + 1));
        qsizetype i = start;
        const int red = component(line, i, "red", n + 1, path);
        i = skipSpace(line, i);
        const int green = component(line, i, "green", n + 1, path);
        i = skipSpace(line, i);
        const int blue = component(line, i, "blue", n + 1, path);
        const Color::ColorValue value = Color::pack(red, green, blue);
        colors.values.append(value);
        colors.names.append(Palette::entryName(line.mid(i).trimmed().toString(), value));
    }
    return colors;
}

QByteArray write(const Palette::Colors &colors, const QString &title)
{
    QByteArray bytes;
    bytes.reserve(40 + colors.values.size() * 24);
    bytes += "GIMP Palette\nName: ";
    bytes += ListRules::storableName(title).toUtf8();
    bytes += "\nColumns: 16\n#\n";
    char numbers[16];
    for (qsizetype i = 0; i < colors.values.size(); ++i) {
        const Color::ColorValue value = colors.values.at(i);
        const int length =
                std::snprintf(numbers, sizeof numbers, "%3d %3d %3d\t", Color::red(value),
                              Color::green(value), Color::blue(value));
        bytes.append(numbers, length);
        bytes += ListRules::storableName(colors.names.at(i)).toUtf8();
        bytes += '\n';
    }
    return bytes;
}

} // namespace Tintora::GimpPalette
