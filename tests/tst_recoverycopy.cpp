// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/error.h"
#include "lists/colorlist.h"
#include "lists/recoverycopy.h"
#include "recoverysamples.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace Tintora;
using RecoverySamples::difference;

namespace {

const QDateTime kWritten = QDateTime(QDate(2026, 3, 14), QTime(15, 9, 26, 535), Qt::UTC);

// A process that has ended: the id of a child that exited, which nothing else uses for a while.
RecoveryCopy::Owner endedProcess()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return {child, 12345};
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

class tst_RecoveryCopy : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void copyReadsBackExactly_data();
    void copyReadsBackExactly();
    void copyNotWholeIsRefused_data();
    void copyNotWholeIsRefused();
    void killAtAnyMomentLeavesOldOrNew_data();
    void killAtAnyMomentLeavesOldOrNew();
    void onlyCopiesOfEndedProcessesAreLeftBehind();
    void partialWritesOfEndedProcessesAreCleared();
    void missingFolderHoldsNothing();
    void folderThatIsAFileHoldsNothingAndTakesNoCopy();
    void readOnlyFolderKeepsTheOldCopy();
    void removingTheLastCopyRemovesTheFolder();
    void setAsideCopyIsNoLongerOffered();
    void folderFollowsTheStateHome_data();
    void folderFollowsTheStateHome();

private:
    QString folder() const { return m_dir.filePath(QStringLiteral("state/tintora")); }

    QTemporaryDir m_dir;
};

void tst_RecoveryCopy::init()
{
    QVERIFY(m_dir.isValid());
    QDir(m_dir.path()).removeRecursively();
    QVERIFY(QDir().mkpath(m_dir.path()));
    RecoveryCopy::setWriteStepForTesting({});
}

void tst_RecoveryCopy::copyReadsBackExactly_data()
{
    QTest::addColumn<ColorList>("list");
    QTest::addColumn<QString>("listFile");

    QTest::newRow("empty list") << ColorList() << QString();
    ColorList one;
    one.append(QStringLiteral("Sky"), QStringLiteral("#87CEEB"));
    QTest::newRow("one entry, with its file")
            << one << QStringLiteral("/home/ann/lists/f\u00e4rben.clr");
    QTest::newRow("every script, values as typed") << RecoverySamples::list(200) << QString();
    ColorList blank = RecoverySamples::list(3);
    blank.blankName = QStringLiteral("typed into the blank row");
    blank.blankHex = QStringLiteral("#abc");
    QTest::newRow("blank row typed into") << blank << QStringLiteral("LIST.CLR");
    QTest::newRow("100,000 entries") << RecoverySamples::list(100'000) << QStringLiteral("a.clr");
    ColorList removed = RecoverySamples::list(10'000);
    for (qsizetype row = 9'000; row > 0; row -= 3)
        removed.remove(row);
    QTest::newRow("entries removed") << removed << QString();
}

void tst_RecoveryCopy::copyReadsBackExactly()
{
    QFETCH(ColorList, list);
    QFETCH(QString, listFile);
    const QString path = RecoveryCopy::pathFor(folder(), RecoveryCopy::thisProcess());
    RecoveryCopy::write(path, list, listFile, kWritten);
    QCOMPARE(filesIn(folder()), QStringList {QFileInfo(path).fileName()});
    QCOMPARE(QFileInfo(folder()).permissions() & (QFile::ReadOther | QFile::ReadGroup),
             QFile::Permissions());

    const RecoveryCopy::Summary summary = RecoveryCopy::readSummary(path);
    QCOMPARE(summary.count, list.count());
    QCOMPARE(summary.listFile, listFile);
    QCOMPARE(summary.written, kWritten);

    RecoveryCopy::Summary full;
    const ColorList back = RecoveryCopy::read(path, &full);
    QCOMPARE(difference(back, list), QString());
    QCOMPARE(full.count, list.count());
    QCOMPARE(full.listFile, listFile);
    // The index from value to entry is rebuilt too.
    if (list.count() > 0)
        QCOMPARE(back.lastRowWithHex(list.hex(0)), list.lastRowWithHex(list.hex(0)));
}

void tst_RecoveryCopy::copyNotWholeIsRefused_data()
{
    QTest::addColumn<int>("cutAt");  // bytes kept; -1 the whole copy
    QTest::addColumn<int>("flipAt"); // a byte overwritten; -1 none
    QTest::newRow("empty file") << 0 << -1;
    QTest::newRow("half the magic") << 4 << -1;
    QTest::newRow("header only") << 40 << -1;
    QTest::newRow("cut in the names") << 2000 << -1;
    QTest::newRow("last byte missing") << -2 << -1;
    QTest::newRow("wrong magic") << -1 << 0;
    QTest::newRow("entry count overwritten") << -1 << 23;
    QTest::newRow("a name's length overwritten") << -1 << 41;
    QTest::newRow("a name's text overwritten") << -1 << 60;
    QTest::newRow("size at the end overwritten") << -1 << -24;
    QTest::newRow("hash overwritten") << -1 << -16;
}

void tst_RecoveryCopy::copyNotWholeIsRefused()
{
    QFETCH(int, cutAt);
    QFETCH(int, flipAt);
    const QString path = RecoveryCopy::pathFor(folder(), endedProcess());
    RecoveryCopy::write(path, RecoverySamples::list(300), QStringLiteral("x.clr"), kWritten);
    QByteArray bytes = TestFiles::bytesOf(path);
    if (cutAt >= 0)
        bytes.truncate(cutAt);
    else if (cutAt == -2)
        bytes.chop(1);
    if (flipAt != -1)
        bytes[flipAt >= 0 ? flipAt : bytes.size() + flipAt] ^= 0x5A;
    TestFiles::write(path, bytes);

    if (cutAt != -1 || flipAt == 0 || flipAt == -24)
        QVERIFY_THROWS_EXCEPTION(FileError, RecoveryCopy::readSummary(path));
    QVERIFY_THROWS_EXCEPTION(FileError, RecoveryCopy::read(path));
    try {
        RecoveryCopy::read(path);
    } catch (const FileError &error) {
        QVERIFY2(error.message().contains(QDir::toNativeSeparators(path)),
                 qPrintable(error.message()));
    }
}

void tst_RecoveryCopy::killAtAnyMomentLeavesOldOrNew_data()
{
    QTest::addColumn<bool>("oldCopy");
    QTest::newRow("first copy") << false;
    QTest::newRow("copy replaced") << true;
}

void tst_RecoveryCopy::killAtAnyMomentLeavesOldOrNew()
{
    QFETCH(bool, oldCopy);
    const QString path = RecoveryCopy::pathFor(folder(), endedProcess());
    const ColorList oldList = RecoverySamples::list(1000);
    // Several blocks of a megabyte, so that kills land in the middle of the bytes.
    const ColorList newList = RecoverySamples::list(150'000);
    if (oldCopy)
        RecoveryCopy::write(path, oldList, QStringLiteral("old.clr"), kWritten);

    int steps = 0;
    RecoveryCopy::setWriteStepForTesting([&steps](RecoveryCopy::WriteStep) { ++steps; });
    const QString dryRun = m_dir.filePath(QStringLiteral("dry/copy.recovery"));
    RecoveryCopy::write(dryRun, newList, QString(), kWritten);
    RecoveryCopy::setWriteStepForTesting({});
    QVERIFY(steps > 4);

    for (int kill = 1; kill <= steps; ++kill) {
        const pid_t child = ::fork();
        if (child == 0) {
            int at = 0;
            RecoveryCopy::setWriteStepForTesting([&at, kill](RecoveryCopy::WriteStep) {
                if (++at == kill)
                    ::raise(SIGKILL);
            });
            try {
                RecoveryCopy::write(path, newList, QStringLiteral("new.clr"), kWritten);
            } catch (...) {
                ::_exit(2);
            }
            ::_exit(0);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY2(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL,
                 qPrintable(QStringLiteral("step %1: status %2").arg(kill).arg(status)));

        if (!QFileInfo::exists(path)) {
            QVERIFY2(!oldCopy, qPrintable(QStringLiteral("step %1 lost the old copy").arg(kill)));
            continue;
        }
        RecoveryCopy::Summary summary;
        const ColorList found = RecoveryCopy::read(path, &summary);
        const bool isNew = summary.listFile == QLatin1String("new.clr");
        QCOMPARE(difference(found, isNew ? newList : oldList), QString());
        // The step after the rename is the last: from then on only the new copy is there.
        if (kill == steps)
            QVERIFY(isNew);
        QFile::remove(path + QLatin1String(".part"));
        if (!oldCopy)
            QFile::remove(path);
    }
}

void tst_RecoveryCopy::onlyCopiesOfEndedProcessesAreLeftBehind()
{
    const RecoveryCopy::Owner self = RecoveryCopy::thisProcess();
    const RecoveryCopy::Owner ended = endedProcess();
    // Our own id with another start time: a process from before a reboot.
    const RecoveryCopy::Owner reused {self.pid, self.started + 1};
    ColorList list = RecoverySamples::list(5);
    for (const RecoveryCopy::Owner &owner : {self, ended, reused})
        RecoveryCopy::write(RecoveryCopy::pathFor(folder(), owner), list, QString(), kWritten);
    TestFiles::write(folder() + QLatin1String("/notes.txt"), "not a copy");
    TestFiles::write(folder() + QLatin1String("/list-1-2.recovery.broken"), "kept aside");

    QVERIFY(self.started != 0);
    QVERIFY(RecoveryCopy::isAlive(self));
    QVERIFY(!RecoveryCopy::isAlive(ended));
    QVERIFY(!RecoveryCopy::isAlive(reused));

    QStringList found;
    for (const RecoveryCopy::Found &copy : RecoveryCopy::leftBehind(folder()))
        found.append(copy.path);
    found.sort();
    QStringList expected {RecoveryCopy::pathFor(folder(), ended),
                          RecoveryCopy::pathFor(folder(), reused)};
    expected.sort();
    QCOMPARE(found, expected);
    QCOMPARE(filesIn(folder()).size(), 5); // nothing was removed
}

void tst_RecoveryCopy::partialWritesOfEndedProcessesAreCleared()
{
    const QString ours =
            RecoveryCopy::pathFor(folder(), RecoveryCopy::thisProcess()) + QLatin1String(".part");
    const QString theirs = RecoveryCopy::pathFor(folder(), endedProcess()) + QLatin1String(".part");
    QVERIFY(QDir().mkpath(folder()));
    TestFiles::write(ours, "half");
    TestFiles::write(theirs, "half");
    QVERIFY(RecoveryCopy::leftBehind(folder()).isEmpty());
    QVERIFY(QFileInfo::exists(ours)); // being written right now
    QVERIFY(!QFileInfo::exists(theirs));
}

void tst_RecoveryCopy::missingFolderHoldsNothing()
{
    QVERIFY(RecoveryCopy::leftBehind(folder()).isEmpty());
    QVERIFY(!QFileInfo::exists(folder()));
}

void tst_RecoveryCopy::folderThatIsAFileHoldsNothingAndTakesNoCopy()
{
    QVERIFY(QDir().mkpath(QFileInfo(folder()).absolutePath()));
    TestFiles::write(folder(), "a file where the folder goes");
    QVERIFY(RecoveryCopy::leftBehind(folder()).isEmpty());
    const QString path = RecoveryCopy::pathFor(folder(), RecoveryCopy::thisProcess());
    QVERIFY_THROWS_EXCEPTION(FileError,
                             RecoveryCopy::write(path, ColorList(), QString(), kWritten));
    QCOMPARE(TestFiles::bytesOf(folder()), QByteArray("a file where the folder goes"));
}

void tst_RecoveryCopy::readOnlyFolderKeepsTheOldCopy()
{
    if (::geteuid() == 0)
        QSKIP("root writes into read-only folders");
    const QString path = RecoveryCopy::pathFor(folder(), endedProcess());
    const ColorList oldList = RecoverySamples::list(20);
    RecoveryCopy::write(path, oldList, QString(), kWritten);
    QVERIFY(QFile::setPermissions(folder(), QFile::ReadOwner | QFile::ExeOwner));
    const auto writable = qScopeGuard([this] {
        QFile::setPermissions(folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });

    QVERIFY_THROWS_EXCEPTION(
            FileError, RecoveryCopy::write(path, RecoverySamples::list(40), QString(), kWritten));
    QVERIFY_THROWS_EXCEPTION(FileError, RecoveryCopy::remove(path));
    QVERIFY_THROWS_EXCEPTION(FileError, RecoveryCopy::setAside(path));
    // Still found, and still whole.
    QCOMPARE(RecoveryCopy::leftBehind(folder()).size(), 1);
    QCOMPARE(difference(RecoveryCopy::read(path), oldList), QString());
}

void tst_RecoveryCopy::removingTheLastCopyRemovesTheFolder()
{
    const QString first = RecoveryCopy::pathFor(folder(), {100, 1});
    const QString second = RecoveryCopy::pathFor(folder(), {200, 1});
    RecoveryCopy::write(first, ColorList(), QString(), kWritten);
    RecoveryCopy::write(second, ColorList(), QString(), kWritten);
    RecoveryCopy::remove(first);
    QCOMPARE(filesIn(folder()), QStringList {QFileInfo(second).fileName()});
    RecoveryCopy::remove(second);
    QVERIFY(!QFileInfo::exists(folder()));
    RecoveryCopy::remove(second); // nothing there: nothing to do
}

void tst_RecoveryCopy::setAsideCopyIsNoLongerOffered()
{
    const QString path = RecoveryCopy::pathFor(folder(), endedProcess());
    QVERIFY(QDir().mkpath(folder()));
    TestFiles::write(path, "broken");
    const QString aside = RecoveryCopy::setAside(path);
    QVERIFY(aside != path);
    QCOMPARE(QFileInfo(aside).absolutePath(), folder());
    QCOMPARE(TestFiles::bytesOf(aside), QByteArray("broken"));
    QVERIFY(RecoveryCopy::leftBehind(folder()).isEmpty());
    // A second broken copy of the same name does not replace the first one set aside.
    TestFiles::write(path, "broken again");
    const QString secondAside = RecoveryCopy::setAside(path);
    QVERIFY(secondAside != aside);
    QCOMPARE(TestFiles::bytesOf(aside), QByteArray("broken"));
}

void tst_RecoveryCopy::folderFollowsTheStateHome_data()
{
    QTest::addColumn<QByteArray>("stateHome");
    QTest::addColumn<QString>("expected");
    QTest::newRow("state home set") << QByteArray("/srv/state") << "/srv/state/tintora";
    QTest::newRow("state home with a slash") << QByteArray("/srv/state/") << "/srv/state/tintora";
    QTest::newRow("unset") << QByteArray() << "/home/ann/.local/state/tintora";
    QTest::newRow("relative, ignored") << QByteArray("state") << "/home/ann/.local/state/tintora";
}

void tst_RecoveryCopy::folderFollowsTheStateHome()
{
    QFETCH(QByteArray, stateHome);
    QFETCH(QString, expected);
    const QByteArray oldHome = qgetenv("HOME"), oldState = qgetenv("XDG_STATE_HOME");
    const auto restore = qScopeGuard([&] {
        qputenv("HOME", oldHome);
        if (oldState.isNull())
            qunsetenv("XDG_STATE_HOME");
        else
            qputenv("XDG_STATE_HOME", oldState);
    });
    qputenv("HOME", "/home/ann");
    if (stateHome.isNull())
        qunsetenv("XDG_STATE_HOME");
    else
        qputenv("XDG_STATE_HOME", stateHome);
    QCOMPARE(RecoveryCopy::folder(), expected);
}

QTEST_GUILESS_MAIN(tst_RecoveryCopy)
#include "tst_recoverycopy.moc"
