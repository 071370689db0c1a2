// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

namespace Tintora {
class ColorList;
}

// The color list files: a name file (.clr) and a hex file (.hex) side by side, one line per
// entry, each line ended by CR LF. The hex file has one more line, the table's blank row.
namespace Tintora::ListFile {

// The hex file beside a name file: a ".clr" ending the file name becomes ".hex"; any other name
// gets ".hex" appended (LIST.CLR pairs with LIST.CLR.hex).
QString hexPathFor(const QString &namePath);

// Lines split at CR, LF or CR LF; a last line without an ending counts, an ending after the last
// line adds no empty line.
QStringList splitLines(QStringView text);

// UTF-8 when the bytes are valid UTF-8, otherwise Windows-1252 (files from older Windows).
QString decode(const QByteArray &bytes);

// Each line in UTF-8 followed by CR LF.
QByteArray encode(const QStringList &lines);

// A file's lines; throws FileError naming the file and the reason, also for a file that is not
// a regular file, is too large, or holds a NUL byte (binary, not text).
QStringList readLines(const QString &path);

struct Contents
{
    QStringList names;
    QStringList hexes;
};

// Reads both files in full before returning; throws FileError if either cannot be read.
Contents load(const QString &namePath);

// The longest line the program loads, in characters: a name the name box can show and edit
// whole (a line edit holds 32,767), far beyond any real name or value.
inline constexpr qsizetype kMaxLineLength = 32767;

// Reads a pair as load() does, straight into a list (the hex file's line after the last
// entry's becomes the blank row's value), all or nothing: throws FileError as load() does, and
// also for a line longer than kMaxLineLength, naming the file and the line. The files' text
// goes into the list as it is, without a QString for each line.
ColorList read(const QString &namePath);

// Writes both files, each through a temporary file renamed over the old one only when both have
// been written. The old name file is kept aside until the new hex file is in place too, and put
// back if that fails, so a failure leaves the old pair whole: a list's names never end up
// beside another list's values. Throws FileError, also before writing anything when a path is a
// folder or not a regular file, or when a line would not read back the same (it holds a line
// break, a NUL or a lone surrogate).
void save(const QString &namePath, const QStringList &names, const QStringList &hexes);
// The same for a list, its blank row's value (blankHex) the hex file's last line; the files
// are written in large blocks straight from the list.
void save(const QString &namePath, const ColorList &list);

// For tests: runs between the two renames of save(), after the new name file is in place. A
// reason it returns makes the second rename fail with that reason, as the file system could.
using BetweenRenames = std::function<QString()>;
void setBetweenRenamesForTesting(BetweenRenames hook);

} // namespace Tintora::ListFile
