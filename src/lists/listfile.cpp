// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/listfile.h"

#include "core/error.h"
#include "core/utf8.h"
#include "lists/colorlist.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QStringDecoder>

#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>

#if defined(__SSE2__)
#    include <emmintrin.h>
#endif

#include <unistd.h>

namespace Tintora::ListFile {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five holes map to C1 controls.
constexpr char16_t kCp1252High[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

enum class Access { Open, Read, Write };

[[noreturn]] void fail(Access access, const QString &path, const QString &reason)
{
    const char *message = access == Access::Open
            ? QT_TRANSLATE_NOOP("ListFile", "Cannot open \"%1\": %2")
            : access == Access::Read ? QT_TRANSLATE_NOOP("ListFile", "Cannot read \"%1\": %2")
                                     : QT_TRANSLATE_NOOP("ListFile", "Cannot write \"%1\": %2");
    throw FileError(QCoreApplication::translate("ListFile", message)
                            .arg(QDir::toNativeSeparators(path), reason));
}

// Far beyond any real list (a million entries take about 15 MB), small enough to read safely.
constexpr qint64 kMaxFileSize = qint64(256) << 20;
// Each line costs a list entry of its own whatever its length: 256 MB of empty lines would be
// over a hundred million entries and many gigabytes. Four times the largest list we plan for.
constexpr qsizetype kMaxLines = 4'000'000;

// The lines splitLines would make of the bytes, counted without making them: every LF and
// every CR that no LF follows, and a last line without an ending.
qsizetype lineCount(const QByteArray &bytes)
{
    const char *p = bytes.constData();
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    qsizetype lines = 0;
#if defined(__SSE2__)
    // Sixteen bytes at a time, each ending (0xFF) counted in a byte of its own, the bytes summed
    // before they can overflow. The byte after each block is read too: a QByteArray always
    // holds a NUL after its data.
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i zero = _mm_setzero_si128();
    while (n - i >= 16) {
        __m128i counts = zero;
        for (int round = 0; round < 255 && n - i >= 16; ++round, i += 16) {
            const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + i));
            const __m128i after = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + i + 1));
            const __m128i isCr = _mm_cmpeq_epi8(here, cr);
            const __m128i ends = _mm_or_si128(_mm_cmpeq_epi8(here, lf),
                                              _mm_andnot_si128(_mm_cmpeq_epi8(after, lf), isCr));
            counts = _mm_sub_epi8(counts, ends);
        }
        const __m128i sums = _mm_sad_epu8(counts, zero);
        lines += _mm_cvtsi128_si32(sums) + _mm_cvtsi128_si32(_mm_srli_si128(sums, 8));
    }
#endif
    for (; i < n; ++i) {
        if (p[i] == '\n' || (p[i] == '\r' && (i + 1 == n || p[i + 1] != '\n')))
            ++lines;
    }
    if (n > 0 && p[n - 1] != '\n' && p[n - 1] != '\r')
        ++lines;
    return lines;
}

// Why a line cannot be written so that it reads back the same, as the message for its line
// number, or nothing.
const char *unstorable(QStringView line)
{
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == u'\r' || c == u'\n')
            return QT_TRANSLATE_NOOP(
                    "ListFile", "Line %1 contains a line break, which a list file cannot hold");
        if (c.isNull())
            return QT_TRANSLATE_NOOP(
                    "ListFile", "Line %1 contains a NUL character, which a list file cannot hold");
        if (c.isHighSurrogate() && i + 1 < line.size() && line[i + 1].isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            return QT_TRANSLATE_NOOP("ListFile",
                                     "Line %1 contains half of a character (a lone surrogate), "
                                     "which a list file cannot hold");
    }
    return nullptr;
}

// The same for a line held as the list holds it (Utf8::encode), without decoding it.
const char *unstorable(QByteArrayView line)
{
    const auto *p = reinterpret_cast<const unsigned char *>(line.data());
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (p[i] == '\r' || p[i] == '\n')
            return QT_TRANSLATE_NOOP(
                    "ListFile", "Line %1 contains a line break, which a list file cannot hold");
        if (p[i] == 0)
            return QT_TRANSLATE_NOOP(
                    "ListFile", "Line %1 contains a NUL character, which a list file cannot hold");
        if (p[i] == 0xED && i + 1 < line.size() && p[i + 1] >= 0xA0)
            return QT_TRANSLATE_NOOP("ListFile",
                                     "Line %1 contains half of a character (a lone surrogate), "
                                     "which a list file cannot hold");
    }
    return nullptr;
}

[[noreturn]] void failUnstorable(const QString &path, qsizetype line, const char *why)
{
    fail(Access::Write, path, QCoreApplication::translate("ListFile", why).arg(line));
}

// A list whose lines would read back differently is not written at all: a name with a line
// break (pasted into the name box) would shift every later name off its value.
void checkStorable(const QString &path, const QStringList &lines)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const char *why = unstorable(QStringView(lines.at(i)));
        if (why)
            failUnstorable(path, i + 1, why);
    }
}

void checkStorable(const QString &namePath, const QString &hexPath, const ColorList &list)
{
    if (list.mayHoldControlOrSurrogate()) {
        qsizetype line = 0;
        list.forEachNameUtf8([&](QByteArrayView name) {
            ++line;
            const char *why = unstorable(name);
            if (why)
                failUnstorable(namePath, line, why);
        });
        line = 0;
        list.forEachHexUtf8([&](QByteArrayView hex) {
            ++line;
            const char *why = unstorable(hex);
            if (why)
                failUnstorable(hexPath, line, why);
        });
    }
    const char *why = unstorable(QStringView(list.blankHex));
    if (why)
        failUnstorable(hexPath, list.count() + 1, why);
}

// Collects a file's bytes and writes them in blocks of a megabyte: a million lines cost a few
// hundred writes, and no copy of the whole file is made.
class BlockWriter
{
public:
    BlockWriter(QSaveFile &file, const QString &path)
        : m_file(file), m_path(path), m_block(new char[size_t(kBlock)])
    { }

    void line(QByteArrayView bytes)
    {
        if (m_used + bytes.size() + 2 > kBlock)
            flush();
        if (bytes.size() + 2 > kBlock) {
            write(bytes);
            write("\r\n");
            return;
        }
        if (!bytes.isEmpty())
            std::memcpy(m_block.get() + m_used, bytes.data(), size_t(bytes.size()));
        m_used += bytes.size();
        m_block[size_t(m_used++)] = '\r';
        m_block[size_t(m_used++)] = '\n';
    }

    void line(QStringView text)
    {
        const qsizetype size = Utf8::encodedSize(text);
        if (m_used + size + 2 > kBlock)
            flush();
        if (size + 2 > kBlock) {
            QByteArray bytes(size, Qt::Uninitialized);
            Utf8::encode(text, bytes.data());
            line(QByteArrayView(bytes));
            return;
        }
        Utf8::encode(text, m_block.get() + m_used);
        m_used += size;
        m_block[size_t(m_used++)] = '\r';
        m_block[size_t(m_used++)] = '\n';
    }

    // Reading drops a byte order mark at the start of a file; a first line that begins with
    // U+FEFF of its own gets one more in front, so that it reads back as it was written.
    void byteOrderMark()
    {
        std::memcpy(m_block.get() + m_used, "\xEF\xBB\xBF", 3); // at the start: there is room
        m_used += 3;
    }

    void finish()
    {
        flush();
        // commit() flushes too, but renames over the old file even when that flush failed (a
        // full disk): flush here, where a failure can still keep the old pair.
        errno = 0;
        if (!m_file.flush())
            failWrite();
    }

private:
    static constexpr qsizetype kBlock = qsizetype(1) << 20;

    void flush()
    {
        if (m_used == 0)
            return;
        write(QByteArrayView(m_block.get(), m_used));
        m_used = 0;
    }

    void write(QByteArrayView bytes)
    {
        errno = 0;
        if (m_file.write(bytes.data(), bytes.size()) != bytes.size())
            failWrite();
    }

    // A write cut short leaves Qt with "Unknown error"; the system's own reason is in errno.
    [[noreturn]] void failWrite()
    {
        fail(Access::Write, m_path, errno != 0 ? qt_error_string(errno) : m_file.errorString());
    }

    QSaveFile &m_file;
    const QString &m_path;
    std::unique_ptr<char[]> m_block;
    qsizetype m_used = 0;
};

using WriteLines = std::function<void(BlockWriter &)>;

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
    fail(Access::Write, path,
         QCoreApplication::translate("ListFile", "The old file cannot be kept aside"));
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

namespace {

// A file's bytes, after the checks every list file passes: a regular file, not too large, no
// NUL byte, not too many lines.
QByteArray readChecked(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        fail(Access::Open, path, QCoreApplication::translate("ListFile", "It is a folder"));
    // A device has no size to check and may never end (/dev/zero), and opening a pipe waits for
    // a writer that may never come: a list is only ever read from a regular file.
    if (info.exists() && !info.isFile())
        fail(Access::Open, path,
             QCoreApplication::translate("ListFile", "It is not a regular file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(Access::Open, path, file.errorString());
    if (file.size() > kMaxFileSize)
        fail(Access::Read, path,
             QCoreApplication::translate("ListFile", "The file is too large for a color list"));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        fail(Access::Read, path, file.errorString());
    if (bytes.size() > kMaxFileSize) // it grew while we read it
        fail(Access::Read, path,
             QCoreApplication::translate("ListFile", "The file is too large for a color list"));
    // No text in any encoding a list is written in holds a NUL byte; a file that does is a
    // program, an image or UTF-16, and its "lines" would only fill the list with garbage.
    if (bytes.contains('\0'))
        fail(Access::Read, path, QCoreApplication::translate("ListFile", "It is not a text file"));
    if (lineCount(bytes) > kMaxLines)
        fail(Access::Read, path,
             QCoreApplication::translate("ListFile",
                                         "The file has more lines than a color list can hold (%1)")
                     .arg(kMaxLines));
    return bytes;
}

// The text of a file's bytes as UTF-8, as decode() reads it: valid UTF-8 as it is, without a
// leading byte order mark; anything else as Windows-1252.
QByteArray utf8Text(QByteArray bytes)
{
    if (QByteArrayView(bytes).isValidUtf8()) {
        if (bytes.startsWith("\xEF\xBB\xBF"))
            bytes.remove(0, 3);
        return bytes;
    }
    qsizetype size = 0;
    for (const char byte : std::as_const(bytes)) {
        const auto b = static_cast<unsigned char>(byte);
        size += b < 0x80 ? 1 : (b >= 0xA0 || kCp1252High[b - 0x80] < 0x800) ? 2 : 3;
    }
    QByteArray text(size, Qt::Uninitialized);
    char *out = text.data();
    for (const char byte : std::as_const(bytes)) {
        const auto b = static_cast<unsigned char>(byte);
        if (b < 0x80) {
            *out++ = byte;
            continue;
        }
        const char16_t c = b < 0xA0 ? kCp1252High[b - 0x80] : char16_t(b);
        out = Utf8::encode(QStringView(&c, 1), out);
    }
    return text;
}

// The first CR or LF in [p, end), or end.
const char *lineEnd(const char *p, const char *end)
{
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    for (; end - p >= 16; p += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
        const int mask = _mm_movemask_epi8(
                _mm_or_si128(_mm_cmpeq_epi8(block, cr), _mm_cmpeq_epi8(block, lf)));
        if (mask)
            return p + __builtin_ctz(unsigned(mask));
    }
#endif
    for (; p < end; ++p) {
        if (*p == '\r' || *p == '\n')
            break;
    }
    return p;
}

// The lines of a file's UTF-8 text, split as splitLines() splits, each checked against the
// longest line the program loads.
class LineReader
{
public:
    LineReader(QString path, QByteArray text)
        : m_path(std::move(path)),
          m_text(std::move(text)),
          m_p(m_text.constData()),
          m_end(m_p + m_text.size())
    { }

    bool next(QByteArrayView &line)
    {
        if (m_p >= m_end)
            return false;
        const char *end = lineEnd(m_p, m_end);
        line = QByteArrayView(m_p, end - m_p);
        ++m_line;
        if (line.size() > kMaxLineLength) {
            const qsizetype length = Utf8::utf16Length(line);
            if (length > kMaxLineLength) {
                QLocale english = QLocale::c(); // with the thousands grouped: 50,000,000
                english.setNumberOptions({});
                fail(Access::Read, m_path,
                     QCoreApplication::translate(
                             "ListFile",
                             "Line %1 is %2 characters long; a line of a color list can "
                             "have at most %3")
                             .arg(m_line)
                             .arg(english.toString(length), english.toString(kMaxLineLength)));
            }
        }
        m_p = end;
        if (m_p < m_end && *m_p == '\r' && m_p + 1 < m_end && m_p[1] == '\n')
            ++m_p;
        if (m_p < m_end)
            ++m_p;
        return true;
    }

private:
    QString m_path;
    QByteArray m_text;
    const char *m_p;
    const char *m_end;
    qsizetype m_line = 0;
};

void checkWritable(const QString &path)
{
    // A list is saved by writing new files and renaming them over the old ones. Over a device,
    // a pipe or a socket that rename would replace the node itself (root may do so even in
    // /dev), so only regular files, or nothing yet, may stand where the pair goes.
    const QFileInfo info(path);
    if (info.isDir())
        fail(Access::Write, path, QCoreApplication::translate("ListFile", "It is a folder"));
    if (info.exists() && !info.isFile())
        fail(Access::Write, path,
             QCoreApplication::translate("ListFile", "It is not a regular file"));
}

// Writes both files, then renames them over the old pair, the old name file kept aside until
// both are in place.
void savePair(const QString &namePath, const QString &hexPath, const WriteLines &writeNames,
              const WriteLines &writeHexes)
{
    QSaveFile nameFile(namePath);
    QSaveFile hexFile(hexPath);
    const auto write = [](QSaveFile &file, const QString &path, const WriteLines &lines) {
        if (!file.open(QIODevice::WriteOnly))
            fail(Access::Write, path, file.errorString());
        BlockWriter writer(file, path);
        lines(writer);
        writer.finish();
    };
    write(nameFile, namePath, writeNames);
    write(hexFile, hexPath, writeHexes);

    // Both are written in full; only now do they replace the old files, one after the other.
    const QString oldNames = keepAside(namePath);
    const auto dropOldNames = [&oldNames] {
        if (!oldNames.isEmpty())
            QFile::remove(oldNames);
    };
    if (!nameFile.commit()) {
        dropOldNames();
        fail(Access::Write, namePath, nameFile.errorString());
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
        fail(Access::Write, hexPath, hexFailure);
    }
    dropOldNames();
}

WriteLines stringLines(const QStringList &lines)
{
    return [&lines](BlockWriter &writer) {
        if (!lines.isEmpty() && lines.constFirst().startsWith(QChar(0xFEFF)))
            writer.byteOrderMark();
        for (const QString &line : lines)
            writer.line(QStringView(line));
    };
}

} // namespace

QStringList readLines(const QString &path)
{
    return splitLines(decode(readChecked(path)));
}

Contents load(const QString &namePath)
{
    Contents contents;
    contents.names = readLines(namePath);
    contents.hexes = readLines(hexPathFor(namePath));
    return contents;
}

ColorList read(const QString &namePath)
{
    ColorList list;
    std::optional<LineReader> names;
    names.emplace(namePath, utf8Text(readChecked(namePath)));
    const QString hexPath = hexPathFor(namePath);
    std::optional<LineReader> hexes;
    list.assignUtf8([&names](QByteArrayView &line) { return names->next(line); },
                    [&](QByteArrayView &line) {
                        if (!hexes) {
                            // The names are in the list: their file's text can go first.
                            names.reset();
                            hexes.emplace(hexPath, utf8Text(readChecked(hexPath)));
                        }
                        return hexes->next(line);
                    });
    if (!hexes) // no names: the hex file must still be there, and its line is the blank row's
        hexes.emplace(hexPath, utf8Text(readChecked(hexPath)));
    QByteArrayView blank;
    if (hexes->next(blank))
        list.blankHex = Utf8::decode(blank);
    return list;
}

void save(const QString &namePath, const QStringList &names, const QStringList &hexes)
{
    const QString hexPath = hexPathFor(namePath);
    checkWritable(namePath);
    checkWritable(hexPath);
    checkStorable(namePath, names);
    checkStorable(hexPath, hexes);
    savePair(namePath, hexPath, stringLines(names), stringLines(hexes));
}

void save(const QString &namePath, const ColorList &list)
{
    const QString hexPath = hexPathFor(namePath);
    checkWritable(namePath);
    checkWritable(hexPath);
    checkStorable(namePath, hexPath, list);
    const auto startsWithMark = [](QByteArrayView line) { return line.startsWith("\xEF\xBB\xBF"); };
    savePair(
            namePath, hexPath,
            [&](BlockWriter &writer) {
                bool first = true;
                list.forEachNameUtf8([&](QByteArrayView name) {
                    if (first && startsWithMark(name))
                        writer.byteOrderMark();
                    first = false;
                    writer.line(name);
                });
            },
            [&](BlockWriter &writer) {
                bool first = true;
                list.forEachHexUtf8([&](QByteArrayView hex) {
                    if (first && startsWithMark(hex))
                        writer.byteOrderMark();
                    first = false;
                    writer.line(hex);
                });
                if (first && list.blankHex.startsWith(QChar(0xFEFF)))
                    writer.byteOrderMark();
                writer.line(QStringView(list.blankHex));
            });
}

} // namespace Tintora::ListFile
