// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/palettefile.h"

#include "color/notation.h"
#include "core/error.h"
#include "core/text.h"
#include "lists/colortable.h"
#include "lists/cssproperties.h"
#include "lists/gimppalette.h"
#include "lists/jsonpalette.h"
#include "lists/paintnetpalette.h"
#include "lists/swatchexchange.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace Tintora::PaletteFile {

namespace {

[[noreturn]] void failWrite(const QString &path, const QString &reason)
{
    throw FileError(QCoreApplication::translate("PaletteFile", "Cannot write \"%1\": %2")
                            .arg(QDir::toNativeSeparators(path), reason));
}

[[noreturn]] void failOpen(const QString &path, const QString &reason)
{
    throw FileError(QCoreApplication::translate("PaletteFile", "Cannot open \"%1\": %2")
                            .arg(QDir::toNativeSeparators(path), reason));
}

QString allPalettesFilter()
{
    QStringList patterns;
    for (const Format format : kFormats)
        patterns.append(QStringLiteral("*.") + suffix(format));
    return QCoreApplication::translate("PaletteFile", "All palettes (%1)").arg(patterns.join(u' '));
}

} // namespace

QString filter(Format format)
{
    switch (format) {
    case Format::Gimp:
        return QCoreApplication::translate("PaletteFile", "GIMP palette (*.gpl)");
    case Format::LibreOffice:
        return QCoreApplication::translate("PaletteFile", "LibreOffice color table (*.soc)");
    case Format::Adobe:
        return QCoreApplication::translate("PaletteFile", "Adobe Swatch Exchange (*.ase)");
    case Format::Css:
        return QCoreApplication::translate("PaletteFile", "CSS custom properties (*.css)");
    case Format::Json:
        return QCoreApplication::translate("PaletteFile", "JSON palette (*.json)");
    case Format::PaintNet:
        return QCoreApplication::translate("PaletteFile", "Paint.NET palette (*.txt)");
    }
    Q_UNREACHABLE();
}

QString suffix(Format format)
{
    switch (format) {
    case Format::Gimp:
        return QStringLiteral("gpl");
    case Format::LibreOffice:
        return QStringLiteral("soc");
    case Format::Adobe:
        return QStringLiteral("ase");
    case Format::Css:
        return QStringLiteral("css");
    case Format::Json:
        return QStringLiteral("json");
    case Format::PaintNet:
        return QStringLiteral("txt");
    }
    Q_UNREACHABLE();
}

QStringList importFilters()
{
    QStringList filters {allPalettesFilter()};
    for (const Format format : kFormats)
        filters.append(filter(format));
    filters.append(QCoreApplication::translate("PaletteFile", "All files (*)"));
    return filters;
}

std::optional<Format> importFormat(int index)
{
    if (index >= 1 && index <= int(std::size(kFormats)))
        return kFormats[index - 1];
    return std::nullopt;
}

QStringList exportFilters()
{
    QStringList filters;
    for (const Format format : kFormats)
        filters.append(filter(format));
    return filters;
}

Format exportFormat(int index)
{
    return kFormats[qBound(0, index, int(std::size(kFormats)) - 1)];
}

std::optional<Format> formatOfName(const QString &path)
{
    const QString extension = QFileInfo(path).suffix().toLower();
    for (const Format format : kFormats) {
        if (extension == suffix(format))
            return format;
    }
    return std::nullopt;
}

std::optional<Format> formatOfContents(const QByteArray &bytes)
{
    if (bytes.startsWith("ASEF"))
        return Format::Adobe;
    QByteArrayView text(bytes);
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    text = text.trimmed();
    if (text.startsWith("GIMP Palette"))
        return Format::Gimp;
    if (text.startsWith("<"))
        return Format::LibreOffice;
    if (text.startsWith("["))
        return Format::Json;
    if (text.startsWith(";"))
        return Format::PaintNet;
    if (text.contains('{') && (text.contains("--") || text.startsWith("/*")))
        return Format::Css;
    return std::nullopt;
}

Palette::Colors decode(Format format, const QByteArray &bytes, const QString &path)
{
    switch (format) {
    case Format::Gimp:
        return GimpPalette::read(bytes, path);
    case Format::LibreOffice:
        return ColorTable::read(bytes, path);
    case Format::Adobe:
        return SwatchExchange::read(bytes, path);
    case Format::Css:
        return CssProperties::read(bytes, path, Notation::parseCssColor);
    case Format::Json:
        return JsonPalette::read(bytes, path);
    case Format::PaintNet:
        return PaintNetPalette::read(bytes, path);
    }
    Q_UNREACHABLE();
}

QByteArray encode(Format format, const Palette::Colors &colors, const QString &title)
{
    switch (format) {
    case Format::Gimp:
        return GimpPalette::write(colors, title);
    case Format::LibreOffice:
        return ColorTable::write(colors);
    case Format::Adobe:
        return SwatchExchange::write(colors);
    case Format::Css:
        return CssProperties::write(colors);
    case Format::Json:
        return JsonPalette::write(colors);
    case Format::PaintNet:
        return PaintNetPalette::write(colors);
    }
    Q_UNREACHABLE();
}

Palette::Colors read(const QString &path, std::optional<Format> format)
{
    const QFileInfo info(path);
    if (info.isDir())
        failOpen(path, QCoreApplication::translate("PaletteFile", "It is a folder"));
    // A device may never end (/dev/zero) and a pipe may never get a writer.
    if (info.exists() && !info.isFile())
        failOpen(path, QCoreApplication::translate("PaletteFile", "It is not a regular file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        failOpen(path, file.errorString());
    const QString tooLarge =
            QCoreApplication::translate("PaletteFile",
                                        "The file is larger than %1 MB, too large for a palette")
                    .arg(Palette::kMaxFileSize >> 20);
    if (file.size() > Palette::kMaxFileSize)
        Palette::fail(path, {}, tooLarge);
    // Read one byte past the limit, so that a file that grew meanwhile is caught too.
    const QByteArray bytes = file.read(Palette::kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        Palette::fail(path, {}, file.errorString());
    if (bytes.size() > Palette::kMaxFileSize)
        Palette::fail(path, {}, tooLarge);
    if (!format)
        format = formatOfName(path);
    if (!format)
        format = formatOfContents(bytes);
    if (!format)
        Palette::fail(path, {},
                      QCoreApplication::translate(
                              "PaletteFile",
                              "Its name and its contents show no palette format known "
                              "here"));
    return decode(*format, bytes, path);
}

void write(const QString &path, Format format, const QStringList &names, const QStringList &hexes)
{
    const QFileInfo info(path);
    if (info.isDir())
        failWrite(path, QCoreApplication::translate("PaletteFile", "It is a folder"));
    // QSaveFile renames its new file over the old one; over a device or a pipe that would
    // replace the node itself.
    if (info.exists() && !info.isFile())
        failWrite(path, QCoreApplication::translate("PaletteFile", "It is not a regular file"));

    Palette::Colors colors;
    colors.names = names;
    colors.values.reserve(hexes.size());
    for (qsizetype i = 0; i < hexes.size(); ++i) {
        const std::optional<Color::ColorValue> value = Palette::parseHex(hexes.at(i));
        if (!value)
            failWrite(path,
                      QCoreApplication::translate(
                              "PaletteFile",
                              "Color %1 (\"%2\") has the value \"%3\", which is not a "
                              "#RRGGBB color")
                              .arg(i + 1)
                              .arg(Text::elideMiddle(names.value(i), 40),
                                   Text::elideMiddle(hexes.at(i), 40)));
        colors.values.append(*value);
    }
    while (colors.names.size() < colors.values.size())
        colors.names.append(QString());
    const QByteArray bytes = encode(format, colors, info.completeBaseName());

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        failWrite(path, file.errorString());
    // commit() renames over the old file even when its flush failed (a full disk): flush first,
    // where a failure can still leave the old file as it was. A write cut short leaves Qt with
    // "Unknown error"; the system's own reason is in errno.
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush())
        failWrite(path, errno != 0 ? qt_error_string(errno) : file.errorString());
    if (!file.commit())
        failWrite(path, file.errorString());
}

} // namespace Tintora::PaletteFile
