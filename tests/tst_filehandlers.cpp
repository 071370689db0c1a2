// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/combobox.h"
#include "formfixture.h"
#include "lists/colorlistmodel.h"
#include "testfiles.h"

#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

using namespace Tintora;
using namespace TestFiles;
using Answer = Dialogs::Answer;

class tst_FileHandlers : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup() { f.destroy(); }

    void saveWritesBothFiles();
    void saveCancelledWritesNothing();
    void loadFillsTableNameBoxAndCaption();
    void loadAcceptsLfAndUnterminatedFiles();
    void shortHexFileLeavesValuesEmpty();
    void failedLoadChangesNothing_data();
    void failedLoadChangesNothing();
    void questionBeforeLoadingNewList_data();
    void questionBeforeLoadingNewList();
    void questionBeforeLoadingChangedFile();
    void noQuestionWhenListsAreDisabled();
    void questionsBeforeClosing_data();
    void questionsBeforeClosing();
    void failedSaveWhileClosingKeepsWindowOpen();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    ColorListModel *model() const { return f.form->colorList(); }
    QStringList questions() const
    {
        QStringList texts;
        for (const auto &m : f.dialogs.messages)
            texts.append(m.text);
        return texts;
    }
    void loadPair(const QString &name, const QByteArray &names, const QByteArray &hexes);

    FormFixture f;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_FileHandlers::init()
{
    m_dir = std::make_unique<QTemporaryDir>(); // each test starts with an empty folder
    QVERIFY(m_dir->isValid());
    f.create();
}

void tst_FileHandlers::loadPair(const QString &name, const QByteArray &names,
                                const QByteArray &hexes)
{
    write(path(name + QStringLiteral(".clr")), names);
    write(path(name + QStringLiteral(".hex")), hexes);
    f.dialogs.files.enqueue(path(name + QStringLiteral(".clr")));
    f.child<QAction>("Open1")->trigger();
}

void tst_FileHandlers::saveWritesBothFiles()
{
    f.addEntry(QStringLiteral("Sky"), QStringLiteral("#87CEEB"));
    f.addEntry(QStringLiteral("Sea"), QStringLiteral("#2E8B57"));
    f.dialogs.files.enqueue(path(QStringLiteral("colors.clr")));
    f.child<QAction>("Save1")->trigger();
    QCOMPARE(f.dialogs.fileDialogs, QStringList({"SaveDialog1"}));
    QCOMPARE(bytesOf(path(QStringLiteral("colors.clr"))), QByteArray("Sky\r\nSea\r\n"));
    QCOMPARE(bytesOf(path(QStringLiteral("colors.hex"))), QByteArray("#87CEEB\r\n#2E8B57\r\n\r\n"));
    // Saving under a new name changes neither the caption nor the unsaved state.
    QCOMPARE(f.form->windowTitle(), QStringLiteral("TRA v 1.0"));
    QVERIFY(f.form->listModified());
    QVERIFY(!f.form->hasFile());
}

void tst_FileHandlers::saveCancelledWritesNothing()
{
    f.addEntry(QStringLiteral("Sky"), QStringLiteral("#87CEEB"));
    f.dialogs.files.enqueue(std::nullopt);
    f.form->Save1Click();
    QVERIFY(QDir(m_dir->path()).isEmpty());
    QVERIFY(f.dialogs.errors.isEmpty());
}

void tst_FileHandlers::loadFillsTableNameBoxAndCaption()
{
    loadPair(QStringLiteral("colors"), "Sky\r\nSea\r\n", "#87CEEB\r\n#2E8B57\r\n\r\n");
    QCOMPARE(f.dialogs.fileDialogs, QStringList({"OpenDialog1"}));
    QCOMPARE(model()->rowCount(), 3);
    QCOMPARE(model()->list().names(), QStringList({"Sky", "Sea"}));
    QCOMPARE(model()->list().hexes(), QStringList({"#87CEEB", "#2E8B57"}));
    QCOMPARE(f.child<ComboBox>("ComboBox1")->count(), 2);
    QCOMPARE(f.form->windowTitle(), QStringLiteral("TRA v 1.0  Current File: colors.clr"));
    QVERIFY(f.form->listsEnabled());
    QVERIFY(f.child<QAction>("Save1")->isEnabled());
    QVERIFY(f.child<ComboBox>("ComboBox1")->isVisible());
    QVERIFY(f.form->hasFile());
    QCOMPARE(f.form->currentListFile(), path(QStringLiteral("colors.clr")));
    QVERIFY(!f.form->listModified());
}

void tst_FileHandlers::loadAcceptsLfAndUnterminatedFiles()
{
    loadPair(QStringLiteral("unix"), "Sky\nSea", "#87CEEB\n#2E8B57");
    QCOMPARE(model()->list().names(), QStringList({"Sky", "Sea"}));
    QCOMPARE(model()->list().hexes(), QStringList({"#87CEEB", "#2E8B57"}));
    QCOMPARE(model()->rowCount(), 3);
    QVERIFY(f.dialogs.errors.isEmpty());
}

void tst_FileHandlers::shortHexFileLeavesValuesEmpty()
{
    loadPair(QStringLiteral("short"), "A\r\nB\r\nC\r\n", "#010101\r\n");
    QCOMPARE(model()->list().hexes(), QStringList({"#010101", "", ""}));
    // A later blank hex line keeps its row: values never shift onto the wrong names.
    loadPair(QStringLiteral("gap"), "A\r\nB\r\nC\r\n", "#010101\r\n\r\n#030303\r\n\r\n");
    QCOMPARE(model()->list().hexes(), QStringList({"#010101", "", "#030303"}));
}

void tst_FileHandlers::failedLoadChangesNothing_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("named"); // the file the error names
    QTest::newRow("no hex file") << "names-only.clr"
                                 << "names-only.hex";
    QTest::newRow("no such file") << "nothing.clr"
                                  << "nothing.clr";
    QTest::newRow("a folder") << "folder.clr"
                              << "folder.clr";
}

void tst_FileHandlers::failedLoadChangesNothing()
{
    QFETCH(QString, chosen);
    QFETCH(QString, named);
    loadPair(QStringLiteral("first"), "Sky\r\n", "#87CEEB\r\n\r\n");
    f.addEntry(QStringLiteral("Sea"), QStringLiteral("#2E8B57"));
    write(path(QStringLiteral("names-only.clr")), "X\r\nY\r\n");
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("folder.clr")));
    f.dialogs.clear();

    f.dialogs.answers.enqueue(Answer::No); // keep the unsaved entry unsaved
    f.dialogs.files.enqueue(path(chosen));
    f.child<QAction>("Open1")->trigger();
    QCOMPARE(f.dialogs.errors.size(), 1);
    QVERIFY2(f.dialogs.errors[0].contains(named), qPrintable(f.dialogs.errors[0]));
    QVERIFY(f.dialogs.errors[0].endsWith(QLatin1Char('.')));
    QCOMPARE(model()->list().names(), QStringList({"Sky", "Sea"}));
    QCOMPARE(f.child<ComboBox>("ComboBox1")->count(), 2);
    QCOMPARE(f.form->windowTitle(), QStringLiteral("TRA v 1.0  Current File: first.clr"));
    QCOMPARE(f.form->currentListFile(), path(QStringLiteral("first.clr")));
    QVERIFY(f.form->listModified());
}

void tst_FileHandlers::questionBeforeLoadingNewList_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("saveAs"); // the save dialog's answer: "" none, "-" cancelled
    QTest::addColumn<bool>("goesOn");    // the open dialog comes
    QTest::addColumn<bool>("stillModified");
    QTest::newRow("yes, saved") << int(Answer::Yes) << "kept.clr" << true << false;
    QTest::newRow("no") << int(Answer::No) << "" << true << true;
    QTest::newRow("cancel") << int(Answer::Cancel) << "" << false << true;
    QTest::newRow("yes, save dialog cancelled") << int(Answer::Yes) << "-" << false << true;
    QTest::newRow("yes, save fails")
            << int(Answer::Yes) << "no/such/folder/kept.clr" << false << true;
}

void tst_FileHandlers::questionBeforeLoadingNewList()
{
    QFETCH(int, answer);
    QFETCH(QString, saveAs);
    QFETCH(bool, goesOn);
    QFETCH(bool, stillModified);
    f.addEntry(QStringLiteral("Sky"), QStringLiteral("#87CEEB"));
    f.dialogs.answers.enqueue(Answer(answer));
    QStringList dialogs;
    if (!saveAs.isEmpty()) {
        f.dialogs.files.enqueue(saveAs == u"-" ? std::nullopt
                                               : std::optional<QString>(path(saveAs)));
        dialogs.append(QStringLiteral("SaveDialog1"));
    }
    if (goesOn)
        dialogs.append(QStringLiteral("OpenDialog1"));
    f.dialogs.files.enqueue(std::nullopt); // the open dialog, if it comes, is cancelled
    f.child<QAction>("Open1")->trigger();
    QCOMPARE(questions(), QStringList({"Save current color list to new file?"}));
    QCOMPARE(f.dialogs.messages[0].type, Dialogs::Type::Confirmation);
    QCOMPARE(f.dialogs.messages[0].buttons, Dialogs::Buttons::YesNoCancel);
    QCOMPARE(f.dialogs.fileDialogs, dialogs);
    QCOMPARE(QFile::exists(path(QStringLiteral("kept.hex"))), saveAs == u"kept.clr");
    QCOMPARE(f.dialogs.errors.size(), saveAs.startsWith(u"no/") ? 1 : 0);
    QCOMPARE(model()->list().names(), QStringList({"Sky"}));
    QCOMPARE(f.form->listModified(), stillModified);
    QVERIFY(f.dialogs.unexpected.isEmpty());
}

void tst_FileHandlers::questionBeforeLoadingChangedFile()
{
    loadPair(QStringLiteral("colors"), "Sky\r\n", "#87CEEB\r\n\r\n");
    f.addEntry(QStringLiteral("Sea"), QStringLiteral("#2E8B57"));
    f.dialogs.answers.enqueue(Answer::Cancel); // nothing saved, nothing loaded
    loadPair(QStringLiteral("other"), "Red\r\n", "#FF0000\r\n\r\n");
    QCOMPARE(f.dialogs.fileDialogs, QStringList({"OpenDialog1"})); // the first load's
    QCOMPARE(bytesOf(path(QStringLiteral("colors.clr"))), QByteArray("Sky\r\n"));
    QCOMPARE(model()->list().names(), QStringList({"Sky", "Sea"}));
    QVERIFY(f.form->listModified());

    f.dialogs.clear();
    f.dialogs.answers.enqueue(Answer::No); // not saved
    loadPair(QStringLiteral("other"), "Red\r\n", "#FF0000\r\n\r\n");
    QCOMPARE(questions(), QStringList({"Save changes to current file?"}));
    QCOMPARE(f.dialogs.messages[0].buttons, Dialogs::Buttons::YesNoCancel);
    QCOMPARE(bytesOf(path(QStringLiteral("colors.clr"))), QByteArray("Sky\r\n"));
    QCOMPARE(model()->list().names(), QStringList({"Red"}));
    QVERIFY(!f.form->listModified());

    f.addEntry(QStringLiteral("Green"), QStringLiteral("#00FF00"));
    f.dialogs.clear();
    f.dialogs.answers.enqueue(Answer::Yes);
    f.dialogs.files.enqueue(std::nullopt);
    f.form->Open1Click();
    QCOMPARE(questions(), QStringList({"Save changes to current file?"}));
    QCOMPARE(bytesOf(path(QStringLiteral("other.clr"))), QByteArray("Red\r\nGreen\r\n"));
    QCOMPARE(bytesOf(path(QStringLiteral("other.hex"))), QByteArray("#FF0000\r\n#00FF00\r\n\r\n"));
    QVERIFY(!f.form->listModified());
    VERIFY_NO_SURPRISES(f.dialogs);
}

void tst_FileHandlers::noQuestionWhenListsAreDisabled()
{
    f.addEntry(QStringLiteral("Sky"), QStringLiteral("#87CEEB"));
    f.form->EnableLists1Click(); // off again
    f.dialogs.files.enqueue(std::nullopt);
    f.form->Open1Click();
    QVERIFY(questions().isEmpty());
    QVERIFY(f.form->close());
    QVERIFY(questions().isEmpty());
}

void tst_FileHandlers::questionsBeforeClosing_data()
{
    QTest::addColumn<bool>("fromFile");
    QTest::addColumn<int>("answer");
    QTest::newRow("new list, No") << false << int(Answer::No);
    QTest::newRow("new list, Yes") << false << int(Answer::Yes);
    QTest::newRow("new list, Cancel") << false << int(Answer::Cancel);
    QTest::newRow("loaded file, No") << true << int(Answer::No);
    QTest::newRow("loaded file, Yes") << true << int(Answer::Yes);
    QTest::newRow("loaded file, Cancel") << true << int(Answer::Cancel);
}

void tst_FileHandlers::questionsBeforeClosing()
{
    QFETCH(bool, fromFile);
    QFETCH(int, answer);
    if (fromFile)
        loadPair(QStringLiteral("colors"), "Sky\r\n", "#87CEEB\r\n\r\n");
    f.addEntry(QStringLiteral("Sea"), QStringLiteral("#2E8B57"));
    f.dialogs.clear();
    f.dialogs.answers.enqueue(Answer(answer));
    if (answer == int(Answer::Yes) && !fromFile)
        f.dialogs.files.enqueue(path(QStringLiteral("new.clr")));

    QTest::keyClick(f.form.get(), Qt::Key_X, Qt::ControlModifier); // Exit
    QCOMPARE(f.form->isVisible(), answer == int(Answer::Cancel));
    QCOMPARE(questions(),
             QStringList({fromFile ? "Save changes to current file?"
                                   : "Save current color list to file?"}));
    QCOMPARE(f.dialogs.messages[0].buttons, Dialogs::Buttons::YesNoCancel);
    const QString saved = path(fromFile ? QStringLiteral("colors.clr") : QStringLiteral("new.clr"));
    const QByteArray expected = fromFile ? "Sky\r\nSea\r\n" : "Sea\r\n";
    QCOMPARE(bytesOf(saved) == expected, answer == int(Answer::Yes));
    QCOMPARE(f.form->listModified(), answer != int(Answer::Yes));
    VERIFY_NO_SURPRISES(f.dialogs);
}

void tst_FileHandlers::failedSaveWhileClosingKeepsWindowOpen()
{
    f.addEntry(QStringLiteral("Sky"), QStringLiteral("#87CEEB"));
    f.dialogs.answers.enqueue(Answer::Yes);
    f.dialogs.files.enqueue(path(QStringLiteral("missing/folder/colors.clr")));
    QVERIFY(!f.form->close());
    QVERIFY(f.form->isVisible());
    QCOMPARE(f.dialogs.errors.size(), 1);
    QVERIFY(f.dialogs.errors[0].contains(QStringLiteral("colors.clr")));
    QVERIFY(f.form->listModified());

    // A cancelled save dialog keeps it open too; No lets it close.
    f.dialogs.answers.enqueue(Answer::Yes);
    f.dialogs.files.enqueue(std::nullopt);
    QVERIFY(!f.form->close());
    f.dialogs.answers.enqueue(Answer::No);
    QVERIFY(f.form->close());
}

QTEST_MAIN(tst_FileHandlers)
#include "tst_filehandlers.moc"
