// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/convert.h"
#include "core/error.h"

#include <QTest>

#include <climits>
#include <limits>

using namespace Tintora;

class tst_Convert : public QObject
{
    Q_OBJECT
private slots:
    void acceptsIntegers_data();
    void acceptsIntegers();
    void rejectsWithMessage_data();
    void rejectsWithMessage();
    void formatsNumbers();
    void saturatesDoubles_data();
    void saturatesDoubles();
    void fileNamePart();
};

void tst_Convert::acceptsIntegers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("plain") << "128" << 128;
    QTest::newRow("leading spaces") << "  42" << 42;
    QTest::newRow("plus") << "+42" << 42;
    QTest::newRow("minus") << "-7" << -7;
    QTest::newRow("leading zeros") << "007" << 7;
    QTest::newRow("hex lower") << "$2a" << 42;
    QTest::newRow("hex upper") << "$FF" << 255;
    QTest::newRow("eight hex digits wrap") << "$FFFFFFFF" << -1;
    QTest::newRow("largest") << "2147483647" << 2147483647;
    QTest::newRow("smallest") << "-2147483648" << int(-2147483647 - 1);
}

void tst_Convert::acceptsIntegers()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(Convert::strToInt(text), value);
}

void tst_Convert::rejectsWithMessage_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("spaces only") << "   ";
    QTest::newRow("trailing space") << "42 ";
    QTest::newRow("signed hex") << "-$2A";
    QTest::newRow("lone dollar") << "$";
    QTest::newRow("lone minus") << "-";
    QTest::newRow("letters") << "12a";
    QTest::newRow("nine hex digits") << "$123456789";
    QTest::newRow("too large") << "2147483648";
    QTest::newRow("far too large") << "99999999999999999999999";
    QTest::newRow("inner space") << "1 2";
    QTest::newRow("non-ASCII digit") << QString::fromUtf8("\xd9\xa3"); // ARABIC-INDIC THREE
}

void tst_Convert::rejectsWithMessage()
{
    QFETCH(QString, text);
    try {
        Convert::strToInt(text);
        QFAIL("no error raised");
    } catch (const ConvertError &e) {
        QCOMPARE(e.message(), QStringLiteral("'%1' is not a valid integer value").arg(text));
    }
}

void tst_Convert::formatsNumbers()
{
    QCOMPARE(Convert::intToStr(0), QStringLiteral("0"));
    QCOMPARE(Convert::intToStr(-44), QStringLiteral("-44"));
    QCOMPARE(Convert::intToHex(0xFF, 6), QStringLiteral("0000FF"));
    QCOMPARE(Convert::intToHex(0xABCDEF12, 6), QStringLiteral("ABCDEF12")); // never cut
}

void tst_Convert::saturatesDoubles_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("whole") << 42.0 << 42;
    QTest::newRow("toward zero") << -2.75 << -2;
    QTest::newRow("above int") << 3e9 << INT_MAX;
    QTest::newRow("below int") << -3e9 << INT_MIN;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << INT_MAX;
    QTest::newRow("minus infinity") << -std::numeric_limits<double>::infinity() << INT_MIN;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 0;
}

void tst_Convert::saturatesDoubles()
{
    QFETCH(double, value);
    QFETCH(int, expected);
    QCOMPARE(Convert::saturatingInt(value), expected);
}

void tst_Convert::fileNamePart()
{
    QCOMPARE(Convert::extractFileName(QStringLiteral("C:\\lists\\colors.clr")),
             QStringLiteral("colors.clr"));
    QCOMPARE(Convert::extractFileName(QStringLiteral("C:colors.clr")),
             QStringLiteral("colors.clr"));
    QCOMPARE(Convert::extractFileName(QStringLiteral("/home/me/colors.clr")),
             QStringLiteral("colors.clr"));
    QCOMPARE(Convert::extractFileName(QStringLiteral("colors.clr")), QStringLiteral("colors.clr"));
}

QTEST_GUILESS_MAIN(tst_Convert)
#include "tst_convert.moc"
