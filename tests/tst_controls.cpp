// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"
#include "app/combobox.h"
#include "app/edit.h"
#include "app/radiobutton.h"
#include "app/scrollbar.h"
#include "app/uniformtableview.h"
#include "app/windoweventfilter.h"
#include "core/error.h"
#include "scripteddialogs.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using namespace Tintora;

namespace {

// Rows of two columns, as many as asked, removable from anywhere.
class CountedRows : public QAbstractTableModel
{
public:
    explicit CountedRows(int rows) : m_rows(rows) { }
    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : m_rows;
    }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : 2;
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        return role == Qt::DisplayRole ? QVariant(QString::number(index.row())) : QVariant();
    }
    void removeFirst()
    {
        beginRemoveRows({}, 0, 0);
        --m_rows;
        endRemoveRows();
    }

private:
    int m_rows;
};

} // namespace

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
    void uniformTableFindsRowsByArithmetic();
    void uniformTableFollowsRemovals();
    void dropDownOpensAtTheChosenItem();

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

void tst_Controls::uniformTableFindsRowsByArithmetic()
{
    CountedRows rows(1'000'000);
    UniformTableView view;
    view.setModel(&rows);
    view.verticalHeader()->setDefaultSectionSize(20);
    view.setSelectionBehavior(QAbstractItemView::SelectRows);
    view.resize(240, 230);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCOMPARE(view.verticalHeader()->count(), 0); // nothing kept for each row
    const int visible = view.viewport()->height() / 20;
    QCOMPARE(view.verticalScrollBar()->maximum(), 1'000'000 - visible);

    const QModelIndex middle = rows.index(500'000, 1);
    view.scrollTo(middle);
    const QRect cell = view.visualRect(middle);
    QVERIFY(view.viewport()->rect().contains(cell));
    QCOMPARE(cell.height(), 20);
    QCOMPARE(view.indexAt(cell.center()), middle);
    QCOMPARE(view.indexAt(QPoint(cell.center().x(), -1)), QModelIndex());

    // A click selects its row; the keys move by rows and pages, and to the ends.
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(view.currentIndex(), middle);
    QVERIFY(view.selectionModel()->isRowSelected(500'000, {}));
    QTest::keyClick(&view, Qt::Key_PageDown);
    QCOMPARE(view.currentIndex().row(), 500'000 + visible);
    QTest::keyClick(&view, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(view.currentIndex().row(), 999'999);
    QVERIFY(view.viewport()->rect().contains(view.visualRect(view.currentIndex())));
    QTest::keyClick(&view, Qt::Key_Up);
    QCOMPARE(view.currentIndex().row(), 999'998);
    QTest::keyClick(&view, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(view.currentIndex(), rows.index(0, 0));
    QCOMPARE(view.verticalScrollBar()->value(), 0);
}

void tst_Controls::uniformTableFollowsRemovals()
{
    CountedRows rows(100);
    UniformTableView view;
    view.setModel(&rows);
    view.verticalHeader()->setDefaultSectionSize(20);
    view.resize(240, 230);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.scrollToBottom();
    const int maximum = view.verticalScrollBar()->maximum();
    QCOMPARE(view.verticalScrollBar()->value(), maximum);
    const QModelIndex last = rows.index(99, 0);
    view.setCurrentIndex(last); // the view keeps the current entry in sight
    const QRect before = view.visualRect(last);
    rows.removeFirst();
    // The bar loses a step, and the rows below the removed one move up by one.
    QCOMPARE(view.verticalScrollBar()->maximum(), maximum - 1);
    QCOMPARE(view.visualRect(rows.index(98, 0)), before);
}

void tst_Controls::dropDownOpensAtTheChosenItem()
{
    QStringList names;
    for (int i = 0; i < 100'000; ++i)
        names.append(QStringLiteral("Name %1").arg(i));
    ComboBox combo;
    combo.addItems(names);
    combo.setCurrentIndex(54'321);
    int clicks = 0;
    combo.onClick = [&] { ++clicks; };
    combo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&combo));
    combo.showPopup();
    QAbstractItemView *list = combo.view();
    QTRY_VERIFY(list->isVisible());
    QCOMPARE(list->currentIndex().row(), 54'321);
    const QRect chosen = list->visualRect(list->currentIndex());
    QVERIFY(list->viewport()->rect().contains(chosen));
    // The next item, picked with the keys, becomes the box's.
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    QTRY_VERIFY(!list->isVisible());
    QCOMPARE(combo.currentIndex(), 54'322);
    QCOMPARE(combo.text(), QStringLiteral("Name 54322"));
    QCOMPARE(clicks, 1);
}

QTEST_MAIN(tst_Controls)
#include "tst_controls.moc"
