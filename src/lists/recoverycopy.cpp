// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/recoverycopy.h"

#include "core/error.h"
#include "core/utf8.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace Tintora::RecoveryCopy {

namespace {

// The layout, all numbers little-endian:
//   "TNTRCPY1", written (ms since 1970, UTC, i64), entries (i64),
//   list file, blank row's name, blank row's value, each name, each value (each a u32 byte
//   count and the text as Utf8::encode writes it),
//   the copy's whole size (i64), the hash of the bytes before it (u64, contentHash) and
//   "TNTREND1".
constexpr char kMagic[8] = {'T', 'N', 'T', 'R', 'C', 'P', 'Y', '1'};
constexpr char kEndMagic[8] = {'T', 'N', 'T', 'R', 'E', 'N', 'D', '1'};
constexpr qint64 kHeaderSize = 8 + 8 + 8;
constexpr qint64 kTrailerSize = 8 + 8 + 8;
// Far beyond a copy of a million long names, small enough to read whole.
constexpr qint64 kMaxSize = qint64(1) << 30;

const QLatin1String kPrefix("list-");
const QLatin1String kSuffix(".recovery");
const QLatin1String kPartSuffix(".recovery.part");
const QLatin1String kBrokenSuffix(".broken");

WriteStepHook g_writeStep;

// A hash that catches a byte changed anywhere, eight bytes at a step: a million entries hash
// in a few milliseconds. Bytes are taken in order, so a copy can be hashed in blocks whose
// sizes are multiples of eight, the last one any size.
quint64 contentHash(quint64 hash, const char *bytes, qsizetype size)
{
    constexpr quint64 kOdd = 0x9E3779B97F4A7C15ULL;
    qsizetype i = 0;
    for (; size - i >= 8; i += 8) {
        hash = (hash ^ qFromLittleEndian<quint64>(bytes + i)) * kOdd;
        hash ^= hash >> 29;
    }
    for (; i < size; ++i) {
        hash = (hash ^ quint8(bytes[i])) * kOdd;
        hash ^= hash >> 29;
    }
    return hash;
}

constexpr quint64 kHashStart = 0x54696E746F726121ULL;

void step(WriteStep at)
{
    if (g_writeStep)
        g_writeStep(at);
}

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

[[noreturn]] void failWrite(const QString &path, const QString &reason)
{
    throw FileError(
            QCoreApplication::translate("RecoveryCopy", "Cannot write the recovery copy \"%1\": %2")
                    .arg(QDir::toNativeSeparators(path), reason));
}

[[noreturn]] void failRead(const QString &path, const QString &reason)
{
    throw FileError(
            QCoreApplication::translate("RecoveryCopy", "Cannot read the recovery copy \"%1\": %2")
                    .arg(QDir::toNativeSeparators(path), reason));
}

[[noreturn]] void failDamaged(const QString &path)
{
    failRead(path,
             QCoreApplication::translate("RecoveryCopy",
                                         "It is not whole (cut short or overwritten)"));
}

// The start time of a process in clock ticks since boot (field 22 of /proc/PID/stat), or 0
// when the system does not tell.
qint64 startTicks(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray text = stat.read(4096);
    // The command name, in parentheses, may hold spaces and parentheses of its own.
    const qsizetype close = text.lastIndexOf(')');
    if (close < 0)
        return 0;
    const QList<QByteArray> fields = text.mid(close + 2).split(' ');
    constexpr qsizetype kStartTime = 22 - 3; // the fields after the name start at field 3
    if (fields.size() <= kStartTime)
        return 0;
    bool ok = false;
    const qint64 ticks = fields.at(kStartTime).toLongLong(&ok);
    return ok ? ticks : 0;
}

// The owner a file name names, for copies and partial writes.
std::optional<Owner> ownerOf(const QString &fileName, QLatin1String suffix)
{
    if (!fileName.startsWith(kPrefix) || !fileName.endsWith(suffix))
        return std::nullopt;
    const QStringView middle = QStringView(fileName).mid(
            kPrefix.size(), fileName.size() - kPrefix.size() - suffix.size());
    const qsizetype dash = middle.indexOf(u'-');
    if (dash < 0)
        return std::nullopt;
    bool pidOk = false, startedOk = false;
    Owner owner;
    owner.pid = middle.left(dash).toLongLong(&pidOk);
    owner.started = middle.mid(dash + 1).toLongLong(&startedOk);
    if (!pidOk || !startedOk || owner.pid <= 0 || owner.started < 0)
        return std::nullopt;
    return owner;
}

bool isFolder(const QString &path)
{
    struct stat info
    {
    };
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Makes the folder and the missing ones above it, private to the user as the state folders
// are meant to be.
void makeFolder(const QString &folder, const QString &copyPath)
{
    if (isFolder(folder))
        return;
    const QString parent = QFileInfo(folder).absolutePath();
    if (parent != folder)
        makeFolder(parent, copyPath);
    if (::mkdir(QFile::encodeName(folder).constData(), 0700) != 0 && errno != EEXIST)
        failWrite(copyPath, systemReason(errno));
    if (!isFolder(folder))
        failWrite(copyPath,
                  QCoreApplication::translate("RecoveryCopy", "\"%1\" is not a folder")
                          .arg(QDir::toNativeSeparators(folder)));
}

// Gathers the copy's bytes and hands them to the partial file a megabyte at a time.
class Writer
{
public:
    Writer(int fd, const QString &path) : m_fd(fd), m_path(path) { m_block.reserve(kBlock + 64); }

    void number(qint64 value)
    {
        char bytes[8];
        qToLittleEndian(value, bytes);
        raw(bytes, 8);
    }

    void text(QByteArrayView bytes)
    {
        char length[4];
        qToLittleEndian(quint32(bytes.size()), length);
        raw(length, 4);
        raw(bytes.data(), bytes.size());
    }

    void text(QStringView text)
    {
        QByteArray bytes(Utf8::encodedSize(text), Qt::Uninitialized);
        Utf8::encode(text, bytes.data());
        this->text(QByteArrayView(bytes));
    }

    void raw(const char *bytes, qsizetype size)
    {
        m_written += size;
        while (size > 0) {
            const qsizetype room = kBlock - qsizetype(m_block.size());
            const qsizetype take = std::min(room, size);
            m_block.append(bytes, size_t(take));
            bytes += take;
            size -= take;
            if (qsizetype(m_block.size()) >= kBlock)
                flush();
        }
    }

    qint64 written() const { return m_written; }
    quint64 hash() const { return m_hash; }

    // The bytes written so far count in hash() (blocks are full until the last).
    void flush()
    {
        m_hash = contentHash(m_hash, m_block.data(), qsizetype(m_block.size()));
        const char *p = m_block.data();
        size_t left = m_block.size();
        while (left > 0) {
            const ssize_t done = ::write(m_fd, p, left);
            if (done < 0) {
                if (errno == EINTR)
                    continue;
                failWrite(m_path, systemReason(errno));
            }
            p += done;
            left -= size_t(done);
        }
        if (!m_block.empty())
            step(WriteStep::Block);
        m_block.clear();
    }

private:
    static constexpr qsizetype kBlock = qsizetype(1) << 20;

    int m_fd;
    const QString &m_path;
    std::string m_block;
    qint64 m_written = 0;
    quint64 m_hash = kHashStart;
};

// Reads the parts of a copy in order, each checked against the end of the bytes.
class Reader
{
public:
    Reader(const QString &path, const char *begin, const char *end)
        : m_path(path), m_p(begin), m_end(end)
    { }

    qint64 number()
    {
        need(8);
        const auto value = qFromLittleEndian<qint64>(m_p);
        m_p += 8;
        return value;
    }

    QByteArrayView text()
    {
        need(4);
        const auto length = qFromLittleEndian<quint32>(m_p);
        m_p += 4;
        need(length);
        const QByteArrayView bytes(m_p, qsizetype(length));
        m_p += length;
        return bytes;
    }

    // A text checked to be what Utf8::encode writes: UTF-8, where a lone surrogate may stand
    // as the three bytes of its code point.
    QByteArrayView checkedText()
    {
        const QByteArrayView bytes = text();
        QByteArrayView rest = bytes;
        for (qsizetype bad; (bad = Utf8::firstInvalid(rest)) >= 0;) {
            const auto *s = reinterpret_cast<const unsigned char *>(rest.data()) + bad;
            if (!(rest.size() - bad >= 3 && s[0] == 0xED && s[1] >= 0xA0 && s[1] <= 0xBF
                  && (s[2] & 0xC0) == 0x80))
                failDamaged(m_path);
            rest = rest.sliced(bad + 3);
        }
        return bytes;
    }

    const char *position() const { return m_p; }

private:
    void need(qint64 bytes)
    {
        if (m_end - m_p < bytes)
            failDamaged(m_path);
    }

    const QString &m_path;
    const char *m_p;
    const char *m_end;
};

Summary summaryFrom(Reader &reader, const QString &path, qint64 size)
{
    Summary summary;
    const qint64 writtenMs = reader.number();
    const qint64 count = reader.number();
    // Each entry takes at least the two byte counts.
    if (count < 0 || count > size / 8)
        failDamaged(path);
    summary.count = qsizetype(count);
    summary.written = QDateTime::fromMSecsSinceEpoch(writtenMs, Qt::UTC);
    summary.listFile = Utf8::decode(reader.checkedText());
    return summary;
}

void checkTrailer(const QString &path, const char *trailer, qint64 size)
{
    if (std::memcmp(trailer + 16, kEndMagic, 8) != 0 || qFromLittleEndian<qint64>(trailer) != size)
        failDamaged(path);
}

} // namespace

void setWriteStepForTesting(WriteStepHook hook)
{
    g_writeStep = std::move(hook);
}

QString folder()
{
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    // A relative XDG_STATE_HOME counts as unset, as the XDG base directories have it.
    if (!state.isEmpty() && QDir::isAbsolutePath(state))
        return QDir::cleanPath(state + QLatin1String("/tintora"));
    return QDir::cleanPath(QDir::homePath() + QLatin1String("/.local/state/tintora"));
}

Owner thisProcess()
{
    const qint64 pid = QCoreApplication::applicationPid();
    return {pid, startTicks(pid)};
}

bool isAlive(const Owner &owner)
{
    if (owner.pid <= 0 || owner.pid > std::numeric_limits<pid_t>::max())
        return false;
    if (::kill(pid_t(owner.pid), 0) != 0 && errno != EPERM)
        return false;
    if (owner.started == 0)
        return true;
    // A process with the same id may be another one (ids are reused, and after a reboot very
    // soon): only the same start time makes it the same process.
    const qint64 started = startTicks(owner.pid);
    return started == 0 || started == owner.started;
}

QString pathFor(const QString &folder, const Owner &owner)
{
    return QStringLiteral("%1/%2%3-%4%5")
            .arg(folder, kPrefix)
            .arg(owner.pid)
            .arg(owner.started)
            .arg(kSuffix);
}

QList<Found> leftBehind(const QString &folder)
{
    if (!isFolder(folder))
        return {};
    QList<Found> found;
    const QDir dir(folder);
    const QFileInfoList entries =
            dir.entryInfoList(QDir::Files | QDir::Hidden, QDir::Time | QDir::Reversed);
    for (const QFileInfo &entry : entries) {
        const QString name = entry.fileName();
        if (const auto owner = ownerOf(name, kPartSuffix)) {
            if (!isAlive(*owner))
                QFile::remove(entry.filePath());
        } else if (const auto owner = ownerOf(name, kSuffix)) {
            if (!isAlive(*owner))
                found.append({entry.filePath(), *owner});
        }
    }
    return found;
}

void write(const QString &path, const ColorList &list, const QString &listFile,
           const QDateTime &written)
{
    makeFolder(QFileInfo(path).absolutePath(), path);
    const QString part = path + QLatin1String(".part");
    const QByteArray partName = QFile::encodeName(part);
    const int fd = ::open(partName.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        failWrite(path, systemReason(errno));
    try {
        step(WriteStep::Opened);
        Writer writer(fd, path);
        writer.raw(kMagic, 8);
        writer.number(written.toMSecsSinceEpoch());
        writer.number(list.count());
        writer.text(QStringView(listFile));
        writer.text(QStringView(list.blankName));
        writer.text(QStringView(list.blankHex));
        list.forEachNameUtf8([&writer](QByteArrayView name) { writer.text(name); });
        list.forEachHexUtf8([&writer](QByteArrayView hex) { writer.text(hex); });
        writer.flush();
        const quint64 hash = writer.hash();
        writer.number(writer.written() + kTrailerSize);
        writer.number(qint64(hash));
        writer.raw(kEndMagic, 8);
        writer.flush();
        // On the disk before it takes the copy's name: after a power cut the name must not
        // stand for a file whose blocks never arrived.
        if (::fdatasync(fd) != 0)
            failWrite(path, systemReason(errno));
        step(WriteStep::Synced);
    } catch (...) {
        ::close(fd);
        ::unlink(partName.constData());
        throw;
    }
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(partName.constData());
        failWrite(path, systemReason(error));
    }
    if (::rename(partName.constData(), QFile::encodeName(path).constData()) != 0) {
        const int error = errno;
        ::unlink(partName.constData());
        failWrite(path, systemReason(error));
    }
    step(WriteStep::Renamed);
    // The rename itself reaches the disk with the folder.
    const int folderFd = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                                O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        ::fsync(folderFd);
        ::close(folderFd);
    }
}

namespace {

void openCopy(QFile &file, const QString &path)
{
    if (!QFileInfo(path).isFile())
        failRead(path, QCoreApplication::translate("RecoveryCopy", "It is not a regular file"));
    if (!file.open(QIODevice::ReadOnly))
        failRead(path, file.errorString());
}

} // namespace

Summary readSummary(const QString &path)
{
    QFile file(path);
    openCopy(file, path);
    const qint64 size = file.size();
    if (size < kHeaderSize + qint64(4) * 3 + kTrailerSize || size > kMaxSize)
        failDamaged(path);
    QByteArray head = file.read(kHeaderSize + 4);
    if (head.size() != kHeaderSize + 4 || std::memcmp(head.constData(), kMagic, 8) != 0)
        failDamaged(path);
    const auto fileLength = qFromLittleEndian<quint32>(head.constData() + kHeaderSize);
    if (qint64(fileLength) > size)
        failDamaged(path);
    head += file.read(fileLength);
    char trailer[kTrailerSize];
    if (!file.seek(size - kTrailerSize) || file.read(trailer, kTrailerSize) != kTrailerSize)
        failDamaged(path);
    checkTrailer(path, trailer, size);
    Reader reader(path, head.constData() + 8, head.constData() + head.size());
    return summaryFrom(reader, path, size);
}

ColorList read(const QString &path, Summary *summary)
{
    QFile file(path);
    openCopy(file, path);
    const qint64 size = file.size();
    if (size < kHeaderSize + qint64(4) * 3 + kTrailerSize || size > kMaxSize)
        failDamaged(path);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        failRead(path, file.errorString());
    if (bytes.size() != size || std::memcmp(bytes.constData(), kMagic, 8) != 0)
        failDamaged(path);
    const char *end = bytes.constData() + bytes.size() - kTrailerSize;
    checkTrailer(path, end, size);
    if (contentHash(kHashStart, bytes.constData(), end - bytes.constData())
        != qFromLittleEndian<quint64>(end + 8))
        failDamaged(path);

    // Every part is checked before the list is made of them.
    Reader check(path, bytes.constData() + 8, end);
    Summary read = summaryFrom(check, path, size);
    const QString blankName = Utf8::decode(check.checkedText());
    const QString blankHex = Utf8::decode(check.checkedText());
    const char *entries = check.position();
    for (qsizetype i = 0; i < 2 * read.count; ++i)
        check.checkedText();
    if (check.position() != end)
        failDamaged(path);

    Reader entry(path, entries, end);
    qsizetype names = 0, hexes = 0;
    ColorList list;
    list.assignUtf8(
            [&](QByteArrayView &line) {
                if (names == read.count)
                    return false;
                ++names;
                line = entry.text();
                return true;
            },
            [&](QByteArrayView &line) {
                if (hexes == read.count)
                    return false;
                ++hexes;
                line = entry.text();
                return true;
            });
    list.blankName = blankName;
    list.blankHex = blankHex;
    if (summary)
        *summary = std::move(read);
    return list;
}

void remove(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    if (::unlink(name.constData()) != 0 && errno != ENOENT)
        throw FileError(QCoreApplication::translate("RecoveryCopy",
                                                    "Cannot remove the recovery copy \"%1\": %2")
                                .arg(QDir::toNativeSeparators(path), systemReason(errno)));
    // Fails while anything else is there, which is as it should be.
    ::rmdir(QFile::encodeName(QFileInfo(path).absolutePath()).constData());
}

QString setAside(const QString &path)
{
    for (int attempt = 1; attempt < 100; ++attempt) {
        QString aside = path + kBrokenSuffix;
        if (attempt > 1)
            aside += QStringLiteral("-%1").arg(attempt);
        if (QFileInfo::exists(aside))
            continue;
        if (::rename(QFile::encodeName(path).constData(), QFile::encodeName(aside).constData())
            != 0)
            break;
        return aside;
    }
    throw FileError(
            QCoreApplication::translate("RecoveryCopy",
                                        "Cannot move the damaged recovery copy \"%1\" aside: %2")
                    .arg(QDir::toNativeSeparators(path), systemReason(errno)));
}

} // namespace Tintora::RecoveryCopy
