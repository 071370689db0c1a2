// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "palettes/palette.h"

#include <QByteArrayView>
#include <QStringList>

#include <optional>
#include <span>
#include <string_view>

class QFile;

// Palettes of other programs as files: which formats there are, which one a file is in, and
// reading and writing a whole file. Each format is one row of one table, its reader and writer
// in the file of palettes/ named after it.
namespace Tintora::PaletteFile {

// New formats go last: kFormatCount follows the last one.
enum class Format {
    Gimp,        // .gpl
    LibreOffice, // .soc
    Adobe,       // .ase
    Css,         // .css
    Json,        // .json
    PaintNet,    // .txt
};
inline constexpr size_t kFormatCount = size_t(Format::PaintNet) + 1;

// How surely a file's first bytes show a format: by a signature of its own ("GIMP Palette",
// "ASEF"), or by a guess from what the text holds.
enum class Likeness { None, Guess, Signature };

// All there is to know of a format.
struct FormatInfo
{
    Format format;
    const char *suffix; // "gpl"
    const char *filter; // "GIMP palette (*.gpl)", translated in the context "PaletteFile"
    // The colors of a file's bytes; throws FileError naming path, the line or byte and the
    // reason.
    Palette::Colors (*read)(const QByteArray &bytes, const QString &path);
    // The file's bytes; title names the palette where the format has a name for it.
    QByteArray (*write)(const Palette::Colors &colors, const QString &title);
    Likeness (*sniff)(const QByteArray &bytes);
};

// One row per format, in the order of Format and of the file dialogs' filters.
std::span<const FormatInfo> formats();
const FormatInfo &info(Format format);

// The format's file dialog filter, e.g. "GIMP palette (*.gpl)", and its extension, "gpl".
QString filter(Format format);
QString suffix(Format format);

// The import dialog's filters: every palette and image, then each format, then images, then all
// files.
QStringList importFilters();
// The format an import filter stands for; nothing for the filters of several formats.
std::optional<Format> importFormat(int index);
// The export dialog's filters, one per format, and the format of each.
QStringList exportFilters();
Format exportFormat(int index);

// The format a file name's extension names, in any letter case.
std::optional<Format> formatOfName(const QString &path);
// The format the first bytes of a file show, for names that say nothing.
std::optional<Format> formatOfContents(const QByteArray &bytes);

// Images: an import takes their dominant colors as a palette. Which files are images is known
// here; decoding them is the toolkit layer's (app/imagepalette.h).
struct ImageKind
{
    const char *format;         // Qt's name of the image format, "png"
    const char *suffixes[2];    // "jpg", "jpeg"; nullptr after the last
    std::string_view signature; // the first bytes of every such file
};
std::span<const ImageKind> imageKinds();
// The kind whose format Qt names so; nullptr for any other.
const ImageKind *imageKind(QByteArrayView format);
// The kind whose signature the first bytes of a file show; nullptr for none.
const ImageKind *imageKindOfContents(QByteArrayView head);
// "Images (*.png *.jpg *.jpeg *.bmp *.gif)"
QString imageFilter();
// Whether an import with that filter takes the file as an image: always with the image filter,
// never with a palette format's; with every palette or every file when the extension is an
// image's, or, for a name that names no format at all, when the first bytes are an image's.
bool importsImage(const QString &path, int filter);

// Opens the file for reading as an import reads it, refusing a folder and anything that is not a
// regular file (a device may never end, a pipe may never get a writer). Throws FileError
// "Cannot open "path": reason".
void openForReading(QFile &file);

// Reads the whole file: in the given format, or when there is none in the format its name
// names, or else its contents show. Throws FileError naming the file, the line or byte offset
// and the reason; a file that is not a regular file or is too large is refused before it is
// read.
Palette::Colors read(const QString &path, std::optional<Format> format = std::nullopt);

// Writes the list's colors through QSaveFile, so that a failure leaves an existing file whole.
// Every hex text must be "#RRGGBB" (either case). Where the format names the palette (GIMP), the
// file's base name does. Throws FileError, before anything is written when the list holds a
// value that is no color or the path is a folder or not a regular file.
void write(const QString &path, Format format, const QStringList &names, const QStringList &hexes);

// The bytes write() would put into a file of that base name.
QByteArray encode(Format format, const Palette::Colors &colors, const QString &title);
// The colors of a file's bytes in the given format; throws FileError naming path.
Palette::Colors decode(Format format, const QByteArray &bytes, const QString &path);

} // namespace Tintora::PaletteFile
