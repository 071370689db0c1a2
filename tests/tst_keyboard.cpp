// SPDX-License-Identifier: GPL-3.0-or-later
// Every command without a mouse: keys pressed on whatever has the focus, menus opened with
// Alt and their underlined letters, and the tab order the window was designed with.
#include "app/application.h"
#include "app/combobox.h"
#include "app/edit.h"
#include "color/notation.h"
#include "formfixture.h"
#include "lists/colorlistmodel.h"
#include "lists/listfind.h"
#include "ui/contrastchecker.h"
#include "ui/findbar.h"
#include "ui/helpwindow.h"
#include "ui/pickeroverlay.h"
#include "ui/screenpicker.h"
#include "ui/taboutbox.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>

using namespace Tintora;

namespace {

// The letter that & marks in a caption, or none.
QChar mnemonic(const QString &caption)
{
    const qsizetype at = caption.indexOf(u'&');
    return at >= 0 && at + 1 < caption.size() ? caption.at(at + 1).toUpper() : QChar();
}

QWidget *focused()
{
    return QApplication::focusWidget();
}

QString focusedName()
{
    QWidget *widget = focused();
    return widget ? widget->objectName() : QString();
}

} // namespace

class tst_Keyboard : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void tabOrderIsTheDesign_data();
    void tabOrderIsTheDesign();
    void everyMenuItemHasAKey();
    void menusOpenWithAltAndTheirLetters_data();
    void menusOpenWithAltAndTheirLetters();
    void sampleButtonsFollowTheArrows();
    void fullListByKeysArrowsAndEnter();
    void deletesFromListByKeys();
    void findsByKeys();
    void contrastCheckerOpensWithCtrlKAndClosesWithEsc();
    void helpOpensWithF1AndClosesWithEsc();
    void shortcutsRunTheirCommands();
    void helpListsEveryKey();
    void picksFromTheScreenByKeys();
    void aboutBoxShowsTheAddressByKeys();

private:
    // Opens a menu of the menu bar with Alt and its letter, then chooses an item by its letter.
    void chooseByKeys(Qt::Key menuKey, Qt::Key itemKey);
    void addEntries();

    FormFixture f;
};

void tst_Keyboard::initTestCase()
{
    Application::setHelpFile(QStringLiteral("tra32r10.HLP"));
    QApplication::setQuitOnLastWindowClosed(false);
}

void tst_Keyboard::init()
{
    f.create(96, true);
}

void tst_Keyboard::cleanup()
{
    if (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
    if (QTextBrowser *help = Help::window())
        help->close();
    f.destroy();
    VERIFY_NO_SURPRISES(f.dialogs);
}

void tst_Keyboard::chooseByKeys(Qt::Key menuKey, Qt::Key itemKey)
{
    QTest::keyClick(focused(), menuKey, Qt::AltModifier);
    QWidget *menu = QApplication::activePopupWidget();
    QVERIFY2(menu, "Alt and the menu's letter opened no menu");
    QTest::keyClick(menu, itemKey);
    QTRY_VERIFY(!QApplication::activePopupWidget());
}

void tst_Keyboard::addEntries()
{
    f.addEntry(QStringLiteral("Sky"), QStringLiteral("#87CEEB"));
    f.addEntry(QStringLiteral("Tomato"), QStringLiteral("#FF6347"));
    f.addEntry(QStringLiteral("Olive"), QStringLiteral("#808000"));
}

void tst_Keyboard::tabOrderIsTheDesign_data()
{
    QTest::addColumn<bool>("lists");
    QTest::addColumn<QStringList>("order");
    // The sample buttons are one stop: the arrows move among them.
    QTest::newRow("lists off") << false
                               << QStringList {"SetClrBtn", "Rval", "Gval", "Bval", "RadioButton1"};
    QTest::newRow("lists on") << true
                              << QStringList {"SetClrBtn", "Rval",        "Gval",        "Bval",
                                              "ComboBox1", "AddToLstBtn", "RadioButton1"};
}

void tst_Keyboard::tabOrderIsTheDesign()
{
    QFETCH(bool, lists);
    QFETCH(QStringList, order);
    if (lists)
        f.enableLists();
    f.child("SetClrBtn")->setFocus();
    QCOMPARE(focusedName(), QStringLiteral("SetClrBtn"));
    QStringList forward {focusedName()};
    for (qsizetype i = 1; i < order.size() + 1; ++i) {
        QTest::keyClick(focused(), Qt::Key_Tab);
        forward << focusedName();
    }
    QCOMPARE(forward, order + QStringList {order.first()}); // and round again
    QStringList backward {focusedName()};
    for (qsizetype i = 1; i < order.size() + 1; ++i) {
        QTest::keyClick(focused(), Qt::Key_Backtab);
        backward.prepend(focusedName());
    }
    // Shift+Tab goes the same way back: read from its end, it is the forward order.
    QCOMPARE(backward, order + QStringList {order.first()});

    // What the tab order passes by is kept out of it, as designed.
    for (const char *name : {"DelFrLstBtn", "ViewLstBtn", "Edit1", "StringGrid1"})
        QCOMPARE(f.child(name)->focusPolicy(), Qt::ClickFocus);
    for (const char *name : {"RScrollBar1", "gScrollBar1", "bScrollBar1"})
        QCOMPARE(f.child(name)->focusPolicy(), Qt::NoFocus);
}

void tst_Keyboard::everyMenuItemHasAKey()
{
    // Each menu opens with Alt and a letter of its own; each item in it has a letter of its own
    // there, or a shortcut.
    QSet<QChar> menuLetters;
    for (QAction *title : f.form->menuBar()->actions()) {
        const QChar letter = mnemonic(title->text());
        QVERIFY2(!letter.isNull(), qPrintable(title->text()));
        QVERIFY2(!menuLetters.contains(letter), qPrintable(title->text()));
        menuLetters.insert(letter);
        QSet<QChar> itemLetters;
        for (QAction *item : title->menu()->actions()) {
            if (item->isSeparator())
                continue;
            const QChar itemLetter = mnemonic(item->text());
            QVERIFY2(!itemLetter.isNull() || !item->shortcut().isEmpty(), qPrintable(item->text()));
            if (!itemLetter.isNull()) {
                QVERIFY2(!itemLetters.contains(itemLetter), qPrintable(item->text()));
                itemLetters.insert(itemLetter);
            }
        }
    }
}

void tst_Keyboard::menusOpenWithAltAndTheirLetters_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("menu");
    QTest::newRow("File") << int(Qt::Key_F) << QStringLiteral("File1");
    QTest::newRow("Edit") << int(Qt::Key_E) << QStringLiteral("Edit2");
    QTest::newRow("Options") << int(Qt::Key_O) << QStringLiteral("Options1");
    QTest::newRow("Help") << int(Qt::Key_H) << QStringLiteral("Help1");
}

void tst_Keyboard::menusOpenWithAltAndTheirLetters()
{
    QFETCH(int, key);
    QFETCH(QString, menu);
    f.child("Rval")->setFocus(); // also from a text field
    QTest::keyClick(focused(), Qt::Key(key), Qt::AltModifier);
    QWidget *popup = QApplication::activePopupWidget();
    QVERIFY(popup);
    QCOMPARE(popup->objectName(), menu);
    QTest::keyClick(popup, Qt::Key_Escape);
    QTRY_VERIFY(!QApplication::activePopupWidget());
}

void tst_Keyboard::sampleButtonsFollowTheArrows()
{
    f.child("RadioButton1")->setFocus();
    QTest::keyClick(focused(), Qt::Key_Down);
    QCOMPARE(focusedName(), QStringLiteral("RadioButton2"));
    QCOMPARE(f.form->activeTarget(), Color::SampleTarget::TextSample1);
    QTest::keyClick(focused(), Qt::Key_Down);
    QCOMPARE(f.form->activeTarget(), Color::SampleTarget::TextSample2);
    // The fields now set the second sentence's color.
    QTest::keyClick(focused(), Qt::Key_Tab);
    QCOMPARE(focusedName(), QStringLiteral("SetClrBtn"));
    QTest::keyClick(focused(), Qt::Key_Tab);
    auto *red = static_cast<QLineEdit *>(focused());
    red->selectAll();
    QTest::keyClicks(red, QStringLiteral("200"));
    QCOMPARE(f.form->sample2Color(), Color::pack(200, 0, 0));
    f.child("RadioButton3")->setFocus();
    QTest::keyClick(focused(), Qt::Key_Up);
    QTest::keyClick(focused(), Qt::Key_Up);
    QCOMPARE(f.form->activeTarget(), Color::SampleTarget::Background);
}

void tst_Keyboard::fullListByKeysArrowsAndEnter()
{
    addEntries();
    f.child("Rval")->setFocus();
    chooseByKeys(Qt::Key_O, Qt::Key_F); // Options > View Full List
    QVERIFY(f.form->fullListOpen());
    QCOMPARE(focusedName(), QStringLiteral("StringGrid1"));
    // It opens on the entry the name box shows, the last one added.
    QTest::keyClick(focused(), Qt::Key_Up);
    QTest::keyClick(focused(), Qt::Key_Return);
    QCOMPARE(f.child<ComboBox>("ComboBox1")->currentText(), QStringLiteral("Tomato"));
    QCOMPARE(f.child<Edit>("Edit1")->text(), QStringLiteral("#FF6347"));
    QCOMPARE(f.form->backgroundColor(), Color::pack(0xFF, 0x63, 0x47));
    // The same item closes it again.
    chooseByKeys(Qt::Key_O, Qt::Key_F);
    QVERIFY(!f.form->fullListOpen());
}

void tst_Keyboard::deletesFromListByKeys()
{
    addEntries();
    QCOMPARE(f.form->colorList()->list().count(), 3);
    QCOMPARE(f.child<ComboBox>("ComboBox1")->currentText(), QStringLiteral("Olive"));
    f.child("SetClrBtn")->setFocus();
    chooseByKeys(Qt::Key_E, Qt::Key_D); // Edit > Delete From List
    QCOMPARE(f.form->colorList()->list().count(), 2);
    QVERIFY(f.form->colorList()->list().findNext(ListFind::parse(QStringLiteral("Olive")), 0) < 0);
}

void tst_Keyboard::findsByKeys()
{
    addEntries();
    f.child("Gval")->setFocus();
    QTest::keyClick(focused(), Qt::Key_F, Qt::ControlModifier);
    auto *bar = f.form->findChild<FindBar *>();
    QVERIFY(bar && bar->isVisible());
    // A tool window counts as active with its main window: wait for the focus itself.
    QTRY_COMPARE(focusedName(), QStringLiteral("FindText"));
    // The search starts at the entry the name box shows, the last one added.
    QTest::keyClicks(focused(), QStringLiteral("o"));
    QCOMPARE(f.child<ComboBox>("ComboBox1")->currentText(), QStringLiteral("Olive"));
    QTest::keyClick(focused(), Qt::Key_Return); // Find Next, round to the top
    QCOMPARE(f.child<ComboBox>("ComboBox1")->currentText(), QStringLiteral("Tomato"));
    QCOMPARE(f.child<Edit>("Edit1")->text(), QStringLiteral("#FF6347"));
    // The button's own letter; the button shows itself pressed for a moment first.
    QTest::keyClick(focused(), Qt::Key_N, Qt::AltModifier);
    QTRY_COMPARE(f.child<ComboBox>("ComboBox1")->currentText(), QStringLiteral("Olive"));
    QTest::keyClick(bar->focusWidget(), Qt::Key_Escape);
    QVERIFY(!bar->isVisible());
    QTRY_COMPARE(QApplication::activeWindow(), f.form.get());
    // Also from the menu.
    chooseByKeys(Qt::Key_E, Qt::Key_F);
    QVERIFY(bar->isVisible());
    bar->close();
}

void tst_Keyboard::contrastCheckerOpensWithCtrlKAndClosesWithEsc()
{
    f.child("Bval")->setFocus();
    QTest::keyClick(focused(), Qt::Key_K, Qt::ControlModifier);
    auto *checker = f.form->findChild<ContrastChecker *>();
    QVERIFY(checker && checker->isVisible());
    // The keys go to the checker at once, and again when it is open behind the main window.
    QTRY_COMPARE(QApplication::activeWindow(), checker);
    QVERIFY(focused() && focused()->window() == checker);
    activateAsTheUser(f.form.get());
    QTRY_COMPARE(QApplication::activeWindow(), f.form.get());
    QTest::keyClick(focused(), Qt::Key_K, Qt::ControlModifier);
    QTRY_COMPARE(QApplication::activeWindow(), checker);
    QVERIFY(focused() && focused()->window() == checker);
    // Its controls are reached by Tab; a strip moves with the arrows; a button runs with Space.
    QSet<QString> reached;
    QWidget *start = nullptr;
    for (int i = 0; i < 60; ++i) {
        QTest::keyClick(focused() ? focused() : checker, Qt::Key_Tab);
        if (!focused() || focused()->window() != checker)
            break;
        if (focused() == start)
            break;
        if (!start)
            start = focused();
        reached.insert(focusedName());
    }
    for (const char *name : {"BackgroundPick", "BackgroundStrip", "Sample1Pick", "Sample1Strip",
                             "Sample2Pick", "Sample2Strip", "CopyReport"})
        QVERIFY2(reached.contains(QLatin1String(name)), name);

    auto *strip = checker->findChild<QWidget *>(QStringLiteral("Sample1Strip"));
    strip->setFocus();
    const Color::ColorValue before = f.form->sample1Color();
    QTest::keyClick(strip, Qt::Key_End);
    QVERIFY(f.form->sample1Color() != before);
    QCOMPARE(f.form->activeTarget(), Color::SampleTarget::TextSample1);

    auto *copy = checker->findChild<QPushButton *>(QStringLiteral("CopyReport"));
    copy->setFocus();
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(copy, Qt::Key_Space);
    QCOMPARE(QGuiApplication::clipboard()->text(), checker->report());

    QTest::keyClick(focused(), Qt::Key_Escape);
    QVERIFY(!checker->isVisible());
    // The main window has the keys back.
    QTRY_COMPARE(QApplication::activeWindow(), f.form.get());
    QVERIFY(focused() && focused()->window() == f.form.get());
}

void tst_Keyboard::helpOpensWithF1AndClosesWithEsc()
{
    f.child("Rval")->setFocus();
    QTest::keyClick(focused(), Qt::Key_F1);
    QPointer<QTextBrowser> help = Help::window();
    QVERIFY(help && help->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(help));
    // Its links are reached by Tab and followed with Enter.
    QTest::keyClick(help, Qt::Key_Tab);
    QTest::keyClick(help, Qt::Key_Return);
    QTRY_VERIFY(help->source().fileName() != QLatin1String("index.html"));
    QTest::keyClick(help, Qt::Key_Escape);
    QTRY_VERIFY(!help || !help->isVisible());
}

void tst_Keyboard::shortcutsRunTheirCommands()
{
    f.setColor(QStringLiteral("#123456"));
    f.child("Gval")->setFocus();
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(focused(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("#123456"));

    QGuiApplication::clipboard()->setText(QStringLiteral("tomato"));
    QTest::keyClick(focused(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(f.form->backgroundColor(), Color::pack(0xFF, 0x63, 0x47));

    // Copy As and the rest of Edit by their letters.
    QTest::keyClick(focused(), Qt::Key_E, Qt::AltModifier);
    auto *edit = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(edit);
    QTest::keyClick(edit, Qt::Key_C); // Copy to Clipboard
    QTRY_VERIFY(!QApplication::activePopupWidget());
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("#FF6347"));
    QTest::keyClick(focused(), Qt::Key_E, Qt::AltModifier);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_A); // Copy As
    QTRY_COMPARE(QApplication::activePopupWidget(), f.child<QMenu>("CopyAs1"));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_K); // Oklch
    QTRY_VERIFY(!QApplication::activePopupWidget());
    QCOMPARE(QGuiApplication::clipboard()->text(),
             Notation::format(Color::pack(0xFF, 0x63, 0x47), Notation::Form::Oklch));

    // Ctrl+P starts picking from the screen (its keys are the screen picker's own tests').
    QCOMPARE(f.action("PickScreen1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));

    QSignalSpy exits(f.action("Exit1"), &QAction::triggered);
    QTest::keyClick(focused(), Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(exits.count(), 1);
}

void tst_Keyboard::helpListsEveryKey()
{
    const auto page = [](const char *name) {
        QFile file(QStringLiteral(":/help/tra32r10/") + QLatin1String(name));
        if (!file.open(QIODevice::ReadOnly))
            qFatal("no help page %s", name);
        return QString::fromUtf8(file.readAll());
    };
    const QString keys = page("index.html");
    const QString commands = page("commands.html");
    // Every shortcut of the menus in the keys table, and beside its command.
    for (QAction *title : f.form->menuBar()->actions()) {
        for (QAction *item : title->menu()->actions()) {
            if (item->shortcut().isEmpty())
                continue;
            const QString key = item->shortcut().toString(QKeySequence::PortableText);
            QVERIFY2(keys.contains(QStringLiteral("<td class=\"key\">%1</td>").arg(key)),
                     qPrintable(key));
            const QString caption = QString(item->text()).remove(u'&');
            QVERIFY2(commands.contains(QStringLiteral("%1   %2").arg(caption, key)),
                     qPrintable(caption));
        }
    }
    // The commands the tab order passes by, with the letters that reach them.
    for (const char *entry : {"Delete From List   Alt+E, D", "View Full List   Alt+O, F"})
        QVERIFY2(commands.contains(QLatin1String(entry)), entry);
    for (const char *entry : {"Alt+O, F", "Alt+E, D", "Esc", "Tab, Shift+Tab"})
        QVERIFY2(keys.contains(
                         QStringLiteral("<td class=\"key\">%1</td>").arg(QLatin1String(entry))),
                 entry);
    // And the letters they stand for are the items' own.
    QCOMPARE(mnemonic(f.action("DeleteFromList1")->text()), QChar(u'D'));
    QCOMPARE(mnemonic(f.action("ViewFullList1")->text()), QChar(u'F'));
}

void tst_Keyboard::picksFromTheScreenByKeys()
{
    // A sample in a color of its own, picked by Ctrl+P, the arrows and Enter.
    QTest::mouseClick(f.child("RadioButton2"), Qt::LeftButton);
    auto *field = f.child("Gval");
    field->setFocus();
    QTest::keyClick(field, Qt::Key_P, Qt::ControlModifier);
    auto *picker = f.form->findChild<ScreenPicker *>();
    QVERIFY(picker);
    QVERIFY(!picker->overlays().isEmpty());
    PickerOverlay *overlay = picker->overlays().constFirst();
    QVERIFY(overlay->isVisible());
    QVERIFY(overlay->crosshair());
    const QPoint start = *overlay->crosshair();
    QTest::keyClick(overlay, Qt::Key_Right);
    QTest::keyClick(overlay, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(*overlay->crosshair(), start + QPoint(1, 10));
    const QString hex = overlay->hexText();
    QTest::keyClick(overlay, Qt::Key_Return);
    QTRY_VERIFY(picker->overlays().isEmpty());
    QCOMPARE(Color::buildHex(f.form->sample1Color()), hex);

    // Esc leaves every color as it was.
    const Color::ColorValue before = f.form->sample1Color();
    f.child("Gval")->setFocus();
    QTest::keyClick(f.child("Gval"), Qt::Key_P, Qt::ControlModifier);
    QVERIFY(!picker->overlays().isEmpty());
    QTest::keyClick(picker->overlays().constFirst(), Qt::Key_Escape);
    QTRY_VERIFY(picker->overlays().isEmpty());
    QCOMPARE(f.form->sample1Color(), before);
}

void tst_Keyboard::aboutBoxShowsTheAddressByKeys()
{
    // The maker's line and the address take no focus; Alt+A does what clicking them does.
    TAboutBox box(nullptr, 96);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    auto *address = box.findChild<QWidget *>(QStringLiteral("Label1"));
    QVERIFY(address);
    QVERIFY(!address->isVisible());
    QTest::keyClick(box.focusWidget(), Qt::Key_A, Qt::AltModifier);
    QVERIFY(address->isVisible());
    QTest::keyClick(box.focusWidget(), Qt::Key_A, Qt::AltModifier);
    QVERIFY(!address->isVisible());
    // Esc closes the box as OK does.
    QTest::keyClick(box.focusWidget(), Qt::Key_Escape);
    QVERIFY(!box.isVisible());
}

QTEST_MAIN(tst_Keyboard)
#include "tst_keyboard.moc"
