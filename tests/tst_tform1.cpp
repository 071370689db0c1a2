// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/edit.h"
#include "app/scrollbar.h"
#include "formfixture.h"
#include "ui/stringgrid.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>

using namespace Tintora;

class tst_TForm1 : public QObject
{
    Q_OBJECT
private slots:
    void init() { f.create(); }
    void cleanup() { f.destroy(); }

    void controlsHaveTheirCaptionsAndHints_data();
    void controlsHaveTheirCaptionsAndHints();
    void menuItems_data();
    void menuItems();
    void listControlsStartHiddenOrDisabled();
    void gridLiesBeyondTheWindow();
    void fieldsAndBarsStartAtWhite();
    void fileDialogsHaveFiltersAndExtension();
    void tabOrderFollowsTheLayout();
    void errorInHandlerShowsBoxAndWindowGoesOn();

private:
    FormFixture f;
};

void tst_TForm1::controlsHaveTheirCaptionsAndHints_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::newRow("SetClrBtn") << "SetClrBtn"
                               << "Set The Color"
                               << "Click her to use the color dialog to set sample color.";
    QTest::newRow("AddToLstBtn") << "AddToLstBtn"
                                 << "Add To List"
                                 << "Add the color displayed in the sample to custom color list.";
    QTest::newRow("DelFrLstBtn")
            << "DelFrLstBtn"
            << "Delete From List"
            << "Delete the currently displayed name from the custom color list.";
    QTest::newRow("ViewLstBtn") << "ViewLstBtn"
                                << "View Full List"
                                << "";
    QTest::newRow("RadioButton1") << "RadioButton1"
                                  << "Background"
                                  << "";
    QTest::newRow("RadioButton2") << "RadioButton2"
                                  << "Text Sample 1"
                                  << "";
    QTest::newRow("RadioButton3") << "RadioButton3"
                                  << "Text Sample 2"
                                  << "";
    QTest::newRow("Label1") << "Label1"
                            << "Custom Color Name:"
                            << "";
    QTest::newRow("Label2") << "Label2"
                            << "Sample 1: Our ingnorance of  history..."
                            << "";
    QTest::newRow("Label3") << "Label3"
                            << "Sample 2: ...makes us vilify our own age.    -Marlowen"
                            << "";
    QTest::newRow("Label6") << "Label6"
                            << "Hex Value:"
                            << "";
    QTest::newRow("Label8") << "Label8"
                            << "R:"
                            << "";
    QTest::newRow("Label9") << "Label9"
                            << "G:"
                            << "";
    QTest::newRow("Label10") << "Label10"
                             << "B:"
                             << "";
    QTest::newRow("GroupBox1") << "GroupBox1"
                               << "Set the Color of:"
                               << "";
    QTest::newRow("Edit1") << "Edit1"
                           << "#FFFFFF"
                           << "This is the string that gets copied to the clipboard.when you "
                              "click Edit/Copy to Clipboard";
    QTest::newRow("ComboBox1") << "ComboBox1"
                               << ""
                               << "Enter or select custom color by name here.";
}

void tst_TForm1::controlsHaveTheirCaptionsAndHints()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    QWidget *widget = f.form->findChild<QWidget *>(name);
    QVERIFY(widget);
    QString text;
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        text = button->text();
    else if (auto *label = qobject_cast<QLabel *>(widget))
        text = label->text();
    else if (auto *group = qobject_cast<QGroupBox *>(widget))
        text = group->title();
    else if (auto *edit = qobject_cast<QLineEdit *>(widget))
        text = edit->text();
    else if (auto *combo = qobject_cast<QComboBox *>(widget))
        text = combo->currentText();
    QCOMPARE(text, caption);
    QCOMPARE(widget->toolTip(), hint);
}

void tst_TForm1::menuItems_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("Open1") << "Open1"
                           << "&Load List" << QKeySequence() << true;
    QTest::newRow("Save1") << "Save1"
                           << "&Save List" << QKeySequence() << false;
    QTest::newRow("Exit1") << "Exit1"
                           << "E&xit" << QKeySequence(Qt::CTRL | Qt::Key_X) << true;
    QTest::newRow("Copy1") << "Copy1"
                           << "&Copy to Clipboard" << QKeySequence(Qt::CTRL | Qt::Key_C) << true;
    QTest::newRow("RollUp1") << "RollUp1"
                             << "&Roll Up" << QKeySequence() << true;
    QTest::newRow("StayonTop1") << "StayonTop1"
                                << "Stay on &Top" << QKeySequence() << true;
    QTest::newRow("DisableHints1") << "DisableHints1"
                                   << "Disable &Hints" << QKeySequence() << true;
    QTest::newRow("EnableLists1") << "EnableLists1"
                                  << "Enable &Lists" << QKeySequence() << true;
    QTest::newRow("Contents1") << "Contents1"
                               << "&Contents" << QKeySequence(Qt::Key_F1) << true;
    QTest::newRow("About1") << "About1"
                            << "&About" << QKeySequence() << true;
}

void tst_TForm1::menuItems()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QKeySequence, shortcut);
    QFETCH(bool, enabled);
    auto *action = f.form->findChild<QAction *>(name);
    QVERIFY(action);
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->shortcut(), shortcut);
    QCOMPARE(action->isEnabled(), enabled);
    QVERIFY(!action->isChecked());

    QStringList menus;
    for (QAction *menu : f.form->menuBar()->actions())
        menus.append(menu->text());
    QCOMPARE(menus, QStringList({"&File", "&Edit", "&Options", "&Help"}));
}

void tst_TForm1::listControlsStartHiddenOrDisabled()
{
    QVERIFY(!f.child<QLabel>("Label1")->isVisible());
    QVERIFY(!f.child<QComboBox>("ComboBox1")->isVisible());
    QVERIFY(!f.child<QPushButton>("AddToLstBtn")->isEnabled());
    QVERIFY(!f.child<QPushButton>("DelFrLstBtn")->isEnabled());
    QVERIFY(!f.child<QPushButton>("ViewLstBtn")->isEnabled());
    QVERIFY(f.child<QPushButton>("SetClrBtn")->isEnabled());
    QVERIFY(!f.form->listsEnabled());
}

void tst_TForm1::gridLiesBeyondTheWindow()
{
    auto *grid = f.child<QTableView>("StringGrid1");
    const QPoint topLeft = grid->mapTo(f.form.get(), QPoint(0, 0));
    QVERIFY(topLeft.x() >= f.form->width());
    QCOMPARE(grid->model()->rowCount(), 1);
    QCOMPARE(grid->model()->columnCount(), 2);
    QCOMPARE(f.form->outerSize(), QSize(295, 383));
}

void tst_TForm1::fieldsAndBarsStartAtWhite()
{
    for (const char *name : {"RScrollBar1", "gScrollBar1", "bScrollBar1"}) {
        auto *bar = f.child<ScrollBar>(name);
        QCOMPARE(bar->minimum(), 0);
        QCOMPARE(bar->maximum(), 255);
        QCOMPARE(bar->position(), 255);
        QCOMPARE(bar->pageStep(), 10);
        QCOMPARE(bar->focusPolicy(), Qt::NoFocus);
    }
    QVERIFY(f.child<QLineEdit>("Edit1")->isReadOnly());
    QCOMPARE(f.child<QLineEdit>("Edit1")->focusPolicy(), Qt::ClickFocus);
}

void tst_TForm1::fileDialogsHaveFiltersAndExtension()
{
    // What Load List and Save List ask the dialogs for.
    f.dialogs.files.enqueue(std::nullopt);
    f.action("Open1")->trigger();
    f.enableLists();
    f.dialogs.files.enqueue(std::nullopt);
    f.action("Save1")->setEnabled(true);
    f.action("Save1")->trigger();
    QCOMPARE(f.dialogs.fileRequests.size(), 2);
    const FileRequest open = f.dialogs.fileRequests.at(0);
    QCOMPARE(open.name, QStringLiteral("OpenDialog1"));
    QCOMPARE(open.mode, FileRequest::Mode::Open);
    QCOMPARE(open.filters, QStringList({"TRA Color lists (*.clr)"}));
    QCOMPARE(open.defaultSuffix, QStringLiteral("clr"));
    const FileRequest save = f.dialogs.fileRequests.at(1);
    QCOMPARE(save.name, QStringLiteral("SaveDialog1"));
    QCOMPARE(save.mode, FileRequest::Mode::Save);
    QCOMPARE(save.filters, QStringList({"TRA Color Lists (*.clr)"}));
    QCOMPARE(save.defaultSuffix, QStringLiteral("clr"));
    QCOMPARE(f.form->ColorDialog1().name, QStringLiteral("ColorDialog1"));
}

void tst_TForm1::tabOrderFollowsTheLayout()
{
    f.form->EnableLists1Click(); // so that every tab stop can take the focus
    QWidget *w = f.child<QWidget>("SetClrBtn");
    w->setFocus();
    QStringList order;
    for (int i = 0; i < 9; ++i) {
        order.append(QApplication::focusWidget()->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(order.mid(0, 6),
             QStringList({"SetClrBtn", "Rval", "Gval", "Bval", "ComboBox1", "AddToLstBtn"}));
    QCOMPARE(order.at(6), QStringLiteral("RadioButton1")); // the checked radio button
    QCOMPARE(order.at(7), QStringLiteral("SetClrBtn"));
}

void tst_TForm1::errorInHandlerShowsBoxAndWindowGoesOn()
{
    auto *grid = f.child<StringGrid>("StringGrid1");
    // Double-clicking the blank row puts an empty text into the hex field, which cannot convert.
    f.form->EnableLists1Click();
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(f.dialogs.errors, QStringList({"'$' is not a valid integer value."}));
    QCOMPARE(f.child<QLineEdit>("Edit1")->text(), QString());

    auto *red = f.child<Edit>("Rval");
    red->selectAll();
    QTest::keyClicks(red, QStringLiteral("16"));
    QCOMPARE(f.child<QLineEdit>("Edit1")->text(), QStringLiteral("#10FFFF"));
}

QTEST_MAIN(tst_TForm1)
#include "tst_tform1.moc"
