// SPDX-License-Identifier: GPL-3.0-or-later
#include "palettes/palettefile.h"

#include "color/notation.h"
#include "core/error.h"
#include "core/text.h"
#include "palettes/adobe.h"
#include "palettes/css.h"
#include "palettes/gimp.h"
#include "palettes/json.h"
#include "palettes/libreoffice.h"
#include "palettes/paintnet.h"

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

// The text of a file without its byte order mark and the white space around it.
QByteArrayView textStart(const QByteArray &bytes)
{
    QByteArrayView text(bytes);
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    return text.trimmed();
}

Likeness signatureIf(bool found)
{
    return found ? Likeness::Signature : Likeness::None;
}

constexpr FormatInfo kFormatTable[] = {
        {Format::Gimp, "gpl", QT_TRANSLATE_NOOP("PaletteFile", "GIMP palette (*.gpl)"),
         GimpPalette::read,
         [](const Palette::Colors &colors, const QString &title) {
             return GimpPalette::write(colors, title);
         },
         [](const QByteArray &bytes) {
             return signatureIf(textStart(bytes).startsWith("GIMP Palette"));
         }},
        {Format::LibreOffice, "soc",
         QT_TRANSLATE_NOOP("PaletteFile", "LibreOffice color table (*.soc)"), ColorTable::read,
         [](const Palette::Colors &colors, const QString &) { return ColorTable::write(colors); },
         [](const QByteArray &bytes) { return signatureIf(textStart(bytes).startsWith("<")); }},
        {Format::Adobe, "ase", QT_TRANSLATE_NOOP("PaletteFile", "Adobe Swatch Exchange (*.ase)"),
         SwatchExchange::read,
         [](const Palette::Colors &colors, const QString &) {
             return SwatchExchange::write(colors);
         },
         // Binary: the signature is the very first bytes.
         [](const QByteArray &bytes) { return signatureIf(bytes.startsWith("ASEF")); }},
        {Format::Css, "css", QT_TRANSLATE_NOOP("PaletteFile", "CSS custom properties (*.css)"),
         [](const QByteArray &bytes, const QString &path) {
             return CssProperties::read(bytes, path, Notation::parseCssColor);
         },
         [](const Palette::Colors &colors, const QString &) {
             return CssProperties::write(colors);
         },
         // A style sheet has no signature: a rule, and a custom property or a comment.
         [](const QByteArray &bytes) {
             const QByteArrayView text = textStart(bytes);
             return text.contains('{') && (text.contains("--") || text.startsWith("/*"))
                     ? Likeness::Guess
                     : Likeness::None;
         }},
        {Format::Json, "json", QT_TRANSLATE_NOOP("PaletteFile", "JSON palette (*.json)"),
         JsonPalette::read,
         [](const Palette::Colors &colors, const QString &) { return JsonPalette::write(colors); },
         [](const QByteArray &bytes) { return signatureIf(textStart(bytes).startsWith("[")); }},
        {Format::PaintNet, "txt", QT_TRANSLATE_NOOP("PaletteFile", "Paint.NET palette (*.txt)"),
         PaintNetPalette::read,
         [](const Palette::Colors &colors, const QString &) {
             return PaintNetPalette::write(colors);
         },
         [](const QByteArray &bytes) { return signatureIf(textStart(bytes).startsWith(";")); }},
};
static_assert(std::size(kFormatTable) == kFormatCount, "every format has its row");
// info() finds a row by its format's value.
static_assert(
        [] {
            for (size_t i = 0; i < std::size(kFormatTable); ++i) {
                if (kFormatTable[i].format != Format(i))
                    return false;
            }
            return true;
        }(),
        "every row stands in the place of its format");

using namespace std::string_view_literals;

constexpr ImageKind kImageKinds[] = {
        {"png", {"png", nullptr}, "\x89PNG\r\n\x1a\n"sv},
        {"jpeg", {"jpg", "jpeg"}, "\xFF\xD8\xFF"sv},
        {"bmp", {"bmp", nullptr}, "BM"sv},
        {"gif", {"gif", nullptr}, "GIF8"sv},
};

QStringList imagePatterns()
{
    QStringList patterns;
    for (const ImageKind &kind : kImageKinds) {
        for (const char *suffix : kind.suffixes) {
            if (suffix)
                patterns.append(QStringLiteral("*.") + QLatin1String(suffix));
        }
    }
    return patterns;
}

bool isImageName(const QString &path)
{
    const QString extension = QFileInfo(path).suffix().toLower();
    for (const ImageKind &kind : kImageKinds) {
        for (const char *suffix : kind.suffixes) {
            if (suffix && extension == QLatin1String(suffix))
                return true;
        }
    }
    return false;
}

bool startsAsImage(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return false; // the palette reader says what is wrong with it
    return imageKindOfContents(file.read(16)) != nullptr;
}

QString allPalettesFilter()
{
    QStringList patterns;
    for (const FormatInfo &row : kFormatTable)
        patterns.append(QStringLiteral("*.") + QLatin1String(row.suffix));
    patterns.append(imagePatterns());
    return QCoreApplication::translate("PaletteFile", "All palettes (%1)").arg(patterns.join(u' '));
}

// The filters after the formats' own.
constexpr int kImageFilter = int(kFormatCount) + 1;

} // namespace

std::span<const FormatInfo> formats()
{
    return kFormatTable;
}

const FormatInfo &info(Format format)
{
    return kFormatTable[size_t(format)];
}

QString filter(Format format)
{
    return QCoreApplication::translate("PaletteFile", info(format).filter);
}

QString suffix(Format format)
{
    return QLatin1String(info(format).suffix);
}

QStringList importFilters()
{
    QStringList filters {allPalettesFilter()};
    for (const FormatInfo &row : kFormatTable)
        filters.append(filter(row.format));
    filters.append(imageFilter());
    filters.append(QCoreApplication::translate("PaletteFile", "All files (*)"));
    return filters;
}

std::optional<Format> importFormat(int index)
{
    if (index >= 1 && index <= int(kFormatCount))
        return Format(index - 1);
    return std::nullopt;
}

QStringList exportFilters()
{
    QStringList filters;
    for (const FormatInfo &row : kFormatTable)
        filters.append(filter(row.format));
    return filters;
}

Format exportFormat(int index)
{
    return Format(qBound(0, index, int(kFormatCount) - 1));
}

std::span<const ImageKind> imageKinds()
{
    return kImageKinds;
}

const ImageKind *imageKind(QByteArrayView format)
{
    for (const ImageKind &kind : kImageKinds) {
        if (format == QByteArrayView(kind.format))
            return &kind;
    }
    return nullptr;
}

const ImageKind *imageKindOfContents(QByteArrayView head)
{
    for (const ImageKind &kind : kImageKinds) {
        if (head.startsWith(
                    QByteArrayView(kind.signature.data(), qsizetype(kind.signature.size()))))
            return &kind;
    }
    return nullptr;
}

QString imageFilter()
{
    return QCoreApplication::translate("PaletteFile", "Images (%1)")
            .arg(imagePatterns().join(u' '));
}

bool importsImage(const QString &path, int filter)
{
    if (filter == kImageFilter)
        return true;
    if (importFormat(filter))
        return false;
    if (isImageName(path))
        return true;
    return !formatOfName(path) && startsAsImage(path);
}

void openForReading(QFile &file)
{
    const QString path = file.fileName();
    const QFileInfo info(path);
    if (info.isDir())
        failOpen(path, QCoreApplication::translate("PaletteFile", "It is a folder"));
    // A device may never end (/dev/zero) and a pipe may never get a writer.
    if (info.exists() && !info.isFile())
        failOpen(path, QCoreApplication::translate("PaletteFile", "It is not a regular file"));
    if (!file.open(QIODevice::ReadOnly))
        failOpen(path, file.errorString());
}

std::optional<Format> formatOfName(const QString &path)
{
    const QString extension = QFileInfo(path).suffix().toLower();
    for (const FormatInfo &row : kFormatTable) {
        if (extension == QLatin1String(row.suffix))
            return row.format;
    }
    return std::nullopt;
}

std::optional<Format> formatOfContents(const QByteArray &bytes)
{
    std::optional<Format> best;
    Likeness bestLikeness = Likeness::None;
    for (const FormatInfo &row : kFormatTable) {
        const Likeness likeness = row.sniff(bytes);
        if (likeness > bestLikeness) {
            best = row.format;
            bestLikeness = likeness;
        }
    }
    return best;
}

Palette::Colors decode(Format format, const QByteArray &bytes, const QString &path)
{
    return info(format).read(bytes, path);
}

QByteArray encode(Format format, const Palette::Colors &colors, const QString &title)
{
    return info(format).write(colors, title);
}

Palette::Colors read(const QString &path, std::optional<Format> format)
{
    QFile file(path);
    openForReading(file);
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
