// SPDX-License-Identifier: GPL-3.0-or-later
// The list files on any bytes at all: NULs, CR/LF mixtures, invalid UTF-8, megabyte lines,
// empty files. Splitting, decoding and loading are checked against plain readings of what
// they promise, and every list the library agrees to save loads back as the same list.
#include "core/error.h"
#include "core/utf8.h"
#include "fuzztext.h"
#include "lists/colorlist.h"
#include "lists/listfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace Tintora;

namespace {

QTemporaryDir *g_dir = nullptr;

QString path(const char *name)
{
    return g_dir->filePath(QString::fromLatin1(name));
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(), "writing %s",
               qPrintable(path));
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Windows-1252, written out: the euro sign and friends in 0x80..0x9F, Latin-1 elsewhere.
QString fromWindows1252(const QByteArray &bytes)
{
    static const char16_t high[] = u"\u20ac\u0081\u201a\u0192\u201e\u2026\u2020\u2021\u02c6\u2030"
                                   u"\u0160\u2039\u0152\u008d\u017d\u008f\u0090\u2018\u2019\u201c"
                                   u"\u201d\u2022\u2013\u2014\u02dc\u2122\u0161\u203a\u0153\u009d"
                                   u"\u017e\u0178";
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        text[i] = QChar(b >= 0x80 && b < 0xA0 ? high[b - 0x80] : char16_t(b));
    }
    return text;
}

QStringList referenceSplit(const QString &text)
{
    // Every CR LF, CR or LF ends a line; what follows the last one is a line if it is not empty.
    QString normalized = text;
    normalized.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    QStringList lines = normalized.split(u'\n');
    if (lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

bool storable(const QString &line)
{
    return !line.contains(u'\r') && !line.contains(u'\n') && !line.contains(QChar(0))
            && QStringView(line).isValidUtf16();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Saving syncs each file to disk; in memory that costs nothing, and the fuzzer runs faster.
    g_dir = QDir(QStringLiteral("/dev/shm")).exists()
            ? new QTemporaryDir(QStringLiteral("/dev/shm/tintora-fuzz-XXXXXX"))
            : new QTemporaryDir;
    FUZZ_CHECK(g_dir->isValid(), "no temporary folder");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const uint8_t flags = data[0];
    QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    if ((flags & 0xF0) == 0xF0) {
        // A megabyte line: the first half of the input without its line breaks, over and over,
        // then the rest as it is.
        QByteArray line = bytes.left(bytes.size() / 2);
        line.replace('\r', "").replace('\n', "");
        if (!line.isEmpty()) {
            const QByteArray rest = bytes.mid(bytes.size() / 2);
            bytes = line.repeated((1 << 20) / line.size() + 1) + rest;
        }
    }

    // Decoding: valid UTF-8 is read as UTF-8 (a leading byte order mark dropped, as
    // QString::fromUtf8 drops it), anything else as Windows-1252, one character per byte.
    const QString text = ListFile::decode(bytes);
    if (Utf8::firstInvalid(bytes) < 0) {
        FUZZ_CHECK(text == QString::fromUtf8(bytes), "UTF-8 decoded differently");
    } else {
        FUZZ_CHECK(text == fromWindows1252(bytes), "not UTF-8, and not read as Windows-1252");
    }

    // Splitting.
    const QStringList lines = ListFile::splitLines(text);
    FUZZ_CHECK(lines == referenceSplit(text), "split into %lld lines", qlonglong(lines.size()));

    // Loading: the name file is the bytes, the hex file the bytes from a point on; both load
    // exactly as decoded and split, unless a NUL marks them as binary.
    const qsizetype cut = bytes.isEmpty() ? 0 : (flags & 0x0F) % (bytes.size() + 1);
    const QByteArray hexBytes = bytes.mid(cut);
    writeFile(path("in.clr"), bytes);
    writeFile(path("in.hex"), hexBytes);
    try {
        const ListFile::Contents contents = ListFile::load(path("in.clr"));
        FUZZ_CHECK(!bytes.contains('\0') && !hexBytes.contains('\0'), "loaded a binary file");
        FUZZ_CHECK(contents.names == lines, "names loaded differently");
        FUZZ_CHECK(contents.hexes == ListFile::splitLines(ListFile::decode(hexBytes)),
                   "values loaded differently");
        // Straight into a list: the same lines, unless one is too long for the program.
        bool tooLong = false;
        for (const QString &line : contents.names + contents.hexes)
            tooLong = tooLong || line.size() > ListFile::kMaxLineLength;
        try {
            const ColorList list = ListFile::read(path("in.clr"));
            FUZZ_CHECK(!tooLong, "read a line too long");
            FUZZ_CHECK(list.names() == contents.names, "names read differently");
            for (qsizetype row = 0; row < list.count(); ++row)
                FUZZ_CHECK(list.hex(row) == contents.hexes.value(row),
                           "value %lld read differently", qlonglong(row));
            FUZZ_CHECK(list.blankHex == contents.hexes.value(list.count()),
                       "the blank row's value read differently");
        } catch (const FileError &e) {
            FUZZ_CHECK(tooLong, "read failed: %s", qPrintable(e.message()));
        }
    } catch (const FileError &e) {
        FUZZ_CHECK(bytes.contains('\0') || hexBytes.contains('\0'), "load failed: %s",
                   qPrintable(e.message()));
        FUZZ_CHECK(e.message().contains(QStringLiteral("in.clr"))
                           || e.message().contains(QStringLiteral("in.hex")),
                   "the error names no file: %s", qPrintable(e.message()));
    }

    // Saving and loading back: the lines of the bytes read as Latin-1, UTF-8 or UTF-16 (which
    // can hold anything, lone surrogates, line breaks and NULs included), as names and values.
    if (bytes.size() > (1 << 16))
        return 0; // saving megabytes for every run would only slow the search down
    QStringList names;
    switch (flags % 3) {
    case 0:
        names = QString::fromLatin1(bytes).split(u'\n');
        break;
    case 1:
        names = QString::fromUtf8(bytes).split(u'\n');
        break;
    default:
        names = QString(reinterpret_cast<const QChar *>(bytes.constData()), bytes.size() / 2)
                        .split(QChar(0x2028));
        break;
    }
    QStringList hexes = names.mid(names.size() / 2);
    hexes.append(QString()); // the blank row
    const QByteArray oldNames = "Old\r\n", oldHexes = "#000000\r\n\r\n";
    writeFile(path("out.clr"), oldNames);
    writeFile(path("out.hex"), oldHexes);
    bool canStore = true;
    for (const QString &line : names + hexes)
        canStore = canStore && storable(line);
    try {
        ListFile::save(path("out.clr"), names, hexes);
        FUZZ_CHECK(canStore, "saved a line that cannot be read back");
        const ListFile::Contents back = ListFile::load(path("out.clr"));
        FUZZ_CHECK(back.names == names, "names read back differently");
        FUZZ_CHECK(back.hexes == hexes, "values read back differently");
        // A list writes the bytes its lines do: a value for each entry, and the blank row's.
        QStringList column = hexes.mid(0, names.size());
        while (column.size() < names.size())
            column.append(QString());
        column.append(hexes.value(names.size()));
        ListFile::save(path("out.clr"), names, column);
        const QByteArray nameBytes = readFile(path("out.clr")),
                         hexBytes = readFile(path("out.hex"));
        ColorList list;
        list.assign(names, hexes);
        list.blankHex = hexes.value(names.size());
        ListFile::save(path("out.clr"), list);
        FUZZ_CHECK(readFile(path("out.clr")) == nameBytes, "the list wrote other names");
        FUZZ_CHECK(readFile(path("out.hex")) == hexBytes, "the list wrote other values");
    } catch (const FileError &e) {
        FUZZ_CHECK(!canStore, "save failed: %s", qPrintable(e.message()));
        FUZZ_CHECK(readFile(path("out.clr")) == oldNames && readFile(path("out.hex")) == oldHexes,
                   "a refused save changed the old files");
    }
    const QStringList left = QDir(g_dir->path()).entryList(QDir::Files | QDir::Hidden);
    FUZZ_CHECK(left.size() == 4, "files left behind: %s", qPrintable(left.join(u' ')));
    return 0;
}
