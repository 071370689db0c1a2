// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"
#include "app/controls.h"
#include "app/error.h"
#include "scripteddialogs.h"

#include <QSignalSpy>
#include <QTest>

using namespace Tintora;

class tst_Controls : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_dialogs.clear(); }
    void editNotifiesOnlyRealChanges();
    void editNotifiesUserTyping();
    void scrollBarClampsAndNotifiesOnce();
    void scrollBarNotifiesUserMoves();
    void nestedHandlersRunBeforeSetterReturns();
    void radioCheckRunsClickOnlyWhenUnchecked();
    void comboTextFromCodeRunsNothing();
    void comboUserChoiceRunsClickAfterText();
    void errorBoxShowsMessageAndProgramGoesOn();
    void errorFromUserEventEndsOnlyThatHandler();

private:
    ScriptedDialogs m_dialogs;
};

void tst_Controls::editNotifiesOnlyRealChanges()
{
    Edit field;
    field.setText(QStringLiteral("255"));
    int calls = 0;
    field.onChange = [&] { ++calls; };
    field.assign(QStringLiteral("255"));
    QCOMPARE(calls, 0);
    field.assign(QStringLiteral("44"));
    QCOMPARE(calls, 1);
    QCOMPARE(field.text(), QStringLiteral("44"));
}

void tst_Controls::editNotifiesUserTyping()
{
    Edit field;
    QStringList seen;
    field.onChange = [&] { seen.append(field.text()); };
    QTest::keyClicks(&field, QStringLiteral("12"));
    QCOMPARE(seen, QStringList({QStringLiteral("1"), QStringLiteral("12")}));
}

void tst_Controls::scrollBarClampsAndNotifiesOnce()
{
    ScrollBar bar;
    bar.setRange(0, 255);
    bar.setValue(255);
    int calls = 0;
    bar.onChange = [&] { ++calls; };
    bar.setPosition(300);
    QCOMPARE(bar.position(), 255);
    QCOMPARE(calls, 0);
    bar.setPosition(255);
    QCOMPARE(calls, 0);
    bar.setPosition(-5);
    QCOMPARE(bar.position(), 0);
    QCOMPARE(calls, 1);
}

void tst_Controls::scrollBarNotifiesUserMoves()
{
    ScrollBar bar;
    bar.setRange(0, 255);
    bar.setPageStep(10);
    bar.resize(193, 17);
    int calls = 0;
    bar.onChange = [&] { ++calls; };
    bar.triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(bar.position(), 10);
    QCOMPARE(calls, 1);
}

void tst_Controls::nestedHandlersRunBeforeSetterReturns()
{
    // A bar writes a field, whose handler writes the bar back: the chain settles at once.
    ScrollBar bar;
    bar.setRange(0, 255);
    Edit field;
    QStringList order;
    bar.onChange = [&] {
        order.append(QStringLiteral("bar"));
        field.assign(QString::number(bar.position()));
        order.append(QStringLiteral("bar done"));
    };
    field.onChange = [&] {
        order.append(QStringLiteral("field"));
        bar.setPosition(field.text().toInt());
    };
    bar.setPosition(128);
    QCOMPARE(order,
             QStringList(
                     {QStringLiteral("bar"), QStringLiteral("field"), QStringLiteral("bar done")}));
    QCOMPARE(field.text(), QStringLiteral("128"));
}

void tst_Controls::radioCheckRunsClickOnlyWhenUnchecked()
{
    QWidget parent;
    RadioButton first(QStringLiteral("one"), &parent);
    RadioButton second(QStringLiteral("two"), &parent);
    first.setChecked(true);
    int firstClicks = 0;
    int secondClicks = 0;
    first.onClick = [&] { ++firstClicks; };
    second.onClick = [&] { ++secondClicks; };
    first.check();
    QCOMPARE(firstClicks, 0);
    second.check();
    QCOMPARE(secondClicks, 1);
    QVERIFY(!first.isChecked());
    QCOMPARE(firstClicks, 0); // siblings are unchecked silently
}

void tst_Controls::comboTextFromCodeRunsNothing()
{
    ComboBox combo;
    combo.addItems({QStringLiteral("Sky"), QStringLiteral("Sea")});
    int clicks = 0;
    combo.onClick = [&] { ++clicks; };
    combo.setText(QStringLiteral("typed"));
    combo.setCurrentIndex(1);
    QCOMPARE(clicks, 0);
    QCOMPARE(combo.text(), QStringLiteral("Sea"));
}

void tst_Controls::comboUserChoiceRunsClickAfterText()
{
    ComboBox combo;
    combo.addItems({QStringLiteral("Sky"), QStringLiteral("Sea")});
    combo.setCurrentIndex(-1);
    combo.setText(QString());
    QString textAtClick;
    combo.onClick = [&] { textAtClick = combo.text(); };
    combo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&combo));
    QTest::keyClick(&combo, Qt::Key_Down); // the user steps to an item
    QCOMPARE(textAtClick, combo.itemText(combo.currentIndex()));
    QVERIFY(!textAtClick.isEmpty());
}

void tst_Controls::errorBoxShowsMessageAndProgramGoesOn()
{
    bool after = false;
    Application::runHandler(nullptr, [] { throw ConvertError(QStringLiteral("'x' is bad")); });
    Application::runHandler(nullptr, [&] { after = true; });
    QCOMPARE(m_dialogs.errors, QStringList({QStringLiteral("'x' is bad.")}));
    QVERIFY(after);
}

void tst_Controls::errorFromUserEventEndsOnlyThatHandler()
{
    Edit field;
    QStringList steps;
    field.onChange = [&] {
        steps.append(QStringLiteral("before"));
        throw ConvertError(QStringLiteral("'%1' is not a valid integer value").arg(field.text()));
    };
    QTest::keyClicks(&field, QStringLiteral("ab"));
    QCOMPARE(steps.size(), 2); // each keystroke is its own event
    QCOMPARE(m_dialogs.errors,
             QStringList({QStringLiteral("'a' is not a valid integer value."),
                          QStringLiteral("'ab' is not a valid integer value.")}));
    QCOMPARE(field.text(), QStringLiteral("ab")); // what changed before the error stays
}

QTEST_MAIN(tst_Controls)
#include "tst_controls.moc"
