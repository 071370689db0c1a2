// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/controls.h"
#include "formfixture.h"
#include "lists/colorlistmodel.h"

#include <QAction>
#include <QPushButton>

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

private:
    void setColor(const QString &hex);
    void add(const QString &name, const QString &hex);
    void clickButton(const char *name)
    {
        QTest::mouseClick(f.child<QPushButton>(name), Qt::LeftButton);
    }
    ComboBox *nameBox() const { return f.child<ComboBox>("ComboBox1"); }
    QString hexText() const { return f.child<QLineEdit>("Edit1")->text(); }
    ColorListModel *model() const { return f.form->colorList(); }
    void verifyInStep();

    FormFixture f;
};

void tst_ListHandlers::init()
{
    f.create();
    f.form->EnableLists1Click();
}

void tst_ListHandlers::setColor(const QString &hex)
{
    // Through the decimal fields, as a user would.
    const Color::Components c = Color::parseHex(hex);
    for (auto [name, value] : {std::pair {"Rval", c.red}, {"Gval", c.green}, {"Bval", c.blue}}) {
        Edit *field = f.child<Edit>(name);
        field->selectAll();
        QTest::keyClicks(field, QString::number(value));
    }
    QCOMPARE(hexText(), hex);
}

void tst_ListHandlers::add(const QString &name, const QString &hex)
{
    setColor(hex);
    nameBox()->lineEdit()->selectAll();
    QTest::keyClicks(nameBox()->lineEdit(), name);
    clickButton("AddToLstBtn");
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

    add(QStringLiteral("Sky"), QStringLiteral("#87CEEB"));
    item->trigger();
    QCOMPARE(item->text(), QStringLiteral("Enable &Lists"));
    QVERIFY(!nameBox()->isVisible());
    QVERIFY(!f.child<QAction>("Save1")->isEnabled());
    QVERIFY(!f.child<QPushButton>("AddToLstBtn")->isEnabled());
    QCOMPARE(model()->list().count(), 1); // the contents are left alone
}

void tst_ListHandlers::addWithoutNameWarns()
{
    clickButton("AddToLstBtn");
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
    add(QStringLiteral("Sky"), QStringLiteral("#87CEEB"));
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
    add(QStringLiteral("Sky"), QStringLiteral("#87CEEB"));
    clickButton("DelFrLstBtn");
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
    add(QStringLiteral("Red"), QStringLiteral("#FF0000"));
    add(QStringLiteral("Green"), QStringLiteral("#00FF00"));
    add(QStringLiteral("Blue"), QStringLiteral("#0000FF"));

    nameBox()->setCurrentIndex(chosen);
    f.form->ComboBox1Click();
    clickButton("DelFrLstBtn");
    QCOMPARE(model()->list().names(), left);
    QCOMPARE(nameBox()->text(), shownName);
    QCOMPARE(hexText(), shownHex);
    QCOMPARE(nameBox()->currentIndex(), left.indexOf(shownName));
    verifyInStep();
}

void tst_ListHandlers::deleteWithoutNameWarns()
{
    add(QStringLiteral("Sky"), QStringLiteral("#87CEEB"));
    nameBox()->setText(QString());
    clickButton("DelFrLstBtn");
    QCOMPARE(f.dialogs.messages.size(), 1);
    QCOMPARE(f.dialogs.messages[0].text,
             QStringLiteral(
                     "There is no currently displayed custom color to delete from the list."));
    QCOMPARE(model()->list().count(), 1);
}

void tst_ListHandlers::deleteTypedNameRemovesFirstOfThatName()
{
    add(QStringLiteral("Sea"), QStringLiteral("#2E8B57"));
    add(QStringLiteral("Sky"), QStringLiteral("#87CEEB"));
    add(QStringLiteral("Sea"), QStringLiteral("#006994"));
    nameBox()->setCurrentIndex(1);
    nameBox()->lineEdit()->selectAll();
    QTest::keyClicks(nameBox()->lineEdit(), QStringLiteral("Sea")); // typed over "Sky"
    clickButton("DelFrLstBtn");
    QCOMPARE(model()->list().names(), QStringList({"Sky", "Sea"}));
    QCOMPARE(model()->list().hex(1), QStringLiteral("#006994"));
    verifyInStep();
}

void tst_ListHandlers::deleteUnknownTypedNameChangesNothing()
{
    add(QStringLiteral("Sky"), QStringLiteral("#87CEEB"));
    const int rows = model()->rowCount();
    nameBox()->lineEdit()->selectAll();
    QTest::keyClicks(nameBox()->lineEdit(), QStringLiteral("Unknown"));
    clickButton("DelFrLstBtn");
    QCOMPARE(f.dialogs.messages.size(), 1);
    QCOMPARE(f.dialogs.messages[0].type, Dialogs::Type::Warning);
    QCOMPARE(model()->rowCount(), rows);
    verifyInStep();
}

void tst_ListHandlers::laterDuplicateWins()
{
    add(QStringLiteral("First"), QStringLiteral("#102030"));
    add(QStringLiteral("Second"), QStringLiteral("#102030"));
    setColor(QStringLiteral("#000000"));
    QCOMPARE(nameBox()->text(), QString()); // a field change clears the name
    setColor(QStringLiteral("#102030"));
    QCOMPARE(nameBox()->text(), QStringLiteral("Second"));
    QCOMPARE(nameBox()->currentIndex(), 1);
}

void tst_ListHandlers::matchIgnoresCaseAfterInPlaceEdit()
{
    add(QStringLiteral("Sky"), QStringLiteral("#87CEEB"));
    add(QStringLiteral("Other"), QStringLiteral("#000001"));
    auto *grid = f.child<StringGrid>("StringGrid1");
    // The user edits the second entry's value in place, in lowercase.
    QVERIFY(grid->model()->setData(grid->model()->index(1, 1), QStringLiteral("#abcdef")));
    setColor(QStringLiteral("#ABCDEF"));
    QCOMPARE(nameBox()->text(), QStringLiteral("Other"));
    // And renames the first one in place: the name box follows.
    QVERIFY(grid->model()->setData(grid->model()->index(0, 0), QStringLiteral("Heaven")));
    QCOMPARE(nameBox()->itemText(0), QStringLiteral("Heaven"));
    setColor(QStringLiteral("#87CEEB"));
    QCOMPARE(nameBox()->text(), QStringLiteral("Heaven"));
}

void tst_ListHandlers::noMatchKeepsTheNameBoxText()
{
    add(QStringLiteral("Sky"), QStringLiteral("#87CEEB"));
    setColor(QStringLiteral("#FFFFFF"));
    nameBox()->setText(QStringLiteral("typed"));
    // Re-selecting the background changes no field, so only the (failed) match could touch it.
    QTest::mouseClick(f.child<QRadioButton>("RadioButton1"), Qt::LeftButton);
    QCOMPARE(nameBox()->text(), QStringLiteral("typed"));
    // A changed field clears it.
    setColor(QStringLiteral("#FFFFFE"));
    QCOMPARE(nameBox()->text(), QString());
}

void tst_ListHandlers::choosingByNameAndByGrid()
{
    add(QStringLiteral("Red"), QStringLiteral("#FF0000"));
    add(QStringLiteral("Green"), QStringLiteral("#00FF00"));
    setColor(QStringLiteral("#FFFFFF"));

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
    clickButton("ViewLstBtn");
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
        add(names[i], Color::buildHex(Color::pack(i, i, i)));
    verifyInStep();
    for (int chosen : {4, 0, 1}) {
        nameBox()->setCurrentIndex(chosen);
        f.form->ComboBox1Click();
        clickButton("DelFrLstBtn");
        verifyInStep();
    }
    add(QStringLiteral("F"), QStringLiteral("#123456"));
    verifyInStep();
    QCOMPARE(model()->list().names(), QStringList({"B", "D", "F"}));
}

QTEST_MAIN(tst_ListHandlers)
#include "tst_listhandlers.moc"
