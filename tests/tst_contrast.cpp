// SPDX-License-Identifier: GPL-3.0-or-later
#include "color/contrast.h"

#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>

using namespace Tintora;
using namespace Tintora::Contrast;
using Tintora::Color::pack;

namespace {

ColorValue hex(const char *text)
{
    const Color::Components c = Color::parseHex(QLatin1String(text));
    return pack(c.red, c.green, c.blue);
}

ColorValue gray(int level)
{
    return pack(level, level, level);
}

bool reaches(ColorValue text, ColorValue background, double minimum)
{
    return passes(contrastRatio(text, background), minimum);
}

} // namespace

class tst_Contrast : public QObject
{
    Q_OBJECT
private slots:
    void luminance_data();
    void luminance();
    void ratio_data();
    void ratio();
    void levels();
    void verdicts_data();
    void verdicts();
    void boundaries_data();
    void boundaries();
    void verdictMatchesShownRatio();
    void apca_data();
    void apca();
    void apcaReadings_data();
    void apcaReadings();
    void apcaFontLookup_data();
    void apcaFontLookup();
    void fixGrays_data();
    void fixGrays();
    void fixKeepsHueAndIsNearest_data();
    void fixKeepsHueAndIsNearest();
    void fixImpossible_data();
    void fixImpossible();
    void fixLeavesPassingColor();
    void fixBackgroundGrays_data();
    void fixBackgroundGrays();
    void fixBackgroundKeepsHueAndIsNearest_data();
    void fixBackgroundKeepsHueAndIsNearest();
    void fixBackgroundImpossible();
    void lightnessLine();
    void simulation_data();
    void simulation();
    void simulationKeepsNeutrals();
};

void tst_Contrast::luminance_data()
{
    QTest::addColumn<uint>("color");
    QTest::addColumn<double>("expected");
    QTest::newRow("white") << uint(hex("#FFFFFF")) << 1.0;
    QTest::newRow("black") << uint(hex("#000000")) << 0.0;
    QTest::newRow("red") << uint(hex("#FF0000")) << 0.2126;
    QTest::newRow("green") << uint(hex("#00FF00")) << 0.7152;
    QTest::newRow("blue") << uint(hex("#0000FF")) << 0.0722;
    // 128/255 through the sRGB curve.
    QTest::newRow("mid gray") << uint(hex("#808080")) << 0.2158605;
    // On the linear segment of the curve: 10/255/12.92.
    QTest::newRow("near black") << uint(hex("#0A0A0A")) << 0.0030353;
}

void tst_Contrast::luminance()
{
    QFETCH(uint, color);
    QFETCH(double, expected);
    QVERIFY2(std::abs(relativeLuminance(color) - expected) < 1e-6,
             qPrintable(QString::number(relativeLuminance(color), 'g', 10)));
}

void tst_Contrast::ratio_data()
{
    QTest::addColumn<uint>("text");
    QTest::addColumn<uint>("background");
    QTest::addColumn<double>("expected");
    QTest::addColumn<QString>("shown");
    QTest::newRow("black on white")
            << uint(hex("#000000")) << uint(hex("#FFFFFF")) << 21.0 << "21.00:1";
    QTest::newRow("white on black")
            << uint(hex("#FFFFFF")) << uint(hex("#000000")) << 21.0 << "21.00:1";
    // Published as 4.48:1; shown truncated, since it fails 4.5 it must not read 4.48 or more
    // only by accident of rounding up.
    QTest::newRow("#777777 on white")
            << uint(hex("#777777")) << uint(hex("#FFFFFF")) << 4.478 << "4.47:1";
    QTest::newRow("#767676 on white")
            << uint(hex("#767676")) << uint(hex("#FFFFFF")) << 4.542 << "4.54:1";
    QTest::newRow("#595959 on white")
            << uint(hex("#595959")) << uint(hex("#FFFFFF")) << 7.005 << "7.00:1";
    QTest::newRow("red on white") << uint(hex("#FF0000")) << uint(hex("#FFFFFF")) << 3.998
                                  << "3.99:1";
    QTest::newRow("blue on black")
            << uint(hex("#0000FF")) << uint(hex("#000000")) << 2.444 << "2.44:1";
    QTest::newRow("same color") << uint(hex("#3366CC")) << uint(hex("#3366CC")) << 1.0 << "1.00:1";
}

void tst_Contrast::ratio()
{
    QFETCH(uint, text);
    QFETCH(uint, background);
    QFETCH(double, expected);
    QFETCH(QString, shown);
    const double r = contrastRatio(text, background);
    QVERIFY2(std::abs(r - expected) < 0.001, qPrintable(QString::number(r, 'g', 10)));
    QCOMPARE(contrastRatio(background, text), r);
    QCOMPARE(formatRatio(r), shown);
}

void tst_Contrast::levels()
{
    // WCAG 2.2: 1.4.3 Contrast (Minimum), 1.4.6 Contrast (Enhanced), 1.4.11 Non-text Contrast.
    QCOMPARE(minimumRatio(Level::AaNormal), 4.5);
    QCOMPARE(minimumRatio(Level::AaLarge), 3.0);
    QCOMPARE(minimumRatio(Level::AaaNormal), 7.0);
    QCOMPARE(minimumRatio(Level::AaaLarge), 4.5);
    QCOMPARE(minimumRatio(Level::NonText), 3.0);
    QCOMPARE(levelName(Level::AaNormal), QStringLiteral("1.4.3 AA normal text"));
    QCOMPARE(levelName(Level::AaaLarge), QStringLiteral("1.4.6 AAA large text"));
    QCOMPARE(levelName(Level::NonText), QStringLiteral("1.4.11 AA non-text"));
    // The table is looked up by the level's value: each row must stand in its own place.
    for (Level level : allLevels)
        QCOMPARE(int(levelRule(level).level), int(level));
    for (ApcaUse use : {ApcaUse::NotReadable, ApcaUse::NonText, ApcaUse::SpotText,
                        ApcaUse::LargeText, ApcaUse::ContentText, ApcaUse::BodyText})
        QCOMPARE(int(apcaUseRule(use).use), int(use));
}

void tst_Contrast::verdicts_data()
{
    QTest::addColumn<double>("ratio");
    // The levels passed, in the order of allLevels: AA normal, AA large, AAA normal, AAA
    // large, non-text.
    QTest::addColumn<QString>("passed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("2.999") << 2.999 << "-----"
                           << "2.99:1, just below 3:1";
    QTest::newRow("3") << 3.0 << "-L--N"
                       << "3.00:1";
    QTest::newRow("4.449") << 4.449 << "-L--N"
                           << "4.44:1";
    QTest::newRow("4.45") << 4.45 << "-L--N"
                          << "4.45:1, just below 4.5:1";
    QTest::newRow("4.499") << 4.499 << "-L--N"
                           << "4.49:1, just below 4.5:1";
    // Far closer than any display shows, and still a fail: thresholds are never rounded.
    QTest::newRow("a hair below 4.5") << 4.5 - 1e-12 << "-L--N"
                                      << "4.49:1, just below 4.5:1";
    QTest::newRow("4.5") << 4.5 << "AL-LN"
                         << "4.50:1";
    QTest::newRow("6.95") << 6.95 << "AL-LN"
                          << "6.95:1, just below 7:1";
    QTest::newRow("6.999") << 6.999 << "AL-LN"
                           << "6.99:1, just below 7:1";
    QTest::newRow("7") << 7.0 << "ALALN"
                       << "7.00:1";
    // Black on white, as double arithmetic computes it.
    QTest::newRow("21, computed") << contrastRatio(hex("#000000"), hex("#FFFFFF")) << "ALALN"
                                  << "21.00:1";
    // Often quoted as 4.48:1, and as "4.5:1" to one decimal.
    QTest::newRow("#777777 on white") << contrastRatio(hex("#777777"), hex("#FFFFFF")) << "-L--N"
                                      << "4.47:1, just below 4.5:1";
    QTest::newRow("#767676 on white") << contrastRatio(hex("#767676"), hex("#FFFFFF")) << "AL-LN"
                                      << "4.54:1";
    QTest::newRow("#959595 on white") << contrastRatio(hex("#959595"), hex("#FFFFFF")) << "-----"
                                      << "2.99:1, just below 3:1";
}

void tst_Contrast::verdicts()
{
    QFETCH(double, ratio);
    QFETCH(QString, passed);
    QFETCH(QString, shown);
    QString got;
    for (Level level : allLevels)
        got += passes(ratio, level) ? QString::fromLatin1("ALALN").at(int(level))
                                    : QLatin1Char('-');
    QCOMPARE(got, passed);
    QCOMPARE(describeRatio(ratio), shown);
}

void tst_Contrast::boundaries_data()
{
    QTest::addColumn<int>("level");
    // The lightest gray on white that passes, and the next lighter one that does not.
    QTest::addColumn<uint>("lastPassing");
    QTest::addColumn<uint>("firstFailing");
    QTest::newRow("AA normal") << int(Level::AaNormal) << uint(hex("#767676"))
                               << uint(hex("#777777"));
    QTest::newRow("AA large") << int(Level::AaLarge) << uint(hex("#949494"))
                              << uint(hex("#959595"));
    QTest::newRow("AAA normal") << int(Level::AaaNormal) << uint(hex("#595959"))
                                << uint(hex("#5A5A5A"));
    QTest::newRow("AAA large") << int(Level::AaaLarge) << uint(hex("#767676"))
                               << uint(hex("#777777"));
}

void tst_Contrast::boundaries()
{
    QFETCH(int, level);
    QFETCH(uint, lastPassing);
    QFETCH(uint, firstFailing);
    const Level l = Level(level);
    const double minimum = minimumRatio(l);

    QVERIFY(passes(minimum, l));
    QVERIFY(passes(minimum + 0.001, l));
    QVERIFY(!passes(minimum - 0.0001, l));
    QVERIFY(!passes(minimum - 1e-7, l));
    // Just under shows as under: never "4.50:1" next to a fail.
    QCOMPARE(formatRatio(minimum - 1e-7), formatRatio(minimum - 0.01));

    const ColorValue white = hex("#FFFFFF");
    QVERIFY(passes(contrastRatio(lastPassing, white), l));
    QVERIFY(!passes(contrastRatio(firstFailing, white), l));
}

void tst_Contrast::verdictMatchesShownRatio()
{
    // Whatever the pair, the verdict agrees with the number on screen.
    for (int t = 0; t < 256; t += 3) {
        for (int b = 0; b < 256; b += 5) {
            const double r = contrastRatio(gray(t), pack(b, 255 - b, b / 2));
            const double shown = formatRatio(r).chopped(2).toDouble();
            for (Level level : allLevels)
                QCOMPARE(passes(r, level), shown >= minimumRatio(level));
        }
    }
}

void tst_Contrast::apca_data()
{
    QTest::addColumn<uint>("text");
    QTest::addColumn<uint>("background");
    QTest::addColumn<double>("expected");
    QTest::addColumn<QString>("shown");
    // The reference values published with APCA-W3 0.0.98G-4g.
    QTest::newRow("#888 on #FFF") << uint(hex("#888888")) << uint(hex("#FFFFFF"))
                                  << 63.056469930209424 << "Lc 63.0";
    QTest::newRow("#FFF on #888") << uint(hex("#FFFFFF")) << uint(hex("#888888"))
                                  << -68.54146436644962 << "Lc -68.5";
    QTest::newRow("#000 on #AAA") << uint(hex("#000000")) << uint(hex("#AAAAAA"))
                                  << 58.146262578561334 << "Lc 58.1";
    QTest::newRow("#AAA on #000") << uint(hex("#AAAAAA")) << uint(hex("#000000"))
                                  << -56.24113336839742 << "Lc -56.2";
    QTest::newRow("#000 on #FFF") << uint(hex("#000000")) << uint(hex("#FFFFFF"))
                                  << 106.04067321268862 << "Lc 106.0";
    QTest::newRow("#FFF on #000") << uint(hex("#FFFFFF")) << uint(hex("#000000"))
                                  << -107.88473318309848 << "Lc -107.8";
    QTest::newRow("#123456 on #DEF012")
            << uint(hex("#123456")) << uint(hex("#DEF012")) << 83.08546721113771 << "Lc 83.0";
    QTest::newRow("same color") << uint(hex("#808080")) << uint(hex("#808080")) << 0.0 << "Lc 0.0";
    // Too close to tell apart: below the low clip, not a small number.
    QTest::newRow("#FEFEFE on #FFFFFF")
            << uint(hex("#FEFEFE")) << uint(hex("#FFFFFF")) << 0.0 << "Lc 0.0";
    QTest::newRow("#FFFFFF on #F8F8F8")
            << uint(hex("#FFFFFF")) << uint(hex("#F8F8F8")) << 0.0 << "Lc 0.0";
}

void tst_Contrast::apca()
{
    QFETCH(uint, text);
    QFETCH(uint, background);
    QFETCH(double, expected);
    QFETCH(QString, shown);
    const double lc = apcaContrast(text, background);
    QVERIFY2(std::abs(lc - expected) < 1e-9, qPrintable(QString::number(lc, 'g', 17)));
    QCOMPARE(formatLc(lc), shown);
}

void tst_Contrast::apcaReadings_data()
{
    QTest::addColumn<double>("lc");
    QTest::addColumn<int>("use");
    QTest::addColumn<QString>("reading");
    const auto row = [](const char *name, double lc, ApcaUse use, const char *reading) {
        QTest::newRow(name) << lc << int(use) << QString::fromLatin1(reading);
    };
    row("106", 106, ApcaUse::BodyText, "Body text");
    row("75", 75, ApcaUse::BodyText, "Body text");
    row("-75", -75, ApcaUse::BodyText, "Body text");
    row("74.99", 74.99, ApcaUse::ContentText, "Content text; least for body text");
    row("60", 60, ApcaUse::ContentText, "Content text; least for body text");
    row("-59.99", -59.99, ApcaUse::LargeText, "Large text and headlines");
    row("45", 45, ApcaUse::LargeText, "Large text and headlines");
    row("44.99", 44.99, ApcaUse::SpotText, "Spot text and non-text only");
    row("30", 30, ApcaUse::SpotText, "Spot text and non-text only");
    row("29.99", 29.99, ApcaUse::NonText, "Non-text elements only");
    row("-15", -15, ApcaUse::NonText, "Non-text elements only");
    row("14.99", 14.99, ApcaUse::NotReadable, "Not readable");
    row("0", 0, ApcaUse::NotReadable, "Not readable");
}

void tst_Contrast::apcaReadings()
{
    QFETCH(double, lc);
    QFETCH(int, use);
    QFETCH(QString, reading);
    QCOMPARE(int(apcaUse(lc)), use);
    QCOMPARE(apcaReading(lc), reading);
    // The reading never claims more than the number shown beside it.
    const double shown = std::abs(formatLc(lc).mid(3).toDouble());
    QVERIFY(shown >= apcaMinimum(ApcaUse(use)));
}

void tst_Contrast::apcaFontLookup_data()
{
    QTest::addColumn<double>("lc");
    QTest::addColumn<QString>("sizes"); // at weights 400 and 700
    // Rows of the published table (weights 400 and 700).
    QTest::newRow("30") << 30.0 << "108 px, 72 px";
    QTest::newRow("45") << 45.0 << "42 px, 24 px";
    QTest::newRow("60") << 60.0 << "24 px, 16 px";
    QTest::newRow("65") << 65.0 << "21.75 px, 15 px";
    QTest::newRow("75") << 75.0 << "18 px, 14 px";
    QTest::newRow("90") << 90.0 << "16 px, 14 px";
    QTest::newRow("105") << 105.0 << "14.5 px, 12 px";
    QTest::newRow("125") << 125.0 << "10 px, 10 px";
    // Between rows the row below holds: the sizes never promise more than the table.
    QTest::newRow("63.0") << 63.0 << "24 px, 16 px";
    QTest::newRow("44.99, shown 44.9") << 44.99 << "60 px, 32 px";
    QTest::newRow("106 (black on white)") << 106.04 << "14.5 px, 12 px";
    // The polarity does not matter to the table.
    QTest::newRow("-68.5") << -68.5 << "21.75 px, 15 px";
    QTest::newRow("-107.8") << -107.88 << "14.5 px, 12 px";
    // Below Lc 30 no size makes text of it.
    QTest::newRow("29.99") << 29.99 << "Non-text only";
    QTest::newRow("15") << 15.0 << "Non-text only";
    QTest::newRow("14.99") << 14.99 << "Not readable";
    QTest::newRow("0") << 0.0 << "Not readable";
}

void tst_Contrast::apcaFontLookup()
{
    QFETCH(double, lc);
    QFETCH(QString, sizes);
    QCOMPARE(apcaFontSize(lc, 400) + QStringLiteral(", ") + apcaFontSize(lc, 700),
             sizes.contains(QLatin1String("px")) ? sizes : sizes + QStringLiteral(", ") + sizes);
}

void tst_Contrast::fixGrays_data()
{
    QTest::addColumn<uint>("text");
    QTest::addColumn<uint>("background");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<uint>("expected");
    // The lightest grays that pass on white are the well-known #767676 (AA) and #595959 (AAA).
    QTest::newRow("#777 on white, AA")
            << uint(hex("#777777")) << uint(hex("#FFFFFF")) << 4.5 << uint(hex("#767676"));
    QTest::newRow("#777 on white, AAA")
            << uint(hex("#777777")) << uint(hex("#FFFFFF")) << 7.0 << uint(hex("#595959"));
    QTest::newRow("#AAA on white, AA large")
            << uint(hex("#AAAAAA")) << uint(hex("#FFFFFF")) << 3.0 << uint(hex("#949494"));
    QTest::newRow("#444 on black, AA")
            << uint(hex("#444444")) << uint(hex("#000000")) << 4.5 << uint(hex("#757575"));
    QTest::newRow("#444 on black, AAA")
            << uint(hex("#444444")) << uint(hex("#000000")) << 7.0 << uint(hex("#959595"));
    // On #767676 both ways are open and the nearer one wins, also when the two are almost
    // equally far.
    QTest::newRow("lighter is nearer")
            << uint(hex("#9A9A9A")) << uint(hex("#767676")) << 3.0 << uint(hex("#D2D2D2"));
    QTest::newRow("darker is nearer")
            << uint(hex("#555555")) << uint(hex("#767676")) << 3.0 << uint(hex("#2D2D2D"));
    QTest::newRow("a hair lighter")
            << uint(hex("#797979")) << uint(hex("#767676")) << 4.5 << uint(hex("#FEFEFE"));
    QTest::newRow("a hair darker")
            << uint(hex("#707070")) << uint(hex("#767676")) << 4.5 << uint(hex("#040404"));
}

void tst_Contrast::fixGrays()
{
    QFETCH(uint, text);
    QFETCH(uint, background);
    QFETCH(double, minimum);
    QFETCH(uint, expected);

    // The grays are a whole lightness line of their own, so every candidate can be tried.
    std::optional<ColorValue> nearest;
    for (int g = 0; g < 256; ++g) {
        if (!reaches(gray(g), background, minimum))
            continue;
        if (!nearest
            || std::abs(lightness(gray(g)) - lightness(text))
                    < std::abs(lightness(*nearest) - lightness(text)))
            nearest = gray(g);
    }
    QVERIFY(nearest);
    QCOMPARE(Color::buildHex(*nearest), Color::buildHex(expected));

    const std::optional<ColorValue> fixed = fixTextColor(text, background, minimum);
    QVERIFY(fixed);
    QCOMPARE(Color::buildHex(*fixed), Color::buildHex(expected));
}

void tst_Contrast::fixKeepsHueAndIsNearest_data()
{
    QTest::addColumn<uint>("text");
    QTest::addColumn<uint>("background");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("dominant"); // the channel that stays strongest: same hue
    QTest::newRow("red on white, AA")
            << uint(hex("#FF0000")) << uint(hex("#FFFFFF")) << int(Level::AaNormal) << "red";
    QTest::newRow("red on white, AAA")
            << uint(hex("#FF0000")) << uint(hex("#FFFFFF")) << int(Level::AaaNormal) << "red";
    QTest::newRow("blue on black, AA")
            << uint(hex("#0000FF")) << uint(hex("#000000")) << int(Level::AaNormal) << "blue";
    QTest::newRow("green on white, AA large")
            << uint(hex("#33CC33")) << uint(hex("#FFFFFF")) << int(Level::AaLarge) << "green";
    QTest::newRow("green on mid gray, AA")
            << uint(hex("#339933")) << uint(hex("#777777")) << int(Level::AaNormal) << "green";
    QTest::newRow("blue on navy, AAA large")
            << uint(hex("#3366CC")) << uint(hex("#000044")) << int(Level::AaaLarge) << "blue";
    QTest::newRow("orange on white, AAA")
            << uint(hex("#FF8000")) << uint(hex("#FFFFFF")) << int(Level::AaaNormal) << "red";
}

void tst_Contrast::fixKeepsHueAndIsNearest()
{
    QFETCH(uint, text);
    QFETCH(uint, background);
    QFETCH(int, level);
    QFETCH(QString, dominant);
    const Level l = Level(level);
    QVERIFY(!passes(contrastRatio(text, background), l));

    const std::optional<ColorValue> fixed = fixTextColor(text, background, l);
    QVERIFY(fixed);
    QVERIFY(passes(contrastRatio(*fixed, background), l));

    const int channel[] = {Color::red(*fixed), Color::green(*fixed), Color::blue(*fixed)};
    const int strongest = dominant == QLatin1String("red") ? 0
            : dominant == QLatin1String("green")           ? 1
                                                           : 2;
    for (int i = 0; i < 3; ++i)
        QVERIFY2(i == strongest || channel[i] < channel[strongest],
                 qPrintable(Color::buildHex(*fixed)));

    // No lightness of this hue nearer to the text's own passes: walk the line far finer than
    // any 8-bit step, both ways.
    const double start = lightness(text);
    const double change = std::abs(lightness(*fixed) - start);
    constexpr int steps = 40000;
    for (int i = 0; i <= steps; ++i) {
        const ColorValue candidate = withLightness(text, double(i) / steps);
        if (!passes(contrastRatio(candidate, background), l))
            continue;
        const double candidateChange = std::abs(lightness(candidate) - start);
        QVERIFY2(candidateChange >= change,
                 qPrintable(QStringLiteral("%1 is nearer than %2")
                                    .arg(Color::buildHex(candidate), Color::buildHex(*fixed))));
    }
}

void tst_Contrast::fixImpossible_data()
{
    QTest::addColumn<uint>("text");
    QTest::addColumn<uint>("background");
    // Mid grays: neither black (4.62 and 5.31) nor white (4.54 and 3.94) reaches 7.
    QTest::newRow("red on #767676") << uint(hex("#FF0000")) << uint(hex("#767676"));
    QTest::newRow("black on #808080") << uint(hex("#000000")) << uint(hex("#808080"));
    QTest::newRow("gray on #808080") << uint(hex("#808080")) << uint(hex("#808080"));
}

void tst_Contrast::fixImpossible()
{
    QFETCH(uint, text);
    QFETCH(uint, background);
    QVERIFY(!fixTextColor(text, background, Level::AaaNormal));
    QVERIFY(!fixExists(background, 7.0));
    QVERIFY(fixExists(background, 4.5));
    // 4.5 is always within reach: black or white gives at least the square root of 21.
    QVERIFY(fixTextColor(text, background, Level::AaNormal));
    QVERIFY(fixTextColor(text, background, Level::AaaLarge));
}

void tst_Contrast::fixLeavesPassingColor()
{
    const ColorValue navy = hex("#123456");
    QCOMPARE(fixTextColor(navy, hex("#FFFFFF"), Level::AaaNormal), navy);
}

void tst_Contrast::fixBackgroundGrays_data()
{
    QTest::addColumn<uint>("background");
    QTest::addColumn<uint>("first");
    QTest::addColumn<uint>("second");
    QTest::addColumn<double>("minimum");
    QTest::newRow("black texts on mid gray, AAA")
            << uint(hex("#808080")) << uint(hex("#000000")) << uint(hex("#333333")) << 7.0;
    QTest::newRow("white texts on mid gray, AA")
            << uint(hex("#909090")) << uint(hex("#FFFFFF")) << uint(hex("#EEEEEE")) << 4.5;
    // A dark and a light text: only the narrow middle between them passes both.
    QTest::newRow("black and white, AA")
            << uint(hex("#222222")) << uint(hex("#000000")) << uint(hex("#FFFFFF")) << 4.5;
    QTest::newRow("black and white from light, AA")
            << uint(hex("#DDDDDD")) << uint(hex("#000000")) << uint(hex("#FFFFFF")) << 4.5;
    QTest::newRow("already passing")
            << uint(hex("#FFFFFF")) << uint(hex("#000000")) << uint(hex("#222222")) << 7.0;
}

void tst_Contrast::fixBackgroundGrays()
{
    QFETCH(uint, background);
    QFETCH(uint, first);
    QFETCH(uint, second);
    QFETCH(double, minimum);

    // Every gray is a candidate: the nearest in lightness with which both texts pass.
    std::optional<ColorValue> nearest;
    for (int g = 0; g < 256; ++g) {
        if (!reaches(first, gray(g), minimum) || !reaches(second, gray(g), minimum))
            continue;
        if (!nearest
            || std::abs(lightness(gray(g)) - lightness(background))
                    < std::abs(lightness(*nearest) - lightness(background)))
            nearest = gray(g);
    }
    QVERIFY(nearest);
    const std::array<ColorValue, 2> texts {first, second};
    const std::optional<ColorValue> fixed = fixBackgroundColor(background, texts, minimum);
    QVERIFY(fixed);
    QCOMPARE(Color::buildHex(*fixed), Color::buildHex(*nearest));
}

void tst_Contrast::fixBackgroundKeepsHueAndIsNearest_data()
{
    QTest::addColumn<uint>("background");
    QTest::addColumn<uint>("first");
    QTest::addColumn<uint>("second");
    QTest::addColumn<int>("level");
    QTest::newRow("orange under black text, AAA") << uint(hex("#D9822B")) << uint(hex("#000000"))
                                                  << uint(hex("#202020")) << int(Level::AaaNormal);
    QTest::newRow("blue under white text, AAA") << uint(hex("#3366CC")) << uint(hex("#FFFFFF"))
                                                << uint(hex("#FFFFCC")) << int(Level::AaaNormal);
    QTest::newRow("green under dark and light, large")
            << uint(hex("#33CC33")) << uint(hex("#000000")) << uint(hex("#FFFFFF"))
            << int(Level::AaLarge);
    QTest::newRow("navy under dark red, non-text") << uint(hex("#000044")) << uint(hex("#880000"))
                                                   << uint(hex("#AA0000")) << int(Level::NonText);
}

void tst_Contrast::fixBackgroundKeepsHueAndIsNearest()
{
    QFETCH(uint, background);
    QFETCH(uint, first);
    QFETCH(uint, second);
    QFETCH(int, level);
    const Level l = Level(level);
    const std::array<ColorValue, 2> texts {first, second};
    const auto bothPass = [&](ColorValue candidate) {
        return passes(contrastRatio(first, candidate), l)
                && passes(contrastRatio(second, candidate), l);
    };
    QVERIFY(!bothPass(background));

    const std::optional<ColorValue> fixed = fixBackgroundColor(background, texts, l);
    QVERIFY(fixed);
    QVERIFY(bothPass(*fixed));
    // Of the same hue: a color of the background's own lightness line.
    const std::vector<ColorValue> line = sameHueColors(background);
    QVERIFY(std::find(line.begin(), line.end(), *fixed) != line.end());

    // No nearer lightness of the hue lets both pass: a walk far finer than any 8-bit step.
    const double start = lightness(background);
    const double change = std::abs(lightness(*fixed) - start);
    constexpr int steps = 40000;
    for (int i = 0; i <= steps; ++i) {
        const ColorValue candidate = withLightness(background, double(i) / steps);
        if (bothPass(candidate))
            QVERIFY2(std::abs(lightness(candidate) - start) >= change,
                     qPrintable(QStringLiteral("%1 is nearer than %2")
                                        .arg(Color::buildHex(candidate), Color::buildHex(*fixed))));
    }
}

void tst_Contrast::fixBackgroundImpossible()
{
    // Against black a background needs a luminance of at least 0.3 for 7:1, against white at
    // most 0.1: no color has both, whatever its hue.
    const std::array<ColorValue, 2> blackAndWhite {hex("#000000"), hex("#FFFFFF")};
    for (const char *c : {"#808080", "#D9822B", "#000044", "#FFFFFF"})
        QVERIFY2(!fixBackgroundColor(hex(c), blackAndWhite, Level::AaaNormal), c);
    // 4.5 leaves a sliver between them, which the grays #757575 and #767676 hit.
    QCOMPARE(fixBackgroundColor(hex("#000000"), blackAndWhite, Level::AaNormal),
             std::optional<ColorValue>(hex("#757575")));
    // Two texts close in luminance, one darker and one lighter than any middle could serve.
    const std::array<ColorValue, 2> close {hex("#333333"), hex("#CCCCCC")};
    QVERIFY(!fixBackgroundColor(hex("#808080"), close, Level::AaNormal));
}

void tst_Contrast::lightnessLine()
{
    QCOMPARE(lightness(hex("#000000")), 0.0);
    QVERIFY(std::abs(lightness(hex("#FFFFFF")) - 1) < 1e-6);
    for (const char *c : {"#FF0000", "#3366CC", "#808080"}) {
        QCOMPARE(Color::buildHex(withLightness(hex(c), 0)), QStringLiteral("#000000"));
        QCOMPARE(Color::buildHex(withLightness(hex(c), 1)), QStringLiteral("#FFFFFF"));
        // At its own lightness a color stays itself (it is in gamut there).
        QCOMPARE(Color::buildHex(withLightness(hex(c), lightness(hex(c)))), QLatin1String(c));
    }
    // The line holds every color a walk along it meets, however finely it walks; a coarse
    // sampling misses the slivers where two channels step at almost the same lightness.
    for (const char *c : {"#D9822B", "#3366CC", "#777777"}) {
        const std::vector<ColorValue> line = sameHueColors(hex(c));
        QCOMPARE(line.front(), hex("#000000"));
        QCOMPARE(line.back(), hex("#FFFFFF"));
        QVERIFY(std::find(line.begin(), line.end(), hex(c)) != line.end());
        constexpr int steps = 100000;
        for (int i = 0; i <= steps; ++i) {
            const ColorValue met = withLightness(hex(c), double(i) / steps);
            QVERIFY2(std::find(line.begin(), line.end(), met) != line.end(),
                     qPrintable(Color::buildHex(met)));
        }
    }
    QCOMPARE(sameHueColors(hex("#777777")).size(), size_t(256)); // the grays, each once

    // A gray stays gray at every lightness.
    for (int i = 0; i <= 20; ++i) {
        const ColorValue c = withLightness(hex("#777777"), i / 20.0);
        QCOMPARE(Color::red(c), Color::green(c));
        QCOMPARE(Color::green(c), Color::blue(c));
    }
}

void tst_Contrast::simulation_data()
{
    QTest::addColumn<uint>("color");
    QTest::addColumn<QString>("protanopia");
    QTest::addColumn<QString>("deuteranopia");
    QTest::addColumn<QString>("tritanopia");
    QTest::addColumn<QString>("achromatopsia");
    // The published severity-1 matrices applied to linear RGB and encoded back to sRGB; in
    // gamma-encoded values, or with a transposed matrix, every row comes out different.
    QTest::newRow("red") << uint(hex("#FF0000")) << "#6D5F00"
                         << "#A39000"
                         << "#FF000F"
                         << "#7F7F7F";
    QTest::newRow("green") << uint(hex("#00FF00")) << "#FFE500"
                           << "#EFD63A"
                           << "#00F7D9"
                           << "#DCDCDC";
    QTest::newRow("blue") << uint(hex("#0000FF")) << "#0059FF"
                          << "#003DFB"
                          << "#006B96"
                          << "#4C4C4C";
    QTest::newRow("orange") << uint(hex("#FF8000")) << "#A69100"
                            << "#C4AE00"
                            << "#FF626D"
                            << "#A3A3A3";
    QTest::newRow("steel blue") << uint(hex("#3366CC")) << "#2872D0"
                                << "#0064CA"
                                << "#007E8F"
                                << "#6B6B6B";
}

void tst_Contrast::simulation()
{
    QFETCH(uint, color);
    QFETCH(QString, protanopia);
    QFETCH(QString, deuteranopia);
    QFETCH(QString, tritanopia);
    QFETCH(QString, achromatopsia);
    QCOMPARE(Color::buildHex(simulate(color, Vision::Protanopia)), protanopia);
    QCOMPARE(Color::buildHex(simulate(color, Vision::Deuteranopia)), deuteranopia);
    QCOMPARE(Color::buildHex(simulate(color, Vision::Tritanopia)), tritanopia);
    QCOMPARE(Color::buildHex(simulate(color, Vision::Achromatopsia)), achromatopsia);
}

void tst_Contrast::simulationKeepsNeutrals()
{
    for (Vision vision : allVisions) {
        for (int g = 0; g < 256; g += 15) {
            QCOMPARE(Color::buildHex(simulate(gray(g), vision)), Color::buildHex(gray(g)));
        }
    }
    // Achromatopsia keeps luminance: its ratio is the ordinary one to the last bit, though
    // the nearest 8-bit grays may differ from it.
    bool grayDiffers = false;
    for (int t = 0; t < 256; t += 17) {
        for (int b = 0; b < 256; b += 23) {
            const ColorValue text = pack(t, 255 - t, t / 3);
            const ColorValue back = pack(b, b / 2, 255 - b);
            QCOMPARE(seenRatio(text, back, Vision::Achromatopsia), contrastRatio(text, back));
            QCOMPARE(seenRatio(text, back, Vision::Protanopia),
                     contrastRatio(simulate(text, Vision::Protanopia),
                                   simulate(back, Vision::Protanopia)));
            grayDiffers = grayDiffers
                    || formatRatio(contrastRatio(simulate(text, Vision::Achromatopsia),
                                                 simulate(back, Vision::Achromatopsia)))
                            != formatRatio(contrastRatio(text, back));
        }
    }
    QVERIFY(grayDiffers); // else the exact ratio would need no care
    QCOMPARE(visionName(Vision::Tritanopia), QStringLiteral("Tritanopia"));
}

QTEST_GUILESS_MAIN(tst_Contrast)
#include "tst_contrast.moc"
