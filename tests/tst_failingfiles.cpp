// SPDX-License-Identifier: GPL-3.0-or-later
// Saving and loading lists where the file system says no: a full disk, a device, a missing
// folder, a folder, unreadable, binary and huge files. Each must end in an error box that names
// the file and the reason, and leave the list, its unsaved state and the files on disk whole.
#include "app/combobox.h"
#include "core/error.h"
#include "formfixture.h"
#include "lists/colorlistmodel.h"
#include "lists/listfile.h"
#include "testfiles.h"

#include <QAction>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <sys/fsuid.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace Tintora;
using namespace TestFiles;
using Answer = Dialogs::Answer;

namespace {

// What a folder holds: relative path to contents, or to a mark for what is not a regular file.
using Tree = QMap<QString, QByteArray>;

Tree treeOf(const QString &root)
{
    Tree tree;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString key = QDir(root).relativeFilePath(path);
        struct stat st;
        if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
            continue;
        if (S_ISREG(st.st_mode) && st.st_size < (1 << 20) && (st.st_mode & 0444) == 0444) {
            QFile file(path);
            tree[key] = file.open(QIODevice::ReadOnly) ? file.readAll() : "<unreadable>";
        } else {
            tree[key] = "<" + QByteArray::number(st.st_mode, 8) + " "
                    + QByteArray::number(qint64(st.st_size)) + ">";
        }
    }
    return tree;
}

// Root reads through any permission bits; with the file-system identity of an ordinary user the
// kernel checks them again (and drops the capabilities that would skip the check).
class OrdinaryUser
{
public:
    OrdinaryUser()
    {
        if (::geteuid() != 0) {
            m_ok = true;
            return;
        }
        ::setfsuid(65534);
        m_ok = ::setfsuid(uid_t(-1)) == 65534;
        m_switched = true;
    }
    ~OrdinaryUser()
    {
        if (m_switched)
            ::setfsuid(0);
    }
    bool ok() const { return m_ok; }

private:
    bool m_ok = false;
    bool m_switched = false;
};

} // namespace

class tst_FailingFiles : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void failedSaveKeepsEverything_data();
    void failedSaveKeepsEverything();
    void failedSaveOnCloseKeepsTheWindowOpen();
    void failedLoadKeepsEverything_data();
    void failedLoadKeepsEverything();
    void unloadableFilesFailInTheLibraryToo_data();
    void unloadableFilesFailInTheLibraryToo();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    // A character device that behaves as /dev/full; its own node, so that a program that
    // replaced the node instead of writing to it could not harm the system's.
    QString fullDevice();
    // Loads old.clr and adds an entry: a list with a file and unsaved changes.
    void prepareModifiedList();
    // Everything about the list that a failed save or load must leave as it was.
    QStringList listState() const;
    ColorListModel *model() const { return f.form->colorList(); }

    FormFixture f;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_FailingFiles::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    // Readable by the ordinary user the unreadable-file case reads as.
    QFile::setPermissions(m_dir->path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                  | QFileDevice::ReadGroup | QFileDevice::ExeGroup
                                  | QFileDevice::ReadOther | QFileDevice::ExeOther);
    f.create();
}

void tst_FailingFiles::cleanup()
{
    f.destroy();
    if (m_dir) {
        // Give back whatever a case took away, so the folder can be removed.
        QDirIterator it(m_dir->path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            ::chmod(QFile::encodeName(it.next()).constData(), 0700);
        m_dir.reset();
    }
}

QString tst_FailingFiles::fullDevice()
{
    if (::geteuid() != 0)
        return QStringLiteral("/dev/full"); // nobody but root could replace it
    const QString node = path(QStringLiteral("full.clr"));
    if (::mknod(QFile::encodeName(node).constData(), S_IFCHR | 0666, makedev(1, 7)) != 0)
        return {};
    return node;
}

void tst_FailingFiles::prepareModifiedList()
{
    write(path(QStringLiteral("old.clr")), "Sky\r\nSea\r\n");
    write(path(QStringLiteral("old.hex")), "#87CEEB\r\n#2E8B57\r\n\r\n");
    f.dialogs.files.enqueue(path(QStringLiteral("old.clr")));
    f.form->Open1Click();
    f.addEntry(QStringLiteral("Sand"), QStringLiteral("#C2B280"));
    QVERIFY(f.form->listModified());
    QVERIFY(f.dialogs.errors.isEmpty());
    f.dialogs.clear();
}

QStringList tst_FailingFiles::listState() const
{
    auto *nameBox = f.child<ComboBox>("ComboBox1");
    QStringList items;
    for (int i = 0; i < nameBox->count(); ++i)
        items.append(nameBox->itemText(i));
    return QStringList() << model()->list().names() << QStringLiteral("--")
                         << model()->list().hexes() << model()->list().blankHex
                         << QStringLiteral("--") << items << QStringLiteral("--")
                         << QString::number(f.form->listModified())
                         << QString::number(f.form->hasFile()) << f.form->currentListFile()
                         << f.form->windowTitle();
}

void tst_FailingFiles::failedSaveKeepsEverything_data()
{
    QTest::addColumn<QString>("target"); // what the save dialog answers
    QTest::addColumn<QString>("named");  // the file the error names
    QTest::addColumn<QString>("reason"); // part of the reason it gives
    QTest::newRow("full disk") << "target.clr"
                               << "target.clr"
                               << "File too large";
    QTest::newRow("device") << "<full device>"
                            << "<full device>"
                            << "not a regular file";
    QTest::newRow("missing folder") << "no/such/folder/list.clr"
                                    << "list.clr"
                                    << "No such file or directory";
    QTest::newRow("a folder") << "folder.clr"
                              << "folder.clr"
                              << "It is a folder";
    QTest::newRow("hex file's place is a folder") << "pair.clr"
                                                  << "pair.hex"
                                                  << "It is a folder";
    QTest::newRow("second rename fails") << "target.clr"
                                         << "target.hex"
                                         << "Injected failure";
}

void tst_FailingFiles::failedSaveKeepsEverything()
{
    QFETCH(QString, target);
    QFETCH(QString, named);
    QFETCH(QString, reason);
    prepareModifiedList();
    write(path(QStringLiteral("target.clr")), "Kept\r\n");
    write(path(QStringLiteral("target.hex")), "#010203\r\n\r\n");
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("folder.clr")));
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("pair.hex")));
    if (target == QLatin1String("<full device>")) {
        target = named = fullDevice();
        if (target.isEmpty())
            QSKIP("cannot make a device node here");
    } else {
        target = path(target);
    }
    const QStringList state = listState();
    const Tree before = treeOf(m_dir->path());
    // The new name file is in place when the hex file's rename fails: the old one comes back.
    bool newNamesWereInPlace = false;
    if (QByteArray(QTest::currentDataTag()) == "second rename fails") {
        ListFile::setBetweenRenamesForTesting([&] {
            newNamesWereInPlace = TestFiles::bytesOf(path(QStringLiteral("target.clr")))
                    != QByteArrayLiteral("Kept\r\n");
            return QStringLiteral("Injected failure");
        });
    }
    const auto restore = qScopeGuard([] { ListFile::setBetweenRenamesForTesting({}); });

    f.dialogs.files.enqueue(target);
    {
        TestFiles::FileSizeLimit limit(
                QByteArray(QTest::currentDataTag()) == "full disk" ? 8 : RLIM_INFINITY);
        QVERIFY(limit.ok());
        f.child<QAction>("Save1")->trigger();
    }

    QCOMPARE(f.dialogs.errors.size(), 1);
    const QString error = f.dialogs.errors.constFirst();
    QVERIFY2(error.contains(named), qPrintable(error));
    QVERIFY2(error.contains(reason, Qt::CaseInsensitive), qPrintable(error));
    QVERIFY(error.endsWith(QLatin1Char('.')));
    QCOMPARE(listState(), state);
    QCOMPARE(treeOf(m_dir->path()), before);
    if (QByteArray(QTest::currentDataTag()) == "second rename fails")
        QVERIFY(newNamesWereInPlace);
    if (target.startsWith(QLatin1String("/dev/"))) {
        struct stat st;
        QCOMPARE(::stat("/dev/full", &st), 0);
        QVERIFY(S_ISCHR(st.st_mode));
    }
}

void tst_FailingFiles::failedSaveOnCloseKeepsTheWindowOpen()
{
    prepareModifiedList();
    // The current file's hex partner has become a folder: saving on close cannot work.
    QVERIFY(QFile::remove(path(QStringLiteral("old.hex"))));
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("old.hex")));
    const QStringList state = listState();
    const Tree before = treeOf(m_dir->path());

    f.dialogs.answers.enqueue(Answer::Yes); // "Save changes to current file?"
    QVERIFY(!f.form->close());
    QVERIFY(f.form->isVisible());
    QCOMPARE(f.dialogs.errors.size(), 1);
    QVERIFY2(f.dialogs.errors[0].contains(QStringLiteral("old.hex")),
             qPrintable(f.dialogs.errors[0]));
    QCOMPARE(listState(), state);
    QCOMPARE(treeOf(m_dir->path()), before);
}

void tst_FailingFiles::failedLoadKeepsEverything_data()
{
    QTest::addColumn<QString>("chosen"); // what the open dialog answers
    QTest::addColumn<QString>("named");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << "nothing.clr"
                             << "nothing.clr"
                             << "No such file or directory";
    QTest::newRow("missing hex file") << "lonely.clr"
                                      << "lonely.hex"
                                      << "No such file or directory";
    QTest::newRow("a folder") << "folder.clr"
                              << "folder.clr"
                              << "It is a folder";
    QTest::newRow("unreadable") << "locked.clr"
                                << "locked.clr"
                                << "Permission denied";
    QTest::newRow("unreadable hex file") << "halflocked.clr"
                                         << "halflocked.hex"
                                         << "Permission denied";
    QTest::newRow("read fails") << "/proc/self/mem"
                                << "/proc/self/mem"
                                << "Input/output error";
    QTest::newRow("binary") << "binary.clr"
                            << "binary.clr"
                            << "not a text file";
    QTest::newRow("binary hex file") << "binhex.clr"
                                     << "binhex.hex"
                                     << "not a text file";
    QTest::newRow("huge") << "huge.clr"
                          << "huge.clr"
                          << "too large";
    QTest::newRow("too many lines") << "lines.clr"
                                    << "lines.clr"
                                    << "more lines than a color list can hold";
    QTest::newRow("device") << "/dev/zero"
                            << "/dev/zero"
                            << "not a regular file";
    QTest::newRow("pipe") << "pipe.clr"
                          << "pipe.clr"
                          << "not a regular file";
    QTest::newRow("symbolic link loop") << "loop.clr"
                                        << "loop.clr"
                                        << "symbolic links";
}

void tst_FailingFiles::failedLoadKeepsEverything()
{
    QFETCH(QString, chosen);
    QFETCH(QString, named);
    QFETCH(QString, reason);
    prepareModifiedList();

    write(path(QStringLiteral("lonely.clr")), "Alone\r\n");
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("folder.clr")));
    write(path(QStringLiteral("locked.clr")), "Secret\r\n");
    write(path(QStringLiteral("locked.hex")), "#000000\r\n\r\n");
    QFile::setPermissions(path(QStringLiteral("locked.clr")), {});
    write(path(QStringLiteral("halflocked.clr")), "Secret\r\n");
    write(path(QStringLiteral("halflocked.hex")), "#000000\r\n\r\n");
    QFile::setPermissions(path(QStringLiteral("halflocked.hex")), {});
    write(path(QStringLiteral("binary.clr")),
          QByteArray("\x7f"
                     "ELF\x02\x01\x01\0\0\0",
                     10));
    write(path(QStringLiteral("binary.hex")), "#000000\r\n\r\n");
    write(path(QStringLiteral("binhex.clr")), "Fine\r\n");
    write(path(QStringLiteral("binhex.hex")), QByteArray("#00\0\0\0\r\n", 9));
    {
        QFile huge(path(QStringLiteral("huge.clr")));
        QVERIFY(huge.open(QIODevice::WriteOnly));
        QVERIFY(huge.resize(qint64(300) << 20)); // sparse: takes no room on disk
    }
    write(path(QStringLiteral("huge.hex")), "\r\n");
    // Small as files go, but every line would be an entry of its own.
    write(path(QStringLiteral("lines.clr")), QByteArray(4'000'001, '\n'));
    write(path(QStringLiteral("lines.hex")), "\r\n");
    QCOMPARE(::mkfifo(QFile::encodeName(path(QStringLiteral("pipe.clr"))).constData(), 0600), 0);
    write(path(QStringLiteral("pipe.hex")), "\r\n");
    QVERIFY(QFile::link(path(QStringLiteral("loop.clr")), path(QStringLiteral("loop.clr"))));

    if (!chosen.startsWith(QLatin1Char('/')))
        chosen = path(chosen);
    const QStringList state = listState();
    const Tree before = treeOf(m_dir->path());

    f.dialogs.answers.enqueue(Answer::No); // "Save changes to current file?"
    f.dialogs.files.enqueue(chosen);
    if (QByteArray(QTest::currentDataTag()).startsWith("unreadable")) {
        OrdinaryUser user;
        if (!user.ok())
            QSKIP("root reads any file, and cannot read as an ordinary user here");
        f.child<QAction>("Open1")->trigger();
    } else {
        f.child<QAction>("Open1")->trigger();
    }

    QCOMPARE(f.dialogs.errors.size(), 1);
    const QString error = f.dialogs.errors.constFirst();
    QVERIFY2(error.contains(named), qPrintable(error));
    QVERIFY2(error.contains(reason, Qt::CaseInsensitive), qPrintable(error));
    QVERIFY(error.endsWith(QLatin1Char('.')));
    QCOMPARE(listState(), state);
    QCOMPARE(treeOf(m_dir->path()), before);
}

void tst_FailingFiles::unloadableFilesFailInTheLibraryToo_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("NUL at the start") << QByteArray("\0Sky\r\n", 6);
    QTest::newRow("NUL in a later line") << QByteArray("Sky\r\nS\0a\r\n", 10);
    QTest::newRow("UTF-16 text") << QByteArray("\xff\xfeS\0k\0y\0\r\0\n\0", 12);
}

void tst_FailingFiles::unloadableFilesFailInTheLibraryToo()
{
    QFETCH(QByteArray, bytes);
    write(path(QStringLiteral("odd.clr")), bytes);
    write(path(QStringLiteral("odd.hex")), "\r\n");
    try {
        ListFile::load(path(QStringLiteral("odd.clr")));
        QFAIL("loaded a binary file");
    } catch (const FileError &e) {
        QVERIFY2(e.message().contains(QStringLiteral("odd.clr")), qPrintable(e.message()));
    }
}

QTEST_MAIN(tst_FailingFiles)
#include "tst_failingfiles.moc"
