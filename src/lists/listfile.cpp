// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/listfile.h"

#include "core/error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <cerrno>
#include <memory>

#include <unistd.h>

namespace Tintora::ListFile {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five holes map to C1 controls.
constexpr char16_t kCp1252High[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

[[noreturn]] void fail(const QString &verb, const QString &path, const QString &reason)
{
    throw FileError(QStringLiteral("Cannot %1 \"%2\": %3")
                            .arg(verb, QDir::toNativeSeparators(path), reason));
}

// Far beyond any real list (a million entries take about 15 MB), small enough to read safely.
constexpr qint64 kMaxFileSize = qint64(256) << 20;
// Each line costs a list entry of its own whatever its length: 256 MB of empty lines would be
// over a hundred million entries and many gigabytes. Four times the largest list we plan for.
constexpr qsizetype kMaxLines = 4'000'000;

// The lines splitLines would make of the bytes, counted without making them.
qsizetype lineCount(const QByteArray &bytes)
{
    qsizetype lines = 0;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 == n || bytes[i + 1] != '\n')))
            ++lines;
    }
    if (n > 0 && bytes[n - 1] != '\n' && bytes[n - 1] != '\r')
        ++lines;
    return lines;
}

// Why a line cannot be written so that it reads back the same, or an empty string.
QString unstorable(QStringView line)
{
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == u'\r' || c == u'\n')
            return QStringLiteral("contains a line break");
        if (c.isNull())
            return QStringLiteral("contains a NUL character");
        if (c.isHighSurrogate() && i + 1 < line.size() && line[i + 1].isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            return QStringLiteral("contains half of a character (a lone surrogate)");
    }
    return {};
}

// A list whose lines would read back differently is not written at all: a name with a line
// break (pasted into the name box) would shift every later name off its value.
void checkStorable(const QString &path, const QStringList &lines)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString why = unstorable(lines.at(i));
        if (!why.isEmpty())
            fail(QStringLiteral("write"), path,
                 QStringLiteral("Line %1 %2, which a list file cannot hold").arg(i + 1).arg(why));
    }
}

BetweenRenames g_betweenRenames;

// A second name for the file at path, beside it, that keeps its old contents while a new file
// takes its name. A hard link costs nothing; where the file system has none, a copy does.
// Returns the empty string when there is no file at path.
QString keepAside(const QString &path)
{
    if (!QFileInfo::exists(path))
        return {};
    for (int attempt = 0; attempt < 100; ++attempt) {
        QString aside = QStringLiteral("%1.old-%2").arg(path).arg(attempt);
        if (QFileInfo::exists(aside))
            continue;
        if (::link(QFile::encodeName(path).constData(), QFile::encodeName(aside).constData()) == 0
            || QFile::copy(path, aside))
            return aside;
    }
    fail(QStringLiteral("write"), path, QStringLiteral("The old file cannot be kept aside"));
}

} // namespace

void setBetweenRenamesForTesting(BetweenRenames hook)
{
    g_betweenRenames = std::move(hook);
}

QString hexPathFor(const QString &namePath)
{
    const QString fileName = QFileInfo(namePath).fileName();
    if (fileName.endsWith(QLatin1String(".clr")) && fileName.size() > 4)
        return namePath.chopped(4) + QLatin1String(".hex");
    return namePath + QLatin1String(".hex");
}

QStringList splitLines(QStringView text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start).toString());
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start).toString());
    return lines;
}

QString decode(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    text.resize(bytes.size());
    QChar *out = text.data();
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        *out++ = QChar(b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : char16_t(b));
    }
    return text;
}

QByteArray encode(const QStringList &lines)
{
    QByteArray bytes;
    qsizetype size = 0;
    for (const QString &line : lines)
        size += line.size() + 2;
    bytes.reserve(size + 3);
    // Reading drops a byte order mark at the start of a file; a first line that begins with
    // U+FEFF of its own gets one more in front, so that it reads back as it was written.
    if (!lines.isEmpty() && lines.constFirst().startsWith(QChar(0xFEFF)))
        bytes += "\xEF\xBB\xBF";
    for (const QString &line : lines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

QStringList readLines(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        fail(QStringLiteral("open"), path, QStringLiteral("It is a folder"));
    // A device has no size to check and may never end (/dev/zero), and opening a pipe waits for
    // a writer that may never come: a list is only ever read from a regular file.
    if (info.exists() && !info.isFile())
        fail(QStringLiteral("open"), path, QStringLiteral("It is not a regular file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("open"), path, file.errorString());
    if (file.size() > kMaxFileSize)
        fail(QStringLiteral("read"), path,
             QStringLiteral("The file is too large for a color list"));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        fail(QStringLiteral("read"), path, file.errorString());
    if (bytes.size() > kMaxFileSize) // it grew while we read it
        fail(QStringLiteral("read"), path,
             QStringLiteral("The file is too large for a color list"));
    // No text in any encoding a list is written in holds a NUL byte; a file that does is a
    // program, an image or UTF-16, and its "lines" would only fill the list with garbage.
    if (bytes.contains('\0'))
        fail(QStringLiteral("read"), path, QStringLiteral("It is not a text file"));
    if (lineCount(bytes) > kMaxLines)
        fail(QStringLiteral("read"), path,
             QStringLiteral("The file has more lines than a color list can hold (%1)")
                     .arg(kMaxLines));
    return splitLines(decode(bytes));
}

Contents load(const QString &namePath)
{
    Contents contents;
    contents.names = readLines(namePath);
    contents.hexes = readLines(hexPathFor(namePath));
    return contents;
}

void save(const QString &namePath, const QStringList &names, const QStringList &hexes)
{
    const QString hexPath = hexPathFor(namePath);
    // A list is saved by writing new files and renaming them over the old ones. Over a device,
    // a pipe or a socket that rename would replace the node itself (root may do so even in
    // /dev), so only regular files, or nothing yet, may stand where the pair goes.
    for (const QString &path : {namePath, hexPath}) {
        const QFileInfo info(path);
        if (info.isDir())
            fail(QStringLiteral("write"), path, QStringLiteral("It is a folder"));
        if (info.exists() && !info.isFile())
            fail(QStringLiteral("write"), path, QStringLiteral("It is not a regular file"));
    }
    checkStorable(namePath, names);
    checkStorable(hexPath, hexes);
    QSaveFile nameFile(namePath);
    QSaveFile hexFile(hexPath);
    const auto write = [](QSaveFile &file, const QString &path, const QStringList &lines) {
        if (!file.open(QIODevice::WriteOnly))
            fail(QStringLiteral("write"), path, file.errorString());
        const QByteArray bytes = encode(lines);
        // commit() flushes too, but renames over the old file even when that flush failed (a
        // full disk): flush here, where a failure can still keep the old pair. A write cut
        // short leaves Qt with "Unknown error"; the system's own reason is in errno.
        errno = 0;
        if (file.write(bytes) != bytes.size() || !file.flush())
            fail(QStringLiteral("write"), path,
                 errno != 0 ? qt_error_string(errno) : file.errorString());
    };
    write(nameFile, namePath, names);
    write(hexFile, hexPath, hexes);

    // Both are written in full; only now do they replace the old files, one after the other.
    const QString oldNames = keepAside(namePath);
    const auto dropOldNames = [&oldNames] {
        if (!oldNames.isEmpty())
            QFile::remove(oldNames);
    };
    if (!nameFile.commit()) {
        dropOldNames();
        fail(QStringLiteral("write"), namePath, nameFile.errorString());
    }
    QString hexFailure = g_betweenRenames ? g_betweenRenames() : QString();
    if (!hexFailure.isEmpty())
        hexFile.cancelWriting();
    if (!hexFailure.isEmpty() || !hexFile.commit()) {
        if (hexFailure.isEmpty())
            hexFailure = hexFile.errorString();
        // Put the old name file back beside the old hex file.
        if (oldNames.isEmpty())
            QFile::remove(namePath);
        else
            ::rename(QFile::encodeName(oldNames).constData(),
                     QFile::encodeName(namePath).constData());
        fail(QStringLiteral("write"), hexPath, hexFailure);
    }
    dropOldNames();
}

} // namespace Tintora::ListFile
