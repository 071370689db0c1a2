// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/combobox.h"
#include "app/scrollbar.h"
#include "formfixture.h"
#include "lists/colorlistmodel.h"
#include "testfiles.h"
#include "ui/stringgrid.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

using namespace Tintora;

class tst_ListHandlers : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup() { f.destroy(); }

    void enablingShowsAndDisablingHidesTheListControls();
    void addWithoutNameWarns();
    void addPutsNameAndValueInTheBlankRow();
    void deleteTheOnlyEntry();
    void deleteShowsThePreviousEntry_data();
    void deleteShowsThePreviousEntry();
    void deleteWithoutNameWarns();
    void deleteTypedNameRemovesFirstOfThatName();
    void deleteUnknownTypedNameChangesNothing();
    void laterDuplicateWins();
    void matchIgnoresCaseAfterInPlaceEdit();
    void noMatchKeepsTheNameBoxText();
    void choosingByNameAndByGrid();
    void disablingClosesTheFullView();
    void tableAndNameBoxStayInStep();
    void inPlaceEditMarksTheListChanged_data();
    void inPlaceEditMarksTheListChanged();
    void blankRowTakesNoTyping();
    void pastedLineBreaksBecomeSpaces();
    void swatchesShowEntryColors_data();
    void swatchesShowEntryColors();

private:
    ComboBox *nameBox() const { return f.child<ComboBox>("ComboBox1"); }
    QString hexText() const { return f.child<QLineEdit>("Edit1")->text(); }
    ColorListModel *model() const { return f.form->colorList(); }
    void verifyInStep();

    FormFixture f;
};

void tst_ListHandlers::init()
{
    f.create(96, true); // active, so that keys reach the table and its editors
    f.form->EnableLists1Click();
}

void tst_ListHandlers::verifyInStep()
{
    QCOMPARE(model()->rowCount(), nameBox()->count() + 1);
    for (int i = 0; i < nameBox()->count(); ++i)
        QCOMPARE(model()->cell(0, i), nameBox()->itemText(i));
}

void tst_ListHandlers::enablingShowsAndDisablingHidesTheListControls()
{
    auto *item = f.child<QAction>("EnableLists1");
    QCOMPARE(item->text(), QStringLiteral("Disable &Lists"));
    QVERIFY(nameBox()->isVisible());
    QVERIFY(f.child<QLabel>("Label1")->isVisible());
    for (const char *button : {"AddToLstBtn", "DelFrLstBtn", "ViewLstBtn"})
        QVERIFY(f.child<QPushButton>(button)->isEnabled());
    QVERIFY(!f.child<QAction>("Save1")->isEnabled()); // stays as it was

    f.addEntry(QStringLiteral("Sky"), QStringLiteral("#87CEEB"));
    item->trigger();
    QCOMPARE(item->text(), QStringLiteral("Enable &Lists"));
    QVERIFY(!nameBox()->isVisible());
    QVERIFY(!f.child<QAction>("Save1")->isEnabled());
    QVERIFY(!f.child<QPushButton>("AddToLstBtn")->isEnabled());
    QCOMPARE(model()->list().count(), 1); // the contents are left alone
}

void tst_ListHandlers::addWithoutNameWarns()
{
    f.click("AddToLstBtn");
    QCOMPARE(f.dialogs.messages.size(), 1);
    QCOMPARE(f.dialogs.messages[0].text,
             QStringLiteral("Please enter a custom name before adding this color to the list."));
    QCOMPARE(f.dialogs.messages[0].type, Dialogs::Type::Warning);
    QCOMPARE(model()->rowCount(), 1);
    QVERIFY(nameBox()->hasFocus() || nameBox()->lineEdit()->hasFocus());
    QVERIFY(!f.form->listModified());
}

void tst_ListHandlers::addPutsNameAndValueInTheBlankRow()
{
    f.addEntry(QStringLiteral("Sky"), QStringLiteral("#87CEEB"));
    QCOMPARE(model()->rowCount(), 2);
    QCOMPARE(model()->cell(0, 0), QStringLiteral("Sky"));
    QCOMPARE(model()->cell(1, 0), QStringLiteral("#87CEEB"));
    QCOMPARE(model()->cell(0, 1), QString());
    QCOMPARE(nameBox()->count(), 1);
    QCOMPARE(nameBox()->itemText(0), QStringLiteral("Sky"));
    QVERIFY(f.child<QAction>("Save1")->isEnabled());
    QVERIFY(f.form->listModified());
    QVERIFY(f.dialogs.messages.isEmpty());
}

void tst_ListHandlers::deleteTheOnlyEntry()
{
    f.addEntry(QStringLiteral("Sky"), QStringLiteral("#87CEEB"));
    f.click("DelFrLstBtn");
    QCOMPARE(model()->rowCount(), 1);
    QCOMPARE(nameBox()->count(), 0);
    QCOMPARE(hexText(), QStringLiteral("#FFFFFF"));
    QVERIFY(f.form->listModified());
    QVERIFY(f.dialogs.messages.isEmpty());
}

void tst_ListHandlers::deleteShowsThePreviousEntry_data()
{
    QTest::addColumn<int>("chosen");
    QTest::addColumn<QString>("shownName");
    QTest::addColumn<QString>("shownHex");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("first") << 0 << "Green"
                           << "#00FF00" << QStringList({"Green", "Blue"});
    QTest::newRow("middle") << 1 << "Red"
                            << "#FF0000" << QStringList({"Red", "Blue"});
    QTest::newRow("last") << 2 << "Green"
                          << "#00FF00" << QStringList({"Red", "Green"});
}

void tst_ListHandlers::deleteShowsThePreviousEntry()
{
    QFETCH(int, chosen);
    QFETCH(QString, shownName);
    QFETCH(QString, shownHex);
    QFETCH(QStringList, left);
    f.addEntry(QStringLiteral("Red"), QStringLiteral("#FF0000"));
    f.addEntry(QStringLiteral("Green"), QStringLiteral("#00FF00"));
    f.addEntry(QStringLiteral("Blue"), QStringLiteral("#0000FF"));

    nameBox()->setCurrentIndex(chosen);
    f.form->ComboBox1Click();
    f.click("DelFrLstBtn");
    QCOMPARE(model()->list().names(), left);
    QCOMPARE(nameBox()->text(), shownName);
    QCOMPARE(hexText(), shownHex);
    QCOMPARE(nameBox()->currentIndex(), left.indexOf(shownName));
    verifyInStep();
}

void tst_ListHandlers::deleteWithoutNameWarns()
{
    f.addEntry(QStringLiteral("Sky"), QStringLiteral("#87CEEB"));
    nameBox()->setText(QString());
    f.click("DelFrLstBtn");
    QCOMPARE(f.dialogs.messages.size(), 1);
    QCOMPARE(f.dialogs.messages[0].text,
             QStringLiteral(
                     "There is no currently displayed custom color to delete from the list."));
    QCOMPARE(model()->list().count(), 1);
}

void tst_ListHandlers::deleteTypedNameRemovesFirstOfThatName()
{
    f.addEntry(QStringLiteral("Sea"), QStringLiteral("#2E8B57"));
    f.addEntry(QStringLiteral("Sky"), QStringLiteral("#87CEEB"));
    f.addEntry(QStringLiteral("Sea"), QStringLiteral("#006994"));
    nameBox()->setCurrentIndex(1);
    nameBox()->lineEdit()->selectAll();
    QTest::keyClicks(nameBox()->lineEdit(), QStringLiteral("Sea")); // typed over "Sky"
    f.click("DelFrLstBtn");
    QCOMPARE(model()->list().names(), QStringList({"Sky", "Sea"}));
    QCOMPARE(model()->list().hex(1), QStringLiteral("#006994"));
    verifyInStep();
}

void tst_ListHandlers::deleteUnknownTypedNameChangesNothing()
{
    f.addEntry(QStringLiteral("Sky"), QStringLiteral("#87CEEB"));
    const int rows = model()->rowCount();
    nameBox()->lineEdit()->selectAll();
    QTest::keyClicks(nameBox()->lineEdit(), QStringLiteral("Unknown"));
    f.click("DelFrLstBtn");
    QCOMPARE(f.dialogs.messages.size(), 1);
    QCOMPARE(f.dialogs.messages[0].type, Dialogs::Type::Warning);
    QCOMPARE(model()->rowCount(), rows);
    verifyInStep();
}

void tst_ListHandlers::laterDuplicateWins()
{
    f.addEntry(QStringLiteral("First"), QStringLiteral("#102030"));
    f.addEntry(QStringLiteral("Second"), QStringLiteral("#102030"));
    f.setColor(QStringLiteral("#000000"));
    QCOMPARE(nameBox()->text(), QString()); // a field change clears the name
    f.setColor(QStringLiteral("#102030"));
    QCOMPARE(nameBox()->text(), QStringLiteral("Second"));
    QCOMPARE(nameBox()->currentIndex(), 1);
}

void tst_ListHandlers::matchIgnoresCaseAfterInPlaceEdit()
{
    f.addEntry(QStringLiteral("Sky"), QStringLiteral("#87CEEB"));
    f.addEntry(QStringLiteral("Other"), QStringLiteral("#000001"));
    auto *grid = f.child<StringGrid>("StringGrid1");
    // The user edits the second entry's value in place, in lowercase.
    QVERIFY(grid->model()->setData(grid->model()->index(1, 1), QStringLiteral("#abcdef")));
    f.setColor(QStringLiteral("#ABCDEF"));
    QCOMPARE(nameBox()->text(), QStringLiteral("Other"));
    // And renames the first one in place: the name box follows.
    QVERIFY(grid->model()->setData(grid->model()->index(0, 0), QStringLiteral("Heaven")));
    QCOMPARE(nameBox()->itemText(0), QStringLiteral("Heaven"));
    f.setColor(QStringLiteral("#87CEEB"));
    QCOMPARE(nameBox()->text(), QStringLiteral("Heaven"));
}

void tst_ListHandlers::noMatchKeepsTheNameBoxText()
{
    f.addEntry(QStringLiteral("Sky"), QStringLiteral("#87CEEB"));
    f.setColor(QStringLiteral("#FFFFFF"));
    nameBox()->setText(QStringLiteral("typed"));
    // Re-selecting the background changes no field, so only the (failed) match could touch it.
    QTest::mouseClick(f.child<QRadioButton>("RadioButton1"), Qt::LeftButton);
    QCOMPARE(nameBox()->text(), QStringLiteral("typed"));
    // A changed field clears it.
    f.setColor(QStringLiteral("#FFFFFE"));
    QCOMPARE(nameBox()->text(), QString());
}

void tst_ListHandlers::choosingByNameAndByGrid()
{
    f.addEntry(QStringLiteral("Red"), QStringLiteral("#FF0000"));
    f.addEntry(QStringLiteral("Green"), QStringLiteral("#00FF00"));
    f.setColor(QStringLiteral("#FFFFFF"));

    nameBox()->setFocus();
    nameBox()->setCurrentIndex(-1);
    QTest::keyClick(nameBox(), Qt::Key_Down); // the user picks the first item
    QCOMPARE(hexText(), QStringLiteral("#FF0000"));
    QCOMPARE(f.child<ScrollBar>("gScrollBar1")->position(), 0);

    auto *grid = f.child<StringGrid>("StringGrid1");
    f.form->ViewLstBtnClick();
    const QRect second = grid->visualRect(grid->model()->index(1, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, second.center());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, second.center());
    QCOMPARE(hexText(), QStringLiteral("#00FF00"));
    QCOMPARE(nameBox()->text(), QStringLiteral("Green"));
}

void tst_ListHandlers::disablingClosesTheFullView()
{
    f.click("ViewLstBtn");
    QCOMPARE(f.child<QPushButton>("ViewLstBtn")->text(), QStringLiteral("Close Full List"));
    QCOMPARE(f.form->outerSize().width(), 558);
    f.child<QAction>("EnableLists1")->trigger();
    QCOMPARE(f.child<QPushButton>("ViewLstBtn")->text(), QStringLiteral("View Full List"));
    QCOMPARE(f.form->outerSize().width(), 295);
}

void tst_ListHandlers::tableAndNameBoxStayInStep()
{
    const QStringList names = {"A", "B", "C", "D", "E"};
    for (int i = 0; i < names.size(); ++i)
        f.addEntry(names[i], Color::buildHex(Color::pack(i, i, i)));
    verifyInStep();
    for (int chosen : {4, 0, 1}) {
        nameBox()->setCurrentIndex(chosen);
        f.form->ComboBox1Click();
        f.click("DelFrLstBtn");
        verifyInStep();
    }
    f.addEntry(QStringLiteral("F"), QStringLiteral("#123456"));
    verifyInStep();
    QCOMPARE(model()->list().names(), QStringList({"B", "D", "F"}));
}

void tst_ListHandlers::inPlaceEditMarksTheListChanged_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::newRow("name") << 0 << "Sky blue";
    QTest::newRow("value") << 1 << "#87CEFA";
}

void tst_ListHandlers::inPlaceEditMarksTheListChanged()
{
    QFETCH(int, column);
    QFETCH(QString, typed);
    // A list just loaded: nothing unsaved.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    TestFiles::write(dir.filePath(QStringLiteral("sky.clr")), "Sky\r\n");
    TestFiles::write(dir.filePath(QStringLiteral("sky.hex")), "#87CEEB\r\n\r\n");
    f.dialogs.files.enqueue(dir.filePath(QStringLiteral("sky.clr")));
    f.action("Open1")->trigger();
    QVERIFY(!f.form->listModified());

    f.click("ViewLstBtn");
    auto *grid = f.child<StringGrid>("StringGrid1");
    grid->setFocus();
    grid->setCurrentIndex(model()->index(0, column));
    QTest::keyClick(grid, Qt::Key_F2);
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY(editor);
    QVERIFY(grid->isAncestorOf(editor));
    editor->selectAll();
    QTest::keyClicks(editor, typed);
    QTest::keyClick(editor, Qt::Key_Return); // the delegate commits on the next turn

    QTRY_COMPARE(model()->cell(column, 0), typed);
    QVERIFY(f.form->listModified());
    QVERIFY(f.action("Save1")->isEnabled());
    // Closing now offers to save the edit.
    f.dialogs.answers.enqueue(Dialogs::Answer::No);
    QVERIFY(f.form->close());
    QCOMPARE(f.dialogs.messages.size(), 1);
    QCOMPARE(f.dialogs.messages.constFirst().text, QStringLiteral("Save changes to current file?"));
    VERIFY_NO_SURPRISES(f.dialogs);
}

void tst_ListHandlers::blankRowTakesNoTyping()
{
    f.addEntry(QStringLiteral("Sky"), QStringLiteral("#87CEEB"));
    f.click("ViewLstBtn");
    auto *grid = f.child<StringGrid>("StringGrid1");
    grid->setFocus();
    for (int column : {0, 1}) {
        grid->setCurrentIndex(model()->index(1, column));
        QTest::keyClicks(grid, QStringLiteral("lost"));
        QTest::keyClick(grid, Qt::Key_F2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(model()->cell(column, 1), QString());
    }
    QCOMPARE(model()->rowCount(), 2);
    QCOMPARE(grid, QApplication::focusWidget()); // no editor opened
}

void tst_ListHandlers::pastedLineBreaksBecomeSpaces()
{
    f.addEntry(QStringLiteral("Deep\r\nsea\nblue"), QStringLiteral("#006994"));
    QCOMPARE(model()->list().name(0), QStringLiteral("Deep sea blue"));
    QCOMPARE(nameBox()->itemText(0), QStringLiteral("Deep sea blue"));
    QCOMPARE(nameBox()->text(), QStringLiteral("Deep sea blue"));
    verifyInStep();
}

QTEST_MAIN(tst_ListHandlers)
#include "tst_listhandlers.moc"

void tst_ListHandlers::swatchesShowEntryColors_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("swatch"); // the color shown beside the value; empty for none
    QTest::newRow("#RRGGBB") << "#FF8000"
                             << "#FF8000";
    QTest::newRow("lower case") << "#00ff80"
                                << "#00FF80";
    QTest::newRow("five digits") << "#12345"
                                 << "";
    QTest::newRow("a word") << "orange"
                            << "";
    QTest::newRow("a CSS color") << "rgb(255 128 0)"
                                 << "";
    QTest::newRow("empty") << ""
                           << "";
}

void tst_ListHandlers::swatchesShowEntryColors()
{
    QFETCH(QString, value);
    QFETCH(QString, swatch);
    f.addEntry(QStringLiteral("Entry"), QStringLiteral("#FFFFFF"));
    f.addEntry(QStringLiteral("Other"), QStringLiteral("#000000"));
    model()->setCell(1, 0, value);
    f.click("ViewLstBtn");

    // The color filling most of the square at the start of a cell, other than the cell's own;
    // empty when no color fills as much as 4 x 4 pixels there.
    const auto swatchAt = [](QAbstractItemView *view, const QModelIndex &index) {
        const QImage shown = view->viewport()->grab().toImage();
        const QRect cell = view->visualRect(index);
        const QRgb background = shown.pixel(cell.left() + 1, cell.top() + 1);
        QHash<QRgb, int> counts;
        for (int y = cell.top(); y <= cell.bottom(); ++y) {
            for (int x = cell.left(); x < cell.left() + cell.height() * 3 / 4; ++x) {
                if (shown.pixel(x, y) != background)
                    ++counts[shown.pixel(x, y)];
            }
        }
        QRgb most = 0;
        int count = 0;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
            if (it.value() > count) {
                most = it.key();
                count = it.value();
            }
        }
        return count >= 16 ? QColor(most).name().toUpper() : QString();
    };
    auto *grid = f.child<StringGrid>("StringGrid1");
    QCOMPARE(swatchAt(grid, model()->index(0, 1)), swatch);
    QCOMPARE(swatchAt(grid, model()->index(1, 1)), QStringLiteral("#000000"));
    QCOMPARE(swatchAt(grid, model()->index(2, 1)), QString()); // the blank row has none
    nameBox()->showPopup();
    QAbstractItemView *popup = nameBox()->view();
    QVERIFY(QTest::qWaitForWindowExposed(popup->window()));
    QCOMPARE(swatchAt(popup, popup->model()->index(0, 0)), swatch);
    nameBox()->hidePopup();

    // The window keeps its design: the table's place, columns and rows, the name box's place.
    QCOMPARE(f.form->outerSize().width(), 558);
    QCOMPARE(grid->geometry(), QRect(296, 0, 249, 329));
    QCOMPARE(QList<int>({grid->columnWidth(0), grid->columnWidth(1), grid->uniformRowHeight()}),
             QList<int>({145, 145, 22}));
    QCOMPARE(nameBox()->geometry(), QRect(8, 291, 273, 24));
}
