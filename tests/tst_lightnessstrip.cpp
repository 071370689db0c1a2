// SPDX-License-Identifier: GPL-3.0-or-later
#include "color/contrast.h"
#include "color/lightnessstrip.h"

#include <QTest>

#include <algorithm>

using namespace Tintora;
using namespace Tintora::Contrast;

namespace {

ColorValue hex(const char *text)
{
    const Color::Components c = Color::parseHex(QLatin1String(text));
    return Color::pack(c.red, c.green, c.blue);
}

std::vector<ColorValue> colors(const QStringList &texts)
{
    std::vector<ColorValue> result;
    for (const QString &text : texts)
        result.push_back(hex(qPrintable(text)));
    return result;
}

} // namespace

class tst_LightnessStrip : public QObject
{
    Q_OBJECT
private slots:
    void cellsRunFromBlackToWhiteInOneHue_data();
    void cellsRunFromBlackToWhiteInOneHue();
    void passingRangesMatchEveryCell_data();
    void passingRangesMatchEveryCell();
    void marksTheColorsPlace();
};

void tst_LightnessStrip::cellsRunFromBlackToWhiteInOneHue_data()
{
    QTest::addColumn<QString>("hueOf");
    QTest::addColumn<int>("cells");
    QTest::newRow("orange, 300 cells") << "#D9822B" << 300;
    QTest::newRow("blue, 97 cells") << "#3366CC" << 97;
    QTest::newRow("gray, 256 cells") << "#777777" << 256;
    QTest::newRow("too few cells") << "#FF0000" << 1;
}

void tst_LightnessStrip::cellsRunFromBlackToWhiteInOneHue()
{
    QFETCH(QString, hueOf);
    QFETCH(int, cells);
    const LightnessStrip strip(hex(qPrintable(hueOf)), cells);
    QCOMPARE(strip.cells(), std::max(cells, 2));
    QCOMPARE(Color::buildHex(strip.color(0)), QStringLiteral("#000000"));
    QCOMPARE(Color::buildHex(strip.color(strip.cells() - 1)), QStringLiteral("#FFFFFF"));
    // The strip offers the colors Fix chooses among, and no others.
    const std::vector<ColorValue> line = sameHueColors(hex(qPrintable(hueOf)));
    for (int i = 0; i < strip.cells(); ++i)
        QVERIFY2(std::find(line.begin(), line.end(), strip.color(i)) != line.end(),
                 qPrintable(Color::buildHex(strip.color(i))));
}

void tst_LightnessStrip::passingRangesMatchEveryCell_data()
{
    QTest::addColumn<QString>("hueOf");
    QTest::addColumn<QStringList>("against");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<int>("expectedRanges");
    QTest::newRow("red text on white, AA") << "#FF0000" << QStringList {"#FFFFFF"} << 4.5 << 1;
    QTest::newRow("blue text on mid gray, AA")
            << "#3366CC" << QStringList {"#767676"} << 4.5 << 2; // darker and lighter
    QTest::newRow("any text on mid gray, AAA") << "#D9822B" << QStringList {"#808080"} << 7.0 << 0;
    // The background's strip against both samples.
    QTest::newRow("background under black and white, AA")
            << "#33CC33" << QStringList {"#000000", "#FFFFFF"} << 4.5 << 1;
    QTest::newRow("background under black and white, AAA")
            << "#33CC33" << QStringList {"#000000", "#FFFFFF"} << 7.0 << 0;
    QTest::newRow("background under two dark texts, AAA")
            << "#3366CC" << QStringList {"#000000", "#202040"} << 7.0 << 1;
    QTest::newRow("nothing to pass against") << "#808080" << QStringList {} << 21.0 << 1;
}

void tst_LightnessStrip::passingRangesMatchEveryCell()
{
    QFETCH(QString, hueOf);
    QFETCH(QStringList, against);
    QFETCH(double, minimum);
    QFETCH(int, expectedRanges);
    const std::vector<ColorValue> others = colors(against);
    for (int cells : {2, 61, 333, 1000}) {
        const LightnessStrip strip(hex(qPrintable(hueOf)), cells);
        const std::vector<LightnessStrip::Range> ranges = strip.passingRanges(others, minimum);
        if (cells >= 333)
            QCOMPARE(int(ranges.size()), expectedRanges);

        // Ranges in order, apart, within the strip: runs as long as they go.
        std::vector<bool> marked(size_t(strip.cells()), false);
        int previousLast = -2;
        for (const LightnessStrip::Range &range : ranges) {
            QVERIFY(range.first > previousLast + 1);
            QVERIFY(range.first <= range.last);
            QVERIFY(range.last < strip.cells());
            std::fill(marked.begin() + range.first, marked.begin() + range.last + 1, true);
            previousLast = range.last;
        }
        // Cell by cell, by the published definition.
        for (int i = 0; i < strip.cells(); ++i) {
            const bool pass = std::all_of(others.begin(), others.end(), [&](ColorValue o) {
                return passes(contrastRatio(strip.color(i), o), minimum);
            });
            QVERIFY2(marked[size_t(i)] == pass,
                     qPrintable(QStringLiteral("cell %1 of %2, %3")
                                        .arg(i)
                                        .arg(cells)
                                        .arg(Color::buildHex(strip.color(i)))));
        }
    }
}

void tst_LightnessStrip::marksTheColorsPlace()
{
    for (const char *c : {"#D9822B", "#3366CC", "#000000", "#FFFFFF", "#101010"}) {
        const LightnessStrip strip(hex(c), 300);
        const int cell = strip.cellOf(hex(c));
        QVERIFY(cell >= 0 && cell < strip.cells());
        // No cell is nearer the color's lightness.
        for (int i = 0; i < strip.cells(); ++i)
            QVERIFY(std::abs(strip.lightnessOf(i) - lightness(hex(c)))
                    >= std::abs(strip.lightnessOf(cell) - lightness(hex(c))) - 1e-12);
    }
}

QTEST_GUILESS_MAIN(tst_LightnessStrip)
#include "tst_lightnessstrip.moc"
