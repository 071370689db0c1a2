// SPDX-License-Identifier: GPL-3.0-or-later
// Finding entries with Edit > Find in List, and lists at the edge of what the program takes:
// names as long as the name box holds, and longer ones, which a load refuses.
#include "app/combobox.h"
#include "app/edit.h"
#include "formfixture.h"
#include "lists/colorlistmodel.h"
#include "lists/listfile.h"
#include "testfiles.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

using namespace Tintora;
using namespace TestFiles;

class tst_FindLists : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void findIsThereOnlyWithLists();
    void typingShowsTheNextMatch();
    void enterFindsTheNextAndGoesRound();
    void hexTextFindsValues();
    void findingLeavesTheLayoutAlone();
    void escAndDisablingListsClose();
    void longestNameIsShownWholeAndKeptExactly();
    void longerNameIsRefusedNamingTheLine();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    ComboBox *nameBox() const { return f.child<ComboBox>("ComboBox1"); }
    QString hexText() const { return f.child<QLineEdit>("Edit1")->text(); }
    QWidget *findBar() const { return f.form->findChild<QWidget *>(QStringLiteral("FindBar")); }
    Edit *findText() const { return findBar()->findChild<Edit *>(QStringLiteral("FindText")); }
    QString findStatus() const
    {
        return findBar()->findChild<QLabel *>(QStringLiteral("FindStatus"))->text();
    }
    void load(const QByteArray &names, const QByteArray &hexes);
    void type(const QString &text);

    FormFixture f;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_FindLists::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    f.create();
}

void tst_FindLists::cleanup()
{
    f.destroy();
}

void tst_FindLists::load(const QByteArray &names, const QByteArray &hexes)
{
    write(path(QStringLiteral("list.clr")), names);
    write(path(QStringLiteral("list.hex")), hexes);
    f.dialogs.files.enqueue(path(QStringLiteral("list.clr")));
    f.action("Open1")->trigger();
}

void tst_FindLists::type(const QString &text)
{
    QTest::keyClicks(findText(), text);
}

void tst_FindLists::findIsThereOnlyWithLists()
{
    QAction *find = f.action("Find1");
    QCOMPARE(find->text(), QStringLiteral("&Find in List"));
    QCOMPARE(find->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));
    QVERIFY(!find->isEnabled());
    f.enableLists();
    QVERIFY(find->isEnabled());
    QTest::keyClick(f.form.get(), Qt::Key_F, Qt::ControlModifier);
    QVERIFY(findBar());
    QTRY_VERIFY(findBar()->isVisible());
    QCOMPARE(findBar()->focusWidget(), findText());
}

void tst_FindLists::typingShowsTheNextMatch()
{
    load("Sky\r\nDeep Sea\r\nSea foam\r\nSand\r\n",
         "#87CEEB\r\n#123456\r\n#9FE2BF\r\n#C2B280\r\n\r\n");
    f.action("Find1")->trigger();
    type(QStringLiteral("se"));
    // Shown as choosing it in the name box would: its name, its value, the current color.
    QCOMPARE(nameBox()->currentIndex(), 1);
    QCOMPARE(nameBox()->text(), QStringLiteral("Deep Sea"));
    QCOMPARE(hexText(), QStringLiteral("#123456"));
    QCOMPARE(f.form->currentColor(), Color::pack(0x12, 0x34, 0x56));
    // A longer text keeps the entry while it still matches, then moves on.
    type(QStringLiteral("a"));
    QCOMPARE(nameBox()->text(), QStringLiteral("Deep Sea"));
    type(QStringLiteral(" F"));
    QCOMPARE(nameBox()->text(), QStringLiteral("Sea foam"));
    QCOMPARE(findStatus(), QString());
    // Nothing matches: the color stays, and the bar says so.
    type(QStringLiteral("x"));
    QCOMPARE(findStatus(), QStringLiteral("Not found"));
    QCOMPARE(hexText(), QStringLiteral("#9FE2BF"));
    VERIFY_NO_SURPRISES(f.dialogs);
}

void tst_FindLists::enterFindsTheNextAndGoesRound()
{
    load("Sea one\r\nSky\r\nSea two\r\n", "#000001\r\n#000002\r\n#000003\r\n\r\n");
    f.action("Find1")->trigger();
    type(QStringLiteral("sea"));
    QCOMPARE(nameBox()->currentIndex(), 0);
    QTest::keyClick(findText(), Qt::Key_Return);
    QCOMPARE(nameBox()->currentIndex(), 2);
    QTest::mouseClick(findBar()->findChild<QWidget *>(QStringLiteral("FindNextBtn")),
                      Qt::LeftButton);
    QCOMPARE(nameBox()->currentIndex(), 0);
    QCOMPARE(hexText(), QStringLiteral("#000001"));
}

void tst_FindLists::hexTextFindsValues()
{
    load("A\r\nB\r\nC\r\n", "#FF0000\r\n#87ceeb\r\n#87CEFA\r\n\r\n");
    f.action("Find1")->trigger();
    type(QStringLiteral("#87C"));
    QCOMPARE(nameBox()->text(), QStringLiteral("B"));
    type(QStringLiteral("EF"));
    QCOMPARE(nameBox()->text(), QStringLiteral("C"));
    QCOMPARE(hexText(), QStringLiteral("#87CEFA"));
}

void tst_FindLists::findingLeavesTheLayoutAlone()
{
    f.addEntry(QStringLiteral("Sky"), QStringLiteral("#87CEEB"));
    const QSize outer = f.form->outerSize();
    QList<QRect> places;
    for (QWidget *child : f.form->findChildren<QWidget *>())
        places.append(child->geometry());
    f.action("Find1")->trigger();
    type(QStringLiteral("sky"));
    QCOMPARE(f.form->outerSize(), outer);
    QList<QRect> after;
    for (QWidget *child : f.form->findChildren<QWidget *>())
        after.append(child->geometry());
    // The bar is a window of its own, not a child laid out in the main window.
    QVERIFY(findBar()->isWindow());
    QCOMPARE(after.mid(0, places.size()), places);
}

void tst_FindLists::escAndDisablingListsClose()
{
    f.enableLists();
    f.action("Find1")->trigger();
    QTRY_VERIFY(findBar()->isVisible());
    QTest::keyClick(findText(), Qt::Key_Escape);
    QVERIFY(!findBar()->isVisible());
    f.action("Find1")->trigger();
    QTRY_VERIFY(findBar()->isVisible());
    f.action("EnableLists1")->trigger(); // lists off
    QVERIFY(!findBar()->isVisible());
    QVERIFY(!f.action("Find1")->isEnabled());
}

void tst_FindLists::longestNameIsShownWholeAndKeptExactly()
{
    const QByteArray longest(ListFile::kMaxLineLength, 'n');
    const QByteArray names = "Sky\r\n" + longest + "\r\n";
    const QByteArray hexes = "#87CEEB\r\n#000080\r\n\r\n";
    load(names, hexes);
    VERIFY_NO_SURPRISES(f.dialogs);
    nameBox()->setCurrentIndex(1);
    f.form->ComboBox1Click();
    // The name box holds it whole, so that "Delete From List" finds it by its text ...
    QCOMPARE(nameBox()->text().size(), ListFile::kMaxLineLength);
    QCOMPARE(hexText(), QStringLiteral("#000080"));
    // ... while the views get it cut short.
    ColorListModel *model = f.form->colorList();
    const QString shown = model->index(1, 0).data(Qt::DisplayRole).toString();
    QCOMPARE(shown.size(), ColorListModel::kShownLength);
    QVERIFY(shown.endsWith(QChar(0x2026)));
    QCOMPARE(model->index(1, 0).data(Qt::EditRole).toString().size(), ListFile::kMaxLineLength);
    f.form->ViewLstBtnClick();
    QApplication::processEvents();
    // Saved back, byte for byte.
    f.dialogs.files.enqueue(path(QStringLiteral("again.clr")));
    f.action("Save1")->trigger();
    QCOMPARE(bytesOf(path(QStringLiteral("again.clr"))), names);
    QCOMPARE(bytesOf(path(QStringLiteral("again.hex"))), hexes);
    f.click("DelFrLstBtn");
    QCOMPARE(model->list().names(), QStringList({"Sky"}));
    VERIFY_NO_SURPRISES(f.dialogs);
}

void tst_FindLists::longerNameIsRefusedNamingTheLine()
{
    f.addEntry(QStringLiteral("Kept"), QStringLiteral("#010203"));
    const QString title = f.form->windowTitle();
    f.dialogs.answers.enqueue(Dialogs::Answer::No); // the entry stays unsaved; the load goes on
    load("Sky\r\n" + QByteArray(ListFile::kMaxLineLength + 1, 'n') + "\r\n", "#87CEEB\r\n\r\n");
    QCOMPARE(f.dialogs.errors.size(), 1);
    const QString error = f.dialogs.errors.constFirst();
    QVERIFY2(error.contains(QStringLiteral("list.clr")) && error.contains(QStringLiteral("Line 2"))
                     && error.contains(QStringLiteral("32,768 characters")),
             qPrintable(error));
    // All or nothing: the list, its state and the caption are as they were.
    QCOMPARE(f.form->colorList()->list().names(), QStringList({"Kept"}));
    QVERIFY(f.form->listModified());
    QCOMPARE(f.form->windowTitle(), title);
}

QTEST_MAIN(tst_FindLists)
#include "tst_findlists.moc"
