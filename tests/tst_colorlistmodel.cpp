// SPDX-License-Identifier: GPL-3.0-or-later
// The table model under Qt's own model checker, through every kind of change the window makes,
// and its rules for editing in place.
#include "lists/colorlistmodel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using namespace Tintora;

class tst_ColorListModel : public QObject
{
    Q_OBJECT
private slots:
    void passesTheModelCheckerThroughEveryChange();
    void editsEntriesInPlaceAndSaysSo();
    void blankRowIsNotEditable();
    void inPlaceEditsStoreLineBreaksAsSpaces();
};

void tst_ColorListModel::passesTheModelCheckerThroughEveryChange()
{
    ColorListModel model;
    QAbstractItemModelTester tableTester(&model,
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);
    QAbstractItemModelTester namesTester(model.namesModel(),
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.append(QStringLiteral("Sky"), QStringLiteral("#87CEEB"));
    model.append(QStringLiteral("Sea"), QStringLiteral("#2E8B57"));
    model.append(QStringLiteral("Sand"), QStringLiteral("#C2B280"));
    QCOMPARE(model.rowCount(), 4);
    QCOMPARE(model.namesModel()->rowCount(), 3);
    model.remove(0);
    model.remove(1);
    QCOMPARE(model.rowCount(), 2);
    QVERIFY(model.setData(model.index(0, 0), QStringLiteral("Ocean"), Qt::EditRole));
    QVERIFY(model.setData(model.index(0, 1), QStringLiteral("#006994"), Qt::EditRole));
    QCOMPARE(model.namesModel()->data(model.namesModel()->index(0), Qt::DisplayRole).toString(),
             QStringLiteral("Ocean"));
    model.assign({"A", "B", "C", "D"}, {"#000001", "#000002", "#000003", "#000004", ""});
    QCOMPARE(model.rowCount(), 5);
    model.assign({}, {});
    QCOMPARE(model.rowCount(), 1);
    model.append(QStringLiteral("Only"), QStringLiteral("#FFFFFF"));
    model.remove(0);
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.namesModel()->rowCount(), 0);
}

void tst_ColorListModel::editsEntriesInPlaceAndSaysSo()
{
    ColorListModel model;
    model.append(QStringLiteral("Sky"), QStringLiteral("#87CEEB"));
    QSignalSpy edited(&model, &ColorListModel::editedInPlace);
    QVERIFY(model.flags(model.index(0, 0)) & Qt::ItemIsEditable);
    QVERIFY(model.flags(model.index(0, 1)) & Qt::ItemIsEditable);
    QVERIFY(model.setData(model.index(0, 0), QStringLiteral("Sky blue"), Qt::EditRole));
    QCOMPARE(edited.count(), 1);
    QVERIFY(model.setData(model.index(0, 1), QStringLiteral("#87ceeb"), Qt::EditRole));
    QCOMPARE(edited.count(), 2);
    QCOMPARE(model.list().hex(0), QStringLiteral("#87ceeb"));
    // Confirming the editor without a change changes nothing.
    QVERIFY(model.setData(model.index(0, 0), QStringLiteral("Sky blue"), Qt::EditRole));
    QCOMPARE(edited.count(), 2);
    // Changes of the list's own commands are not edits in place.
    model.append(QStringLiteral("Sea"), QStringLiteral("#2E8B57"));
    model.remove(0);
    QCOMPARE(edited.count(), 2);
}

void tst_ColorListModel::blankRowIsNotEditable()
{
    ColorListModel model;
    model.append(QStringLiteral("Sky"), QStringLiteral("#87CEEB"));
    QSignalSpy edited(&model, &ColorListModel::editedInPlace);
    const QModelIndex blankName = model.index(1, 0);
    QVERIFY(!(model.flags(blankName) & Qt::ItemIsEditable));
    QVERIFY(!(model.flags(model.index(1, 1)) & Qt::ItemIsEditable));
    QVERIFY(!model.setData(blankName, QStringLiteral("typed"), Qt::EditRole));
    QCOMPARE(model.cell(0, 1), QString());
    QCOMPARE(edited.count(), 0);
    // The next entry still lands there.
    model.append(QStringLiteral("Sea"), QStringLiteral("#2E8B57"));
    QCOMPARE(model.cell(0, 1), QStringLiteral("Sea"));
}

void tst_ColorListModel::inPlaceEditsStoreLineBreaksAsSpaces()
{
    ColorListModel model;
    model.append(QStringLiteral("Sky"), QStringLiteral("#87CEEB"));
    QVERIFY(model.setData(model.index(0, 0), QStringLiteral("Deep\r\nsea"), Qt::EditRole));
    QCOMPARE(model.list().name(0), QStringLiteral("Deep sea"));
}

QTEST_GUILESS_MAIN(tst_ColorListModel)
#include "tst_colorlistmodel.moc"
