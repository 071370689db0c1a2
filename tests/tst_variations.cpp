// SPDX-License-Identifier: GPL-3.0-or-later
#include "color/colormodel.h"
#include "color/variations.h"

#include <QTest>

using namespace Tintora;
using namespace Tintora::Variations;
using Color::pack;

Q_DECLARE_METATYPE(Tintora::Variations::Kind)

namespace {

ColorValue hex(const char *text)
{
    const Color::Components c = Color::parseHex(QLatin1String(text));
    return pack(c.red, c.green, c.blue);
}

QStringList hexes(const std::vector<ColorValue> &colors)
{
    QStringList texts;
    for (ColorValue c : colors)
        texts << Color::buildHex(c);
    return texts;
}

// OKLCH with lightness 0..1.
Triple oklch(ColorValue color)
{
    ColorModel::Position p = ColorModel::positionOf(ColorModel::Model::Oklch, color);
    return {p[0] / 100, p[1], p[2]};
}

double hueDistance(double one, double two)
{
    const double d = std::fmod(std::abs(one - two), 360.0);
    return std::min(d, 360 - d);
}

} // namespace

class tst_Variations : public QObject
{
    Q_OBJECT
private slots:
    void tableMatchesItsKinds();
    void grayStepsAtKnownColors_data();
    void grayStepsAtKnownColors();
    void stepsMoveOneCoordinate_data();
    void stepsMoveOneCoordinate();
    void harmoniesTurnTheHue_data();
    void harmoniesTurnTheHue();
    void grayHasGrayHarmonies();
    void entryNames_data();
    void entryNames();
};

void tst_Variations::tableMatchesItsKinds()
{
    for (size_t i = 0; i < kinds.size(); ++i) {
        QCOMPARE(int(kinds[i].kind), int(i));
        QVERIFY(kinds[i].count >= 1 && kinds[i].count <= 5);
        QVERIFY(kinds[i].move);
    }
}

// Equal steps of Oklab lightness between the color and white or black: for grays they are
// known exactly (L^3 is the luminance).
void tst_Variations::grayStepsAtKnownColors_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<ColorValue>("color");
    QTest::addColumn<QStringList>("expected");
    const QStringList up {"#0F0F0F", "#363636", "#636363", "#949494", "#C8C8C8"};
    QStringList down = up;
    std::reverse(down.begin(), down.end());
    QTest::newRow("tints of black") << Kind::Tints << hex("#000000") << up;
    QTest::newRow("shades of white") << Kind::Shades << hex("#FFFFFF") << down;
    QTest::newRow("tints of white")
            << Kind::Tints << hex("#FFFFFF") << QStringList(5, QStringLiteral("#FFFFFF"));
    QTest::newRow("shades of black")
            << Kind::Shades << hex("#000000") << QStringList(5, QStringLiteral("#000000"));
    QTest::newRow("tones of gray")
            << Kind::Tones << hex("#808080") << QStringList(5, QStringLiteral("#808080"));
}

void tst_Variations::grayStepsAtKnownColors()
{
    QFETCH(Kind, kind);
    QFETCH(ColorValue, color);
    QFETCH(QStringList, expected);
    QCOMPARE(hexes(of(kind, color)), expected);
}

void tst_Variations::stepsMoveOneCoordinate_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<ColorValue>("color");
    for (const char *color : {"#3366CC", "#B22222", "#2E8B57"}) {
        QTest::addRow("tints %s", color) << Kind::Tints << hex(color);
        QTest::addRow("shades %s", color) << Kind::Shades << hex(color);
        QTest::addRow("tones %s", color) << Kind::Tones << hex(color);
    }
}

// Tints and shades step a sixth of the way to white or black each (the chroma shrinking with
// the way left), tones step the chroma to gray; the hue stays.
void tst_Variations::stepsMoveOneCoordinate()
{
    QFETCH(Kind, kind);
    QFETCH(ColorValue, color);
    const Triple base = oklch(color);
    const std::vector<ColorValue> colors = of(kind, color);
    QCOMPARE(int(colors.size()), 5);
    for (int i = 0; i < 5; ++i) {
        const Triple got = oklch(colors[size_t(i)]);
        const double step = (i + 1) / 6.0;
        const QString where =
                QStringLiteral("step %1: %2").arg(i + 1).arg(Color::buildHex(colors[size_t(i)]));
        switch (kind) {
        case Kind::Tints:
            QVERIFY2(std::abs(got[0] - (base[0] + (1 - base[0]) * step)) < 0.01, qPrintable(where));
            break;
        case Kind::Shades:
            QVERIFY2(std::abs(got[0] - base[0] * (1 - step)) < 0.01, qPrintable(where));
            break;
        default:
            QVERIFY2(std::abs(got[0] - base[0]) < 0.01, qPrintable(where));
            break;
        }
        QVERIFY2(std::abs(got[1] - base[1] * (1 - step)) < 0.01, qPrintable(where));
        if (got[1] > 0.03) // a hue to speak of
            QVERIFY2(hueDistance(got[2], base[2]) < 6, qPrintable(where));
    }
}

void tst_Variations::harmoniesTurnTheHue_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QList<double>>("turns");
    QTest::newRow("complementary") << Kind::Complementary << QList<double> {180};
    QTest::newRow("analogous") << Kind::Analogous << QList<double> {-30, 30};
    QTest::newRow("triadic") << Kind::Triadic << QList<double> {120, 240};
    QTest::newRow("split-complementary") << Kind::SplitComplementary << QList<double> {150, 210};
    QTest::newRow("tetradic") << Kind::Tetradic << QList<double> {90, 180, 270};
}

// A muted color, whose every turn stays inside sRGB: lightness and chroma kept, the hue turned.
void tst_Variations::harmoniesTurnTheHue()
{
    QFETCH(Kind, kind);
    QFETCH(QList<double>, turns);
    const ColorValue color = hex("#8C7A6B");
    const Triple base = oklch(color);
    const std::vector<ColorValue> colors = of(kind, color);
    QCOMPARE(int(colors.size()), int(turns.size()));
    for (qsizetype i = 0; i < turns.size(); ++i) {
        const Triple got = oklch(colors[size_t(i)]);
        const QString where = Color::buildHex(colors[size_t(i)]);
        QVERIFY2(std::abs(got[0] - base[0]) < 0.005, qPrintable(where));
        QVERIFY2(std::abs(got[1] - base[1]) < 0.005, qPrintable(where));
        QVERIFY2(hueDistance(got[2], base[2] + turns[i]) < 2, qPrintable(where));
    }
}

void tst_Variations::grayHasGrayHarmonies()
{
    for (const KindRow &r : kinds) {
        if (r.kind == Kind::Tints || r.kind == Kind::Shades)
            continue;
        QCOMPARE(hexes(of(r.kind, hex("#777777"))),
                 QStringList(r.count, QStringLiteral("#777777")));
    }
}

void tst_Variations::entryNames_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("expected");
    QTest::newRow("tint 2") << Kind::Tints << 1 << "#3366CC tint 2";
    QTest::newRow("shade 5") << Kind::Shades << 4 << "#3366CC shade 5";
    QTest::newRow("the one complementary") << Kind::Complementary << 0 << "#3366CC complementary";
    QTest::newRow("tetradic 3") << Kind::Tetradic << 2 << "#3366CC tetradic 3";
}

void tst_Variations::entryNames()
{
    QFETCH(Kind, kind);
    QFETCH(int, index);
    QFETCH(QString, expected);
    QCOMPARE(entryName(QStringLiteral("#3366CC"), QLatin1String(row(kind).entry), row(kind), index),
             expected);
}

QTEST_GUILESS_MAIN(tst_Variations)
#include "tst_variations.moc"
