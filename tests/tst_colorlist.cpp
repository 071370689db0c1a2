// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/colorlist.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Tintora;

class tst_ColorList : public QObject
{
    Q_OBJECT
private slots:
    void keepsTextsExactly();
    void lastMatchWinsIgnoringCase();
    void removalFallsBackToEarlierDuplicate();
    void editsMoveEntriesBetweenValues();
    void oddTextsMatchOnlyThemselves();
    void assignReplacesEverything();
    void findsFirstByExactName();
    void indexAgreesWithScanAfterRandomChanges();
};

void tst_ColorList::keepsTextsExactly()
{
    ColorList list;
    const QStringList hexes = {"#87CEEB", "#87ceeb", "#ABC", "", "not a color", "#12345G"};
    for (const QString &hex : hexes)
        list.append(QStringLiteral("n"), hex);
    QCOMPARE(list.hexes(), hexes);
    QCOMPARE(list.count(), hexes.size());
}

void tst_ColorList::lastMatchWinsIgnoringCase()
{
    ColorList list;
    list.append(QStringLiteral("Sky"), QStringLiteral("#87CEEB"));
    list.append(QStringLiteral("Red"), QStringLiteral("#FF0000"));
    list.append(QStringLiteral("Sky again"), QStringLiteral("#87ceeb"));
    QCOMPARE(list.lastRowWithHex(QStringLiteral("#87CEEB")), 2);
    QCOMPARE(list.lastRowWithHex(QStringLiteral("#87Ceeb")), 2);
    QCOMPARE(list.lastRowWithHex(QStringLiteral("#FF0000")), 1);
    QCOMPARE(list.lastRowWithHex(QStringLiteral("#000000")), -1);
}

void tst_ColorList::removalFallsBackToEarlierDuplicate()
{
    ColorList list;
    for (const char *name : {"a", "b", "c", "d"})
        list.append(QLatin1String(name), QStringLiteral("#010203"));
    list.remove(3);
    QCOMPARE(list.lastRowWithHex(QStringLiteral("#010203")), 2);
    list.remove(0); // rows move up
    QCOMPARE(list.lastRowWithHex(QStringLiteral("#010203")), 1);
    QCOMPARE(list.name(1), QStringLiteral("c"));
    list.remove(1);
    list.remove(0);
    QCOMPARE(list.lastRowWithHex(QStringLiteral("#010203")), -1);
}

void tst_ColorList::editsMoveEntriesBetweenValues()
{
    ColorList list;
    list.append(QStringLiteral("a"), QStringLiteral("#111111"));
    list.append(QStringLiteral("b"), QStringLiteral("#222222"));
    list.setHex(1, QStringLiteral("#111111"));
    QCOMPARE(list.lastRowWithHex(QStringLiteral("#111111")), 1);
    QCOMPARE(list.lastRowWithHex(QStringLiteral("#222222")), -1);
    list.setHex(1, QStringLiteral("#aaaaaa")); // edited in place, in lowercase
    QCOMPARE(list.lastRowWithHex(QStringLiteral("#AAAAAA")), 1);
    QCOMPARE(list.hex(1), QStringLiteral("#aaaaaa"));
    QCOMPARE(list.lastRowWithHex(QStringLiteral("#111111")), 0);
}

void tst_ColorList::oddTextsMatchOnlyThemselves()
{
    ColorList list;
    list.append(QStringLiteral("seven"), QStringLiteral("x123456"));
    list.append(QStringLiteral("long"), QStringLiteral("#1234567"));
    QCOMPARE(list.lastRowWithHex(QStringLiteral("X123456")), 0);
    QCOMPARE(list.lastRowWithHex(QStringLiteral("#123456")), -1);
    QCOMPARE(list.lastRowWithHex(QStringLiteral("#1234567")), 1);
    // Only ASCII letters fold: a dotless i is not an I.
    list.append(QStringLiteral("dotless"), QString::fromUtf8("#\xc4\xb1"));
    QCOMPARE(list.lastRowWithHex(QStringLiteral("#I")), -1);
}

void tst_ColorList::assignReplacesEverything()
{
    ColorList list;
    list.append(QStringLiteral("old"), QStringLiteral("#000000"));
    list.assign({"a", "b", "c"}, {"#FF0000", "#00ff00"});
    QCOMPARE(list.names(), QStringList({"a", "b", "c"}));
    QCOMPARE(list.hexes(), QStringList({"#FF0000", "#00ff00", ""}));
    QCOMPARE(list.lastRowWithHex(QStringLiteral("#000000")), -1);
    QCOMPARE(list.lastRowWithHex(QStringLiteral("#00FF00")), 1);
    list.append(QStringLiteral("d"), QStringLiteral("#FF0000"));
    QCOMPARE(list.lastRowWithHex(QStringLiteral("#FF0000")), 3);
}

void tst_ColorList::findsFirstByExactName()
{
    ColorList list;
    list.assign({"Sky", "sky", "Sky"}, {"#1", "#2", "#3"});
    QCOMPARE(list.firstRowWithName(QStringLiteral("Sky")), 0);
    QCOMPARE(list.firstRowWithName(QStringLiteral("sky")), 1);
    QCOMPARE(list.firstRowWithName(QStringLiteral("SKY")), -1);
}

void tst_ColorList::indexAgreesWithScanAfterRandomChanges()
{
    // The index must give what a plain scan gives after any sequence of changes.
    QRandomGenerator random(20261208);
    const QStringList values = {"#000000", "#FFFFFF", "#ffffff", "#123ABC", "#123abc",
                                "odd",     "ODD",     "",        "#12"};
    ColorList list;
    for (int step = 0; step < 4000; ++step) {
        const QString value = values.at(random.bounded(values.size()));
        const int action = random.bounded(10);
        if (action < 5 || list.count() == 0)
            list.append(QString::number(step), value);
        else if (action < 8)
            list.remove(random.bounded(int(list.count())));
        else if (action < 9)
            list.setHex(random.bounded(int(list.count())), value);
        else
            list.assign(list.names().mid(0, 5), list.hexes().mid(0, 5));

        for (const QString &probe : values) {
            qsizetype expected = -1;
            for (qsizetype row = 0; row < list.count(); ++row) {
                if (list.hex(row).compare(probe, Qt::CaseInsensitive) == 0)
                    expected = row;
            }
            QCOMPARE(list.lastRowWithHex(probe), expected);
        }
    }
}

QTEST_GUILESS_MAIN(tst_ColorList)
#include "tst_colorlist.moc"
