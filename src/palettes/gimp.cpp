// SPDX-License-Identifier: GPL-3.0-or-later
#include "palettes/gimp.h"

#include "core/text.h"
#include "lists/listfile.h"
#include "lists/listrules.h"

#include <QCoreApplication>

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
                      QCoreApplication::translate(
                              "GimpPalette",
                              "a color line needs red, green and blue values, and the %1 "
                              "value is missing")
                              .arg(QCoreApplication::translate("GimpPalette", which)));
    for (const QChar c : token) {
        if (c < u'0' || c > u'9')
            Palette::fail(path, Palette::atLine(lineNumber),
                          QCoreApplication::translate(
                                  "GimpPalette",
                                  "a color line begins with red, green and blue from 0 "
                                  "to 255, but the %1 value is \"%2\"")
                                  .arg(QCoreApplication::translate("GimpPalette", which),
                                       Text::elideMiddle(token.toString(), 40)));
    }
    // Leading zeros are harmless; more than three digits after them are out of range anyway.
    qsizetype zeros = 0;
    while (zeros + 1 < token.size() && token[zeros] == u'0')
        ++zeros;
    const QStringView significant = token.mid(zeros);
    const int value = significant.size() > 3 ? 256 : significant.toInt();
    if (value > 255)
        Palette::fail(
                path, Palette::atLine(lineNumber),
                QCoreApplication::translate("GimpPalette", "the %1 value %2 is outside 0 to 255")
                        .arg(QCoreApplication::translate("GimpPalette", which),
                             Text::elideMiddle(token.toString(), 40)));
    return value;
}

[[noreturn]] void failHeader(const QString &path)
{
    Palette::fail(path, Palette::atLine(1),
                  QCoreApplication::translate(
                          "GimpPalette", "a GIMP palette begins with the line \"GIMP Palette\""));
}

} // namespace

Palette::Colors read(const QByteArray &bytes, const QString &path)
{
    Palette::checkLines(bytes, path);
    const QString text = ListFile::decode(bytes);
    Palette::Colors colors;
    bool inHeader = true;
    bool first = true;
    Palette::forEachLine(text, [&](QStringView line, qsizetype number) {
        if (first) {
            first = false;
            if (line.trimmed() != QLatin1String("GIMP Palette"))
                failHeader(path);
            return;
        }
        const qsizetype start = skipSpace(line, 0);
        if (start == line.size() || line[start] == u'#')
            return;
        if (inHeader
            && (line.startsWith(QLatin1String("Name:"))
                || line.startsWith(QLatin1String("Columns:"))))
            return;
        inHeader = false;
        Palette::checkRoom(colors, path, [number] { return Palette::atLine(number); });
        qsizetype i = start;
        const int red = component(line, i, QT_TRANSLATE_NOOP("GimpPalette", "red"), number, path);
        i = skipSpace(line, i);
        const int green =
                component(line, i, QT_TRANSLATE_NOOP("GimpPalette", "green"), number, path);
        i = skipSpace(line, i);
        const int blue = component(line, i, QT_TRANSLATE_NOOP("GimpPalette", "blue"), number, path);
        const Color::ColorValue value = Color::pack(red, green, blue);
        colors.values.append(value);
        // Trimmed after cleaning: a NUL or line break at an end becomes white space first.
        colors.names.append(Palette::entryName(line.sliced(i).toString(), value).trimmed());
    });
    if (first)
        failHeader(path);
    return colors;
}

QByteArray write(const Palette::Colors &colors, const QString &title)
{
    QByteArray bytes;
    bytes.reserve(40 + colors.values.size() * 24);
    bytes += "GIMP Palette\nName: ";
    bytes += ListRules::storableName(title).toUtf8();
    bytes += "\nColumns: 16\n#\n";
    for (qsizetype i = 0; i < colors.values.size(); ++i) {
        const Color::ColorValue value = colors.values.at(i);
        const int components[] = {Color::red(value), Color::green(value), Color::blue(value)};
        // Each number right-aligned in three places, as GIMP writes them: "  0 128 255".
        char numbers[12];
        for (qsizetype k = 0; k < 3; ++k) {
            const int c = components[k];
            numbers[4 * k] = c >= 100 ? char('0' + c / 100) : ' ';
            numbers[4 * k + 1] = c >= 10 ? char('0' + c / 10 % 10) : ' ';
            numbers[4 * k + 2] = char('0' + c % 10);
            numbers[4 * k + 3] = k < 2 ? ' ' : '\t';
        }
        bytes.append(numbers, 12);
        const QString &name = colors.names.at(i);
        bytes += (name.contains(u'\r') || name.contains(u'\n') || name.contains(QChar(0))
                          ? ListRules::storableName(name)
                          : name)
                         .toUtf8();
        bytes += '\n';
    }
    return bytes;
}

} // namespace Tintora::GimpPalette
