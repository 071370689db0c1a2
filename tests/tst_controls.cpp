// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"
#include "app/controls.h"
#include "core/error.h"
#include "scripteddialogs.h"

#include <QHelpEvent>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

using namespace Tintora;

// Qt's silent setters are out of reach through our controls: a value set from code always
// goes through the notifying one.
template<typename T>
concept SetsTextSilently = requires(T &control)
{
    control.setText(QString());
};
template<typename T>
concept SetsValueSilently = requires(T &control)
{
    control.setValue(1);
};
template<typename T>
concept ChecksSilently = requires(T &control)
{
    control.setChecked(true);
};
static_assert(!SetsTextSilently<Edit> && SetsTextSilently<QLineEdit>);
static_assert(!SetsValueSilently<ScrollBar> && SetsValueSilently<QScrollBar>);
static_assert(!ChecksSilently<RadioButton> && ChecksSilently<QRadioButton>);

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
    void errorBoxShortensHugeMessagesAndLogsThem();
    void windowFilterSeesOnlyItsOwnWindow();

private:
    ScriptedDialogs m_dialogs;
};

void tst_Controls::editNotifiesOnlyRealChanges()
{
    Edit field(QStringLiteral("255"));
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
    ScrollBar bar(0, 255, 255);
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
    ScrollBar bar(0, 255, 0);
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
    ScrollBar bar(0, 255, 0);
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
    RadioButton first(QStringLiteral("one"), true, &parent);
    RadioButton second(QStringLiteral("two"), false, &parent);
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

void tst_Controls::errorBoxShortensHugeMessagesAndLogsThem()
{
    // A huge number pasted into a field: the box keeps both ends of the message.
    const QString digits(5000, u'7');
    const QString message = QStringLiteral("'%1' is not a valid integer value").arg(digits);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^'7+\u2026")));
    Application::runHandler(nullptr, [&] { throw ConvertError(message); });
    QCOMPARE(m_dialogs.errors.size(), 1);
    const QString shown = m_dialogs.errors.constFirst();
    QCOMPARE(shown.size(), Application::kMaxMessageLength + 1);
    QVERIFY(shown.startsWith(QStringLiteral("'777")));
    QVERIFY(shown.endsWith(QStringLiteral("7' is not a valid integer value.")));
    QVERIFY(shown.contains(QChar(0x2026)));

    m_dialogs.clear();
    QTest::ignoreMessage(QtWarningMsg, "'x' is bad.");
    Application::runHandler(nullptr, [] { throw ConvertError(QStringLiteral("'x' is bad")); });
    QCOMPARE(m_dialogs.errors, QStringList({QStringLiteral("'x' is bad.")}));
}

void tst_Controls::windowFilterSeesOnlyItsOwnWindow()
{
    QWidget mine;
    auto *early = new QWidget(&mine);
    QWidget other;
    auto *stranger = new QWidget(&other);
    QList<QWidget *> seen;
    WindowEventFilter filter(&mine, [&](QWidget *widget, QEvent *event) {
        if (event->type() == QEvent::ToolTip) {
            seen.append(widget);
            return true;
        }
        return false;
    });
    auto *late = new QWidget(early); // added after the filter, deep inside the window
    for (QWidget *widget : {early, late, stranger}) {
        QHelpEvent tip(QEvent::ToolTip, QPoint(1, 1), QPoint(1, 1));
        QCoreApplication::sendEvent(widget, &tip);
    }
    QCOMPARE(seen, QList<QWidget *>({early, late}));
}

QTEST_MAIN(tst_Controls)
#include "tst_controls.moc"
