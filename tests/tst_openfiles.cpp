// SPDX-License-Identifier: GPL-3.0-or-later
// Files named on the command line (tintora FILE...): each opens as Load List or Import Palette
// opens the file chosen in its dialog, with the same questions and the same error boxes.
#include "formfixture.h"
#include "testfiles.h"

#include "lists/colorlistmodel.h"

#include <QTemporaryDir>

using namespace Tintora;
using Answer = Dialogs::Answer;

namespace {

const QByteArray kGimp = "GIMP Palette\nName: Sea\n#\n 46 139  87\tSea green\n135 206 235\tSky\n";

} // namespace

class tst_OpenFiles : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void opensWhatItIsGiven_data();
    void opensWhatItIsGiven();
    void failuresGiveTheCommandsErrorBox_data();
    void failuresGiveTheCommandsErrorBox();
    void asksBeforeAnotherFileReplacesAChangedList_data();
    void asksBeforeAnotherFileReplacesAChangedList();

private:
    QString path(const QString &name) const { return m_folder->filePath(name); }
    // The error box that the command itself gives for the file chosen in its dialog.
    QString errorOfCommand(const char *command, const QString &file);

    FormFixture f;
    std::unique_ptr<QTemporaryDir> m_folder;
};

void tst_OpenFiles::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    TestFiles::write(path("list.clr"), "Sea green\r\nSky\r\n");
    TestFiles::write(path("list.hex"), "#2E8B57\r\n#87CEEB\r\n#000000\r\n");
    TestFiles::write(path("sea.gpl"), kGimp);
    TestFiles::write(path("sea.palette"), kGimp); // a name that says nothing: the contents tell
    TestFiles::write(path("broken.gpl"), "GIMP Palette\n300 0 0 Too red\n");
    TestFiles::write(path("nothing.txt"), "just words\n");
    TestFiles::write(path("lonely.clr"), "Only names\r\n");
    f.create();
}

void tst_OpenFiles::cleanup()
{
    f.destroy();
    m_folder.reset();
}

QString tst_OpenFiles::errorOfCommand(const char *command, const QString &file)
{
    f.destroy();
    f.create();
    f.dialogs.files.enqueue(file);
    f.form->findChild<QAction *>(QLatin1String(command))->trigger();
    const QStringList errors = f.dialogs.errors;
    f.destroy();
    f.create();
    return errors.value(0, QStringLiteral("(no error box)"));
}

void tst_OpenFiles::opensWhatItIsGiven_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<bool>("hasFile"); // a list file is current: Load List; else imported
    QTest::addColumn<QString>("caption");

    const QStringList list {"Sea green", "Sky"};
    QTest::newRow("a list") << "list.clr" << list << true << "TRA v 1.0  Current File: list.clr";
    QTest::newRow("a list by its hex file")
            << "list.hex" << list << true << "TRA v 1.0  Current File: list.clr";
    QTest::newRow("a palette") << "sea.gpl" << list << false << "TRA v 1.0";
    QTest::newRow("a palette known by its contents")
            << "sea.palette" << list << false << "TRA v 1.0";
}

void tst_OpenFiles::opensWhatItIsGiven()
{
    QFETCH(QString, file);
    QFETCH(QStringList, names);
    QFETCH(bool, hasFile);
    f.form->openFiles({path(file)});
    VERIFY_NO_SURPRISES(f.dialogs);
    QVERIFY(f.form->listsEnabled());
    QCOMPARE(f.form->colorList()->list().names().mid(0, names.size()), names);
    QCOMPARE(f.form->hasFile(), hasFile);
    QCOMPARE(f.form->listModified(), !hasFile); // an import belongs to no file yet
    QTEST(f.form->windowTitle(), "caption");
}

void tst_OpenFiles::failuresGiveTheCommandsErrorBox_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("command"); // the menu item whose dialog the file could come from

    QTest::newRow("missing list") << "gone.clr"
                                  << "Open1";
    QTest::newRow("list without its hex file") << "lonely.clr"
                                               << "Open1";
    QTest::newRow("missing palette") << "gone.gpl"
                                     << "Import1";
    QTest::newRow("broken palette") << "broken.gpl"
                                    << "Import1";
    QTest::newRow("not a palette") << "nothing.txt"
                                   << "Import1";
    QTest::newRow("a folder") << "."
                              << "Import1";
}

void tst_OpenFiles::failuresGiveTheCommandsErrorBox()
{
    QFETCH(QString, file);
    QFETCH(QString, command);
    const QString expected = errorOfCommand(qPrintable(command), path(file));
    QVERIFY(expected != QLatin1String("(no error box)"));

    // The next file still opens after the one that failed.
    f.form->openFiles({path(file), path("sea.gpl")});
    QCOMPARE(f.dialogs.errors, QStringList {expected});
    QCOMPARE(f.form->colorList()->list().names().value(1), QStringLiteral("Sky"));
    QVERIFY(f.form->isVisible());
}

void tst_OpenFiles::asksBeforeAnotherFileReplacesAChangedList_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("listOpens");
    QTest::newRow("No") << int(Answer::No) << true;
    QTest::newRow("Cancel keeps the palette") << int(Answer::Cancel) << false;
}

void tst_OpenFiles::asksBeforeAnotherFileReplacesAChangedList()
{
    QFETCH(int, answer);
    QFETCH(bool, listOpens);
    // The imported palette is a changed list without a file: the list after it asks first.
    f.dialogs.answers.enqueue(Answer(answer));
    f.form->openFiles({path("sea.gpl"), path("list.clr")});
    QCOMPARE(f.dialogs.messages.size(), 1);
    QCOMPARE(f.dialogs.messages.constFirst().type, Dialogs::Type::Confirmation);
    QCOMPARE(f.form->hasFile(), listOpens);
    QCOMPARE(f.form->listModified(), !listOpens);
    QVERIFY(f.dialogs.errors.isEmpty());
}

QTEST_MAIN(tst_OpenFiles)
#include "tst_openfiles.moc"
