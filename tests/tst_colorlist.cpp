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
    void keepsEveryNameExactly();
    void showsLongNamesCutShort_data();
    void showsLongNamesCutShort();
    void largeListAgreesWithPlainList();
    void copiesAndMovesAreWhole();
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

void tst_ColorList::keepsEveryNameExactly()
{
    // What a name box or a pasted text can hold, however odd: the list gives it back unchanged.
    const QStringList names = {QString(),
                               QStringLiteral("\uFEFFstarts with a byte order mark"),
                               QString::fromUtf8("Cr\xc3\xa8me \xe2\x82\xac \xf0\x9f\x8e\xa8"),
                               QString(QChar(0xD800)) + QStringLiteral("lone high"),
                               QStringLiteral("lone low") + QChar(0xDC00),
                               QStringView(u"NUL\0inside", 11).toString(),
                               QStringLiteral("line\r\nbreak")};
    ColorList list;
    for (const QString &name : names)
        list.append(name, QStringLiteral("#000000"));
    QCOMPARE(list.names(), names);
    for (qsizetype row = 0; row < names.size(); ++row) {
        QCOMPARE(list.name(row), names.at(row));
        QCOMPARE(list.nameLength(row), names.at(row).size());
        QCOMPARE(list.firstRowWithName(names.at(row)), row);
    }
    QVERIFY(list.mayHoldControlOrSurrogate());
    list.setName(3, QStringLiteral("plain"));
    QCOMPARE(list.name(3), QStringLiteral("plain"));
    QCOMPARE(list.name(4), names.at(4));
}

void tst_ColorList::showsLongNamesCutShort_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown");
    const QString pair = QString::fromUtf8("\xf0\x9f\x8e\xa8"); // two UTF-16 units
    QTest::newRow("short") << "Sky"
                           << "Sky";
    QTest::newRow("exactly the length") << "abcde"
                                        << "abcde";
    QTest::newRow("one too many") << "abcdef" << QString::fromUtf8("abcd\xe2\x80\xa6");
    QTest::newRow("wide characters that fit") << QString::fromUtf8("\xc3\xa8\xc3\xa8\xc3\xa8")
                                              << QString::fromUtf8("\xc3\xa8\xc3\xa8\xc3\xa8");
    QTest::newRow("pair not cut in half") << QStringLiteral("abc") + pair + QStringLiteral("xyz")
                                          << QString::fromUtf8("abc\xe2\x80\xa6");
    QTest::newRow("a megabyte") << QString(1 << 20, u'x') << QString::fromUtf8("xxxx\xe2\x80\xa6");
}

void tst_ColorList::showsLongNamesCutShort()
{
    QFETCH(QString, name);
    QFETCH(QString, shown);
    ColorList list;
    list.append(name, QString());
    QCOMPARE(list.shownName(0, 5), shown);
    QCOMPARE(list.name(0), name);
}

void tst_ColorList::largeListAgreesWithPlainList()
{
    // Tens of thousands of entries across many chunks, removals that leave them half empty
    // (and get them packed again), appends, edits and lookups, against plain lists.
    QRandomGenerator random(20261210);
    const QStringList values = {"#000000", "#FFFFFF", "#ffffff", "#123ABC", "#123abc",
                                "#12aBcD", "odd",     "ODD",     "",        "#12"};
    QStringList names, hexes;
    for (int i = 0; i < 20000; ++i) {
        names.append(QStringLiteral("Name %1").arg(i));
        hexes.append(values.at(random.bounded(values.size())));
    }
    ColorList list;
    list.assign(names, hexes);
    const auto check = [&] {
        QCOMPARE(list.count(), names.size());
        QCOMPARE(list.names(), names);
        QCOMPARE(list.hexes(), hexes);
        for (const QString &probe : values) {
            qsizetype expected = -1;
            for (qsizetype row = 0; row < hexes.size(); ++row) {
                if (hexes.at(row).compare(probe, Qt::CaseInsensitive) == 0)
                    expected = row;
            }
            QCOMPARE(list.lastRowWithHex(probe), expected);
        }
        for (int probe = 0; probe < 5 && !names.isEmpty(); ++probe) {
            const qsizetype row = random.bounded(int(names.size()));
            QCOMPARE(list.firstRowWithName(names.at(row)), names.indexOf(names.at(row)));
        }
    };
    for (int round = 0; round < 6; ++round) {
        // Mostly removals: the list shrinks to a fraction and is packed on the way.
        for (int step = 0; step < 4000; ++step) {
            const int action = random.bounded(10);
            if (action < 8 && !names.isEmpty()) {
                const qsizetype row = random.bounded(int(names.size()));
                list.remove(row);
                names.removeAt(row);
                hexes.removeAt(row);
            } else if (action < 9) {
                const QString name = QStringLiteral("Added %1 %2").arg(round).arg(step);
                const QString hex = values.at(random.bounded(values.size()));
                list.append(name, hex);
                names.append(name);
                hexes.append(hex);
            } else if (!names.isEmpty()) {
                const qsizetype row = random.bounded(int(names.size()));
                const QString hex = values.at(random.bounded(values.size()));
                list.setHex(row, hex);
                hexes[row] = hex;
                const QString name = names.at(row) + QStringLiteral(" edited");
                list.setName(row, name);
                names[row] = name;
            }
        }
        check();
    }
}

void tst_ColorList::copiesAndMovesAreWhole()
{
    ColorList list;
    list.assign({"Sky", "Sea"}, {"#87CEEB", "#2E8B57"});
    list.blankHex = QStringLiteral("#010203");
    ColorList copy = list;
    copy.append(QStringLiteral("Sand"), QStringLiteral("#87CEEB"));
    QCOMPARE(list.count(), 2);
    QCOMPARE(list.lastRowWithHex(QStringLiteral("#87CEEB")), 0);
    QCOMPARE(copy.lastRowWithHex(QStringLiteral("#87CEEB")), 2);
    ColorList moved = std::move(copy);
    QCOMPARE(moved.names(), QStringList({"Sky", "Sea", "Sand"}));
    QCOMPARE(moved.blankHex, QStringLiteral("#010203"));
    // What is left behind is an empty list that still works.
    QCOMPARE(copy.count(), 0);
    copy.append(QStringLiteral("New"), QStringLiteral("#FFFFFF"));
    QCOMPARE(copy.lastRowWithHex(QStringLiteral("#ffffff")), 0);
}

QTEST_GUILESS_MAIN(tst_ColorList)
#include "tst_colorlist.moc"
