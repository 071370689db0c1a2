// SPDX-License-Identifier: GPL-3.0-or-later
#include "color/color.h"
#include "core/error.h"

#include <QTest>

using namespace Tintora;
using namespace Tintora::Color;

class tst_Color : public QObject
{
    Q_OBJECT
private slots:
    void packsLowBytes();
    void buildsHexText_data();
    void buildsHexText();
    void readsHexDigits();
    void splitsPieces();
    void parsesBlueFirst();
};

void tst_Color::packsLowBytes()
{
    QCOMPARE(pack(255, 255, 255), 0xFFFFFFu);
    QCOMPARE(pack(255, 0, 0), 0x0000FFu); // red is the low byte
    QCOMPARE(pack(300, 0, 0), pack(44, 0, 0));
    QCOMPARE(pack(256, -1, 0), pack(0, 255, 0));
    QCOMPARE(red(pack(1, 2, 3)), 1);
    QCOMPARE(green(pack(1, 2, 3)), 2);
    QCOMPARE(blue(pack(1, 2, 3)), 3);
}

void tst_Color::buildsHexText_data()
{
    QTest::addColumn<uint>("color");
    QTest::addColumn<QString>("text");
    QTest::newRow("white") << uint(pack(255, 255, 255)) << "#FFFFFF";
    QTest::newRow("black") << uint(pack(0, 0, 0)) << "#000000";
    QTest::newRow("orange") << uint(pack(255, 128, 0)) << "#FF8000";
    QTest::newRow("blue only") << uint(pack(0, 0, 171)) << "#0000AB";
    QTest::newRow("sky") << uint(pack(0x87, 0xCE, 0xEB)) << "#87CEEB";
}

void tst_Color::buildsHexText()
{
    QFETCH(uint, color);
    QFETCH(QString, text);
    QCOMPARE(buildHex(color), text);
    const Components c = parseHex(text);
    QCOMPARE(pack(c.red, c.green, c.blue), color);
}

void tst_Color::readsHexDigits()
{
    QCOMPARE(hexToInt(QStringLiteral("ff")), 255);
    QCOMPARE(hexToInt(QStringLiteral("FF")), 255);
    QCOMPARE(hexToInt(QStringLiteral("0")), 0);
    for (const QString &bad : {QString(), QStringLiteral("G1"), QStringLiteral(" 1")}) {
        try {
            hexToInt(bad);
            QFAIL(qPrintable(bad + QStringLiteral(" converted")));
        } catch (const ConvertError &e) {
            QCOMPARE(e.message(), QStringLiteral("'$%1' is not a valid integer value").arg(bad));
        }
    }
}

void tst_Color::splitsPieces()
{
    const HexPieces abc = hexPieces(QStringLiteral("#ABC"));
    QCOMPARE(abc.red, QStringLiteral("AB"));
    QCOMPARE(abc.green, QStringLiteral("C"));
    QCOMPARE(abc.blue, QString());
    const HexPieces any = hexPieces(QStringLiteral("x123456"));
    QCOMPARE(any.red + any.green + any.blue, QStringLiteral("123456")); // '#' is never tested
}

void tst_Color::parsesBlueFirst()
{
    // With two bad pieces, the blue one is reported: blue is converted first.
    try {
        parseHex(QStringLiteral("#XX00YY"));
        QFAIL("no error raised");
    } catch (const ConvertError &e) {
        QVERIFY(e.message().startsWith(QStringLiteral("'$YY'")));
    }
}

QTEST_GUILESS_MAIN(tst_Color)
#include "tst_color.moc"
