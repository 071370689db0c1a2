// SPDX-License-Identifier: GPL-3.0-or-later
// Recovering a list after the program was killed: a real program (the recovery child, the main
// window and the recovery keeper as the program has them) builds a list and is killed with
// SIGKILL; the next start, here, is asked about the copy and answers it.
#include "formfixture.h"
#include "lists/colorlistmodel.h"
#include "lists/listfile.h"
#include "lists/recoverycopy.h"
#include "recoveryediting.h"
#include "recoverysamples.h"
#include "testfiles.h"
#include "ui/recoverykeeper.h"

#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>

using namespace Tintora;
using RecoverySamples::difference;

namespace {

// Long enough for a loaded machine to build a list of 100,000 entries and write its copy.
constexpr int kPatience = 120'000;

} // namespace

class tst_Recovery : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void killedListIsRestored_data();
    void killedListIsRestored();
    void laterKeepsTheCopyAndAsksAgain();
    void discardRemovesTheCopy();
    void normalEndLeavesNothing();
    void savingLeavesNothing();
    void twoProgramsKeepTheirOwnCopies();
    void copyCutShortIsToldOnceAndSetAside();
    void readOnlyFolderIsOfferedAndTold();
    void folderThatIsAFileIsToldOnce();
    void restoredListSavesToItsFile();
    void copyFollowsTheLatestChange();
    void savedOrReplacedListHasNoCopy_data();
    void savedOrReplacedListHasNoCopy();
    void nothingToRecoverAsksNothing();

private:
    QString folder() const { return m_dir.filePath(QStringLiteral("state/tintora")); }
    QStringList filesInFolder() const
    {
        return QDir(folder()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    // Starts the recovery child and waits for it to say what.
    std::unique_ptr<QProcess> startChild(const QStringList &args, const QByteArray &what);
    static bool waitFor(QProcess &child, const QByteArray &what);
    void kill(QProcess &child);
    // The next start: a fresh window and its keeper, asked about what was left behind.
    void startAgain(const QList<Dialogs::Answer> &answers = {});

    QTemporaryDir m_dir;
    FormFixture m_fixture;
    std::unique_ptr<RecoveryKeeper> m_keeper;
    std::vector<std::unique_ptr<QProcess>> m_children;
};

void tst_Recovery::initTestCase()
{
    QVERIFY(m_dir.isValid());
    qputenv("XDG_STATE_HOME", m_dir.filePath(QStringLiteral("state")).toLocal8Bit());
    qputenv("HOME", m_dir.filePath(QStringLiteral("home")).toLocal8Bit());
    QCOMPARE(RecoveryCopy::folder(), folder());
}

void tst_Recovery::init()
{
    QFile::remove(folder()); // where a test put a file instead
    QDir(folder()).removeRecursively();
    QDir(m_dir.filePath(QStringLiteral("lists"))).removeRecursively();
    QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("lists"))));
}

void tst_Recovery::cleanup()
{
    for (auto &child : m_children) {
        if (child->state() != QProcess::NotRunning) {
            child->kill();
            child->waitForFinished();
        }
    }
    m_children.clear();
    m_keeper.reset();
    m_fixture.destroy();
    QFile::setPermissions(folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

bool tst_Recovery::waitFor(QProcess &child, const QByteArray &what)
{
    // What the child said so far, kept with it: one read may bring more than one line.
    QByteArray said = child.property("said").toByteArray();
    const auto keep = qScopeGuard([&] { child.setProperty("said", said); });
    while (!said.contains(what + '\n')) {
        if (!child.waitForReadyRead(kPatience)) {
            qWarning("the child said %s, then %s", said.constData(),
                     child.readAllStandardError().constData());
            return false;
        }
        said += child.readAllStandardOutput();
    }
    return true;
}

std::unique_ptr<QProcess> tst_Recovery::startChild(const QStringList &args, const QByteArray &what)
{
    auto child = std::make_unique<QProcess>();
    child->setProcessChannelMode(QProcess::SeparateChannels);
    child->start(QStringLiteral(TINTORA_RECOVERY_CHILD), args);
    if (!child->waitForStarted() || !waitFor(*child, what))
        return nullptr;
    return child;
}

void tst_Recovery::kill(QProcess &child)
{
    ::kill(pid_t(child.processId()), SIGKILL);
    QVERIFY(child.waitForFinished(kPatience));
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);
}

void tst_Recovery::startAgain(const QList<Dialogs::Answer> &answers)
{
    m_keeper.reset();
    m_fixture.destroy();
    m_fixture.create();
    for (const Dialogs::Answer answer : answers)
        m_fixture.dialogs.answers.enqueue(answer);
    m_keeper = std::make_unique<RecoveryKeeper>(m_fixture.form->recoverableList(), folder());
    m_keeper->offerRecovery();
}

void tst_Recovery::killedListIsRestored_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<bool>("withFile");
    QTest::newRow("every script, values as typed, no file") << 300 << false;
    QTest::newRow("100,000 entries of a list file") << 100'000 << true;
    QTest::newRow("a single entry") << 1 << false;
}

void tst_Recovery::killedListIsRestored()
{
    QFETCH(int, entries);
    QFETCH(bool, withFile);
    const QString listFile = m_dir.filePath(QStringLiteral("lists/f\u00e4rben.clr"));
    QStringList args {QString::number(entries), QStringLiteral("wait")};
    if (withFile)
        args.append(listFile);
    auto child = startChild(args, "written");
    QVERIFY(child);
    const qint64 childPid = child->processId();
    QCOMPARE(filesInFolder().size(), 1);
    QVERIFY(filesInFolder().constFirst().contains(QString::number(childPid)));
    kill(*child);

    const QDateTime before = QDateTime::currentDateTime();
    startAgain({Dialogs::Answer::Restore});
    VERIFY_NO_SURPRISES(m_fixture.dialogs);
    QCOMPARE(m_fixture.dialogs.messages.size(), 1);
    const ScriptedDialogs::Message &asked = m_fixture.dialogs.messages.constFirst();
    QCOMPARE(asked.buttons, Dialogs::Buttons::RestoreDiscardLater);
    const QString text = asked.text;
    const QString expectedStart =
            QStringLiteral("A list with %1 unsaved colors was not saved when Tintora last ended "
                           "(list %2, ")
                    .arg(QLocale().toString(entries),
                         withFile ? QStringLiteral("f\u00e4rben.clr") : QStringLiteral("untitled"));
    QVERIFY2(text.startsWith(expectedStart), qPrintable(text));
    QVERIFY2(text.endsWith(QStringLiteral("). Restore it?")), qPrintable(text));
    // The date the copy was written, as the user's locale writes it.
    const QString date = text.mid(expectedStart.size()).chopped(14);
    const QDateTime when = QLocale().toDateTime(date, QLocale::ShortFormat);
    QVERIFY2(when.isValid() && when.secsTo(before) >= 0 && when.secsTo(before) < 600,
             qPrintable(date));

    TForm1 &form = *m_fixture.form;
    QCOMPARE(difference(form.colorList()->list(), RecoverySamples::list(entries)), QString());
    QVERIFY(form.listsEnabled());
    QVERIFY(form.listModified());
    QCOMPARE(form.hasFile(), withFile);
    QCOMPARE(form.currentListFile(), withFile ? listFile : QString());
    QCOMPARE(form.windowTitle(),
             withFile ? QStringLiteral("TRA v 1.0  Current File: f\u00e4rben.clr")
                      : QStringLiteral("TRA v 1.0"));
    QVERIFY(m_fixture.action("Save1")->isEnabled());
    // The copy is this program's now, and is kept up to date from here on.
    QCOMPARE(filesInFolder(), QStringList {QFileInfo(m_keeper->copyPath()).fileName()});
    QSignalSpy written(m_keeper.get(), &RecoveryKeeper::copyWritten);
    m_keeper->setDelay(0);
    m_fixture.addEntry(QStringLiteral("after the restore"), QStringLiteral("#FEDCBA"));
    QVERIFY(written.wait(kPatience));
    QCOMPARE(RecoveryCopy::readSummary(m_keeper->copyPath()).count, entries + 1);
}

void tst_Recovery::laterKeepsTheCopyAndAsksAgain()
{
    auto child = startChild({QStringLiteral("20"), QStringLiteral("wait")}, "written");
    QVERIFY(child);
    kill(*child);
    const QStringList copies = filesInFolder();
    const QByteArray bytes = TestFiles::bytesOf(folder() + u'/' + copies.constFirst());

    startAgain({Dialogs::Answer::Later});
    QCOMPARE(m_fixture.dialogs.messages.size(), 1);
    QCOMPARE(m_fixture.form->colorList()->list().count(), 0);
    QVERIFY(!m_fixture.form->listModified());
    QVERIFY(!m_fixture.form->listsEnabled());
    QCOMPARE(filesInFolder(), copies);
    QCOMPARE(TestFiles::bytesOf(folder() + u'/' + copies.constFirst()), bytes);

    // A question left unanswered (Escape, the box closed) is Later too.
    startAgain();
    QCOMPARE(m_fixture.dialogs.unexpected.size(), 1);
    QCOMPARE(filesInFolder(), copies);
    m_fixture.dialogs.clear();
    startAgain({Dialogs::Answer::Restore});
    QCOMPARE(difference(m_fixture.form->colorList()->list(), RecoverySamples::list(20)), QString());
}

void tst_Recovery::discardRemovesTheCopy()
{
    auto child = startChild({QStringLiteral("20"), QStringLiteral("wait")}, "written");
    QVERIFY(child);
    kill(*child);
    startAgain({Dialogs::Answer::Discard});
    VERIFY_NO_SURPRISES(m_fixture.dialogs);
    QCOMPARE(m_fixture.form->colorList()->list().count(), 0);
    QVERIFY(!m_fixture.form->listModified());
    QVERIFY(!QFileInfo::exists(folder()));
    m_fixture.dialogs.clear();
    startAgain();
    QVERIFY(m_fixture.dialogs.messages.isEmpty());
}

void tst_Recovery::normalEndLeavesNothing()
{
    auto child = startChild({QStringLiteral("50"), QStringLiteral("exit")}, "written");
    QVERIFY(child);
    QVERIFY(child->waitForFinished(kPatience));
    QCOMPARE(child->exitStatus(), QProcess::NormalExit);
    QCOMPARE(child->exitCode(), 0);
    QVERIFY2(!QFileInfo::exists(folder()), qPrintable(filesInFolder().join(u' ')));
}

void tst_Recovery::savingLeavesNothing()
{
    const QString saved = m_dir.filePath(QStringLiteral("lists/saved.clr"));
    auto child = startChild({QStringLiteral("50s"), QStringLiteral("save:") + saved}, "written");
    QVERIFY(child);
    QVERIFY(waitFor(*child, "removed"));
    QVERIFY(!QFileInfo::exists(folder()));
    kill(*child);
    QCOMPARE(difference(ListFile::read(saved),
                        RecoverySamples::list(50, RecoverySamples::Names::Storable)),
             QString());
    startAgain();
    QVERIFY(m_fixture.dialogs.messages.isEmpty());
}

void tst_Recovery::twoProgramsKeepTheirOwnCopies()
{
    auto first = startChild({QStringLiteral("10"), QStringLiteral("wait")}, "written");
    QVERIFY(first);
    auto second = startChild({QStringLiteral("30"), QStringLiteral("wait")}, "written");
    QVERIFY(second);
    const QStringList both = filesInFolder();
    QCOMPARE(both.size(), 2);

    // Both still run: nothing is offered, nothing is touched.
    startAgain();
    QVERIFY(m_fixture.dialogs.messages.isEmpty());
    QCOMPARE(filesInFolder(), both);

    kill(*second);
    startAgain({Dialogs::Answer::Restore});
    QCOMPARE(m_fixture.dialogs.messages.size(), 1);
    QCOMPARE(difference(m_fixture.form->colorList()->list(), RecoverySamples::list(30)), QString());
    // The first program's copy is its own still.
    QVERIFY(filesInFolder().contains(both.constFirst().contains(QString::number(first->processId()))
                                             ? both.constFirst()
                                             : both.constLast()));
    kill(*first);
}

void tst_Recovery::copyCutShortIsToldOnceAndSetAside()
{
    auto child = startChild({QStringLiteral("200"), QStringLiteral("wait")}, "written");
    QVERIFY(child);
    kill(*child);
    const QString copy = folder() + u'/' + filesInFolder().constFirst();
    QByteArray bytes = TestFiles::bytesOf(copy);
    bytes.truncate(bytes.size() / 2);
    TestFiles::write(copy, bytes);

    startAgain();
    VERIFY_NO_SURPRISES(m_fixture.dialogs);
    QCOMPARE(m_fixture.dialogs.messages.size(), 1);
    const ScriptedDialogs::Message &told = m_fixture.dialogs.messages.constFirst();
    QCOMPARE(told.type, Dialogs::Type::Warning);
    QVERIFY2(told.text.contains(QDir::toNativeSeparators(copy)), qPrintable(told.text));
    QVERIFY(!QFileInfo::exists(copy));
    QCOMPARE(filesInFolder().size(), 1);
    QCOMPARE(TestFiles::bytesOf(folder() + u'/' + filesInFolder().constFirst()), bytes);
    // The window works as ever.
    m_fixture.addEntry(QStringLiteral("Sky"), QStringLiteral("#87CEEB"));
    QCOMPARE(m_fixture.form->colorList()->list().count(), 1);

    m_fixture.dialogs.clear();
    startAgain();
    QVERIFY(m_fixture.dialogs.messages.isEmpty());
}

void tst_Recovery::readOnlyFolderIsOfferedAndTold()
{
    if (::geteuid() == 0)
        QSKIP("root writes into read-only folders");
    auto child = startChild({QStringLiteral("20"), QStringLiteral("wait")}, "written");
    QVERIFY(child);
    kill(*child);
    const QStringList copies = filesInFolder();
    QVERIFY(QFile::setPermissions(folder(), QFile::ReadOwner | QFile::ExeOwner));

    // Restored, though the copy cannot become this program's; it stays rather than vanish.
    startAgain({Dialogs::Answer::Restore});
    QCOMPARE(difference(m_fixture.form->colorList()->list(), RecoverySamples::list(20)), QString());
    QCOMPARE(filesInFolder(), copies);
    // Discard cannot remove it: the error box says so.
    m_fixture.dialogs.clear();
    startAgain({Dialogs::Answer::Discard});
    QCOMPARE(m_fixture.dialogs.errors.size(), 1);
    QCOMPARE(filesInFolder(), copies);
    // No copy of this program's can be written: told once.
    m_fixture.dialogs.clear();
    m_keeper->setDelay(0);
    QSignalSpy written(m_keeper.get(), &RecoveryKeeper::copyWritten);
    m_fixture.addEntry(QStringLiteral("one"), QStringLiteral("#010101"));
    QTRY_COMPARE_WITH_TIMEOUT(m_fixture.dialogs.messages.size(), 1, kPatience);
    m_fixture.addEntry(QStringLiteral("two"), QStringLiteral("#020202"));
    QTRY_VERIFY_WITH_TIMEOUT(!m_keeper->pending(), kPatience);
    QCOMPARE(m_fixture.dialogs.messages.size(), 1);
    QCOMPARE(written.size(), 0);
}

void tst_Recovery::folderThatIsAFileIsToldOnce()
{
    QVERIFY(QDir().mkpath(QFileInfo(folder()).absolutePath()));
    TestFiles::write(folder(), "not a folder");
    startAgain();
    QVERIFY(m_fixture.dialogs.messages.isEmpty());

    m_keeper->setDelay(0);
    m_fixture.addEntry(QStringLiteral("one"), QStringLiteral("#010101"));
    QTRY_COMPARE_WITH_TIMEOUT(m_fixture.dialogs.messages.size(), 1, kPatience);
    const ScriptedDialogs::Message told = m_fixture.dialogs.messages.constFirst();
    QCOMPARE(told.type, Dialogs::Type::Warning);
    QVERIFY2(told.text.startsWith(QStringLiteral("Cannot write the recovery copy")),
             qPrintable(told.text));
    m_fixture.addEntry(QStringLiteral("two"), QStringLiteral("#020202"));
    QTRY_VERIFY_WITH_TIMEOUT(!m_keeper->pending(), kPatience);
    QCOMPARE(m_fixture.dialogs.messages.size(), 1);
    QCOMPARE(m_fixture.form->colorList()->list().count(), 2);
    QCOMPARE(TestFiles::bytesOf(folder()), QByteArray("not a folder"));
    m_keeper.reset(); // ends without a word
    QCOMPARE(TestFiles::bytesOf(folder()), QByteArray("not a folder"));
}

void tst_Recovery::restoredListSavesToItsFile()
{
    const QString listFile = m_dir.filePath(QStringLiteral("lists/mine.clr"));
    auto child = startChild({QStringLiteral("40s"), QStringLiteral("wait"), listFile}, "written");
    QVERIFY(child);
    kill(*child);
    startAgain({Dialogs::Answer::Restore});
    QCOMPARE(m_fixture.form->currentListFile(), listFile);

    // Closing asks as for a loaded list with changes; Yes saves to its file, and the copy goes.
    m_fixture.dialogs.clear();
    m_fixture.dialogs.answers.enqueue(Dialogs::Answer::Yes);
    QVERIFY(m_fixture.form->close());
    QCOMPARE(m_fixture.dialogs.messages.size(), 1);
    QCOMPARE(m_fixture.dialogs.messages.constFirst().text,
             QStringLiteral("Save changes to current file?"));
    QCOMPARE(difference(ListFile::read(listFile),
                        RecoverySamples::list(40, RecoverySamples::Names::Storable)),
             QString());
    QVERIFY(!QFileInfo::exists(folder()));
}

void tst_Recovery::copyFollowsTheLatestChange()
{
    startAgain();
    m_keeper->setDelay(0);
    QSignalSpy written(m_keeper.get(), &RecoveryKeeper::copyWritten);
    buildSampleList(m_fixture, 50'000);
    // Changes while the copy is being written are in the copy that follows.
    for (int i = 0; i < 5; ++i)
        m_fixture.addEntry(QStringLiteral("more %1").arg(i),
                           QStringLiteral("#0000%1").arg(i, 2, 10, QChar(u'0')));
    QTRY_VERIFY_WITH_TIMEOUT(!m_keeper->pending(), kPatience);
    QVERIFY(written.size() >= 1);
    QCOMPARE(difference(RecoveryCopy::read(m_keeper->copyPath()),
                        m_fixture.form->colorList()->list()),
             QString());
}

void tst_Recovery::savedOrReplacedListHasNoCopy_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Save List") << "save";
    QTest::newRow("Load List, No to saving") << "load";
    QTest::newRow("last entry deleted, then saved") << "delete";
}

void tst_Recovery::savedOrReplacedListHasNoCopy()
{
    QFETCH(QString, how);
    const QString listFile = m_dir.filePath(QStringLiteral("lists/other.clr"));
    ListFile::save(listFile, {QStringLiteral("Other")}, {QStringLiteral("#111111")});
    startAgain();
    m_keeper->setDelay(0);
    QSignalSpy written(m_keeper.get(), &RecoveryKeeper::copyWritten);
    m_fixture.addEntry(QStringLiteral("Sky"), QStringLiteral("#87CEEB"));
    QVERIFY(written.wait(kPatience));
    QVERIFY(QFileInfo::exists(m_keeper->copyPath()));

    if (how == u"save") {
        m_fixture.dialogs.files.enqueue(m_dir.filePath(QStringLiteral("lists/saved.clr")));
        m_fixture.form->Save1Click();
    } else if (how == u"load") {
        m_fixture.dialogs.answers.enqueue(Dialogs::Answer::No);
        m_fixture.dialogs.files.enqueue(listFile);
        m_fixture.form->Open1Click();
    } else {
        m_fixture.click("DelFrLstBtn");
        m_fixture.dialogs.files.enqueue(m_dir.filePath(QStringLiteral("lists/empty.clr")));
        m_fixture.form->Save1Click();
    }
    VERIFY_NO_SURPRISES(m_fixture.dialogs);
    QTRY_VERIFY_WITH_TIMEOUT(!m_keeper->pending(), kPatience);
    QVERIFY(!QFileInfo::exists(folder()));
}

void tst_Recovery::nothingToRecoverAsksNothing()
{
    startAgain();
    QVERIFY(m_fixture.dialogs.messages.isEmpty());
    QVERIFY(!QFileInfo::exists(folder()));
    // Colors picked, lists switched on: nothing unsaved, no copy.
    m_keeper->setDelay(0);
    m_fixture.enableLists();
    m_fixture.setColor(QStringLiteral("#123456"));
    QTest::qWait(50);
    QVERIFY(!m_keeper->pending());
    QVERIFY(!QFileInfo::exists(folder()));
}

QTEST_MAIN(tst_Recovery)
#include "tst_recovery.moc"
