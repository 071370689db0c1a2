// SPDX-License-Identifier: GPL-3.0-or-later
#include "color/adjusterstate.h"
#include "color/colormodel.h"

#include <QTest>

using namespace Tintora;
using namespace Tintora::ColorModel;
using Color::pack;

Q_DECLARE_METATYPE(Tintora::ColorModel::Model)
Q_DECLARE_METATYPE(Tintora::ColorModel::Position)

namespace {

ColorValue hex(const char *text)
{
    const Color::Components c = Color::parseHex(QLatin1String(text));
    return pack(c.red, c.green, c.blue);
}

QString describe(const Position &p)
{
    return QStringLiteral("(%1, %2, %3)")
            .arg(p[0], 0, 'f', 4)
            .arg(p[1], 0, 'f', 4)
            .arg(p[2], 0, 'f', 4);
}

Position oklchOf(ColorValue color)
{
    return positionOf(Model::Oklch, color);
}

} // namespace

class tst_ColorModel : public QObject
{
    Q_OBJECT
private slots:
    void tableMatchesItsModels();
    void positionOfColor_data();
    void positionOfColor();
    void colorOfPosition_data();
    void colorOfPosition();
    void outsideSrgbIsGamutMapped_data();
    void outsideSrgbIsGamutMapped();
    void everyColorComesBack_data();
    void everyColorComesBack();
    void normalizedIntoRange_data();
    void normalizedIntoRange();
    void grooveRunsAlongOneChannel_data();
    void grooveRunsAlongOneChannel();
    void grooveMarksWhereItLeavesSrgb();

    void settingAChannelReadsBack_data();
    void settingAChannelReadsBack();
    void hueKeptThroughGray_data();
    void hueKeptThroughGray();
    void chromaKeptThroughBlack();
    void colorFromElsewhereMovesEveryModel();
    void outsidePositionKeptAsSet();
};

void tst_ColorModel::tableMatchesItsModels()
{
    for (Model model : allModels) {
        const ModelRow &r = row(model);
        QCOMPARE(r.model, model);
        for (const Channel &c : r.channels)
            QVERIFY2(c.minimum < c.maximum, c.key);
    }
}

// Reference values: the CSS Color 4 sample code's conversions (HSL, HWB, Lab in D50, OKLCH),
// HSV by its textbook definition.
void tst_ColorModel::positionOfColor_data()
{
    QTest::addColumn<Model>("model");
    QTest::addColumn<ColorValue>("color");
    QTest::addColumn<Position>("expected");
    QTest::addColumn<double>("tolerance");

    QTest::newRow("hsl red") << Model::Hsl << hex("#FF0000") << Position {0, 100, 50} << 1e-9;
    QTest::newRow("hsl 3366CC") << Model::Hsl << hex("#3366CC") << Position {220, 60, 50} << 1e-9;
    QTest::newRow("hsl gray") << Model::Hsl << hex("#808080") << Position {0, 0, 100 * 128 / 255.0}
                              << 1e-9;
    QTest::newRow("hsl black") << Model::Hsl << hex("#000000") << Position {0, 0, 0} << 1e-9;
    QTest::newRow("hsl white") << Model::Hsl << hex("#FFFFFF") << Position {0, 0, 100} << 1e-9;
    QTest::newRow("hsl magenta, hue near 360")
            << Model::Hsl << hex("#FF0080") << Position {360 - 128 / 255.0 * 60, 100, 50} << 1e-9;
    QTest::newRow("hsv 3366CC") << Model::Hsv << hex("#3366CC") << Position {220, 75, 80} << 1e-9;
    QTest::newRow("hsv red") << Model::Hsv << hex("#FF0000") << Position {0, 100, 100} << 1e-9;
    QTest::newRow("hsv black") << Model::Hsv << hex("#000000") << Position {0, 0, 0} << 1e-9;
    QTest::newRow("hsv gray") << Model::Hsv << hex("#808080") << Position {0, 0, 100 * 128 / 255.0}
                              << 1e-9;
    QTest::newRow("hwb 3366CC") << Model::Hwb << hex("#3366CC") << Position {220, 20, 20} << 1e-9;
    QTest::newRow("hwb gray") << Model::Hwb << hex("#808080")
                              << Position {0, 100 * 128 / 255.0, 100 * 127 / 255.0} << 1e-9;
    QTest::newRow("oklch red") << Model::Oklch << hex("#FF0000")
                               << Position {62.7955, 0.257683, 29.2339} << 1e-3;
    QTest::newRow("oklch lime") << Model::Oklch << hex("#00FF00")
                                << Position {86.6440, 0.294827, 142.4953} << 1e-3;
    QTest::newRow("oklch blue") << Model::Oklch << hex("#0000FF")
                                << Position {45.2014, 0.313214, 264.0520} << 1e-3;
    QTest::newRow("oklch white") << Model::Oklch << hex("#FFFFFF") << Position {100, 0, 0} << 1e-9;
    QTest::newRow("oklch black") << Model::Oklch << hex("#000000") << Position {0, 0, 0} << 1e-9;
    QTest::newRow("oklch gray has no hue")
            << Model::Oklch << hex("#808080") << Position {59.9871, 0, 0} << 1e-3;
    QTest::newRow("lab red") << Model::Lab << hex("#FF0000") << Position {54.2905, 80.8049, 69.8910}
                             << 1e-3;
    QTest::newRow("lab lime") << Model::Lab << hex("#00FF00")
                              << Position {87.8185, -79.2711, 80.9946} << 1e-3;
    QTest::newRow("lab blue") << Model::Lab << hex("#0000FF")
                              << Position {29.5683, 68.2874, -112.0297} << 1e-3;
    QTest::newRow("lab white") << Model::Lab << hex("#FFFFFF") << Position {100, 0, 0} << 1e-3;
    QTest::newRow("lab black") << Model::Lab << hex("#000000") << Position {0, 0, 0} << 1e-9;
}

void tst_ColorModel::positionOfColor()
{
    QFETCH(Model, model);
    QFETCH(ColorValue, color);
    QFETCH(Position, expected);
    QFETCH(double, tolerance);
    const Position p = positionOf(model, color);
    for (size_t i = 0; i < 3; ++i) {
        QVERIFY2(std::abs(p[i] - expected[i]) <= tolerance,
                 qPrintable(describe(p) + QStringLiteral(" expected ") + describe(expected)));
    }
}

void tst_ColorModel::colorOfPosition_data()
{
    QTest::addColumn<Model>("model");
    QTest::addColumn<Position>("position");
    QTest::addColumn<ColorValue>("expected");

    QTest::newRow("hsl 3366CC") << Model::Hsl << Position {220, 60, 50} << hex("#3366CC");
    QTest::newRow("hsl hue 360 is hue 0")
            << Model::Hsl << Position {360, 100, 50} << hex("#FF0000");
    QTest::newRow("hsl black whatever the hue")
            << Model::Hsl << Position {200, 80, 0} << hex("#000000");
    QTest::newRow("hsv lime") << Model::Hsv << Position {120, 100, 100} << hex("#00FF00");
    QTest::newRow("hsv 3366CC") << Model::Hsv << Position {220, 75, 80} << hex("#3366CC");
    QTest::newRow("hsv hue 360") << Model::Hsv << Position {360, 100, 100} << hex("#FF0000");
    QTest::newRow("hwb gray where whiteness and blackness meet")
            << Model::Hwb << Position {90, 60, 60} << hex("#808080");
    QTest::newRow("hwb 3366CC") << Model::Hwb << Position {220, 20, 20} << hex("#3366CC");
    QTest::newRow("oklch white") << Model::Oklch << Position {100, 0, 0} << hex("#FFFFFF");
    QTest::newRow("oklch beyond white is white")
            << Model::Oklch << Position {100, 0.3, 120} << hex("#FFFFFF");
    QTest::newRow("oklch black with chroma is black")
            << Model::Oklch << Position {0, 0.3, 120} << hex("#000000");
    QTest::newRow("oklch hue 360") << Model::Oklch << Position {62.7955, 0.2, 360}
                                   << toColor(Model::Oklch, {62.7955, 0.2, 0});
    QTest::newRow("lab white") << Model::Lab << Position {100, 0, 0} << hex("#FFFFFF");
    QTest::newRow("lab black") << Model::Lab << Position {0, 0, 0} << hex("#000000");
    QTest::newRow("lab red") << Model::Lab << Position {54.2905, 80.8049, 69.8910}
                             << hex("#FF0000");
}

void tst_ColorModel::colorOfPosition()
{
    QFETCH(Model, model);
    QFETCH(Position, position);
    QFETCH(ColorValue, expected);
    QCOMPARE(Color::buildHex(toColor(model, position)), Color::buildHex(expected));
}

// Outside sRGB the color keeps the position's lightness and hue, with less chroma: the CSS
// Color 4 mapping, which stops within a just-noticeable difference of the gamut's edge.
void tst_ColorModel::outsideSrgbIsGamutMapped_data()
{
    QTest::addColumn<Model>("model");
    QTest::addColumn<Position>("position");

    QTest::newRow("oklch vivid green") << Model::Oklch << Position {70, 0.4, 150};
    QTest::newRow("oklch deep blue") << Model::Oklch << Position {30, 0.35, 265};
    QTest::newRow("oklch pale yellow") << Model::Oklch << Position {95, 0.3, 100};
    QTest::newRow("lab far red") << Model::Lab << Position {50, 125, 0};
    QTest::newRow("lab far blue") << Model::Lab << Position {40, 0, -125};
}

void tst_ColorModel::outsideSrgbIsGamutMapped()
{
    QFETCH(Model, model);
    QFETCH(Position, position);
    const Result result = evaluate(model, position);
    QVERIFY(!result.inSrgb);
    const Position &want = position;
    const Position got = oklchOf(result.color);
    if (model == Model::Oklch) {
        QVERIFY2(std::abs(got[0] - want[0]) < 2.5, qPrintable(describe(got)));
        // The last step clips, which may turn the hue a little.
        QVERIFY2(std::abs(got[2] - want[2]) < 6, qPrintable(describe(got)));
        QVERIFY2(got[1] < want[1], qPrintable(describe(got)));
    }
    // The color is at the edge of sRGB: some channel is at 0 or 255.
    const ColorValue c = result.color;
    const int channels[] = {Color::red(c), Color::green(c), Color::blue(c)};
    QVERIFY2(std::any_of(std::begin(channels), std::end(channels),
                         [](int v) { return v <= 2 || v >= 253; }),
             qPrintable(Color::buildHex(c)));
}

void tst_ColorModel::everyColorComesBack_data()
{
    QTest::addColumn<Model>("model");
    for (Model model : allModels)
        QTest::newRow(row(model).key) << model;
}

// The position of a color gives the color back, on a lattice of colors through the cube.
void tst_ColorModel::everyColorComesBack()
{
    QFETCH(Model, model);
    for (int red = 0; red < 256; red += 15) {
        for (int green = 0; green < 256; green += 15) {
            for (int blue = 0; blue < 256; blue += 15) {
                const ColorValue color = pack(red, green, blue);
                const Result back = evaluate(model, positionOf(model, color));
                if (back.color != color)
                    QFAIL(qPrintable(Color::buildHex(color) + QStringLiteral(" came back as ")
                                     + Color::buildHex(back.color)));
                QVERIFY(back.inSrgb);
            }
        }
    }
}

void tst_ColorModel::normalizedIntoRange_data()
{
    QTest::addColumn<Model>("model");
    QTest::addColumn<int>("channel");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");

    QTest::newRow("hue below 0 wraps") << Model::Hsl << 0 << -30.0 << 330.0;
    QTest::newRow("hue above 360 wraps") << Model::Hsl << 0 << 725.0 << 5.0;
    QTest::newRow("hue 360 stays") << Model::Hsl << 0 << 360.0 << 360.0;
    QTest::newRow("percent clamped") << Model::Hsv << 1 << 120.0 << 100.0;
    QTest::newRow("percent to a tenth") << Model::Hsv << 2 << 33.333 << 33.3;
    QTest::newRow("chroma to a thousandth") << Model::Oklch << 1 << 0.12345 << 0.123;
    QTest::newRow("chroma clamped") << Model::Oklch << 1 << 0.9 << 0.4;
    QTest::newRow("lab a clamped") << Model::Lab << 1 << -300.0 << -125.0;
    QTest::newRow("not a number is the minimum") << Model::Lab << 2 << qQNaN() << -125.0;
}

void tst_ColorModel::normalizedIntoRange()
{
    QFETCH(Model, model);
    QFETCH(int, channel);
    QFETCH(double, value);
    QFETCH(double, expected);
    QCOMPARE(normalized(row(model).channels[size_t(channel)], value), expected);
}

void tst_ColorModel::grooveRunsAlongOneChannel_data()
{
    QTest::addColumn<Model>("model");
    QTest::addColumn<int>("channel");
    QTest::addColumn<Position>("position");
    QTest::newRow("hsl hue") << Model::Hsl << 0 << Position {220, 60, 50};
    QTest::newRow("hsl lightness") << Model::Hsl << 2 << Position {220, 60, 50};
    QTest::newRow("hsv saturation") << Model::Hsv << 1 << Position {30, 50, 90};
    QTest::newRow("hwb blackness") << Model::Hwb << 2 << Position {300, 10, 20};
    QTest::newRow("oklch lightness") << Model::Oklch << 0 << Position {60, 0.1, 250};
    QTest::newRow("oklch hue") << Model::Oklch << 2 << Position {70, 0.12, 40};
    QTest::newRow("lab b") << Model::Lab << 2 << Position {50, 20, 0};
}

// Each sample is the color of the position with only that channel moved, from the minimum to
// the maximum.
void tst_ColorModel::grooveRunsAlongOneChannel()
{
    QFETCH(Model, model);
    QFETCH(int, channel);
    QFETCH(Position, position);
    const Channel &c = row(model).channels[size_t(channel)];
    constexpr int samples = 101;
    const Groove g = groove(model, position, channel, samples);
    QCOMPARE(int(g.colors.size()), samples);
    QCOMPARE(int(g.outside.size()), samples);
    for (int i : {0, 37, 50, 100}) {
        Position p = position;
        p[size_t(channel)] = c.minimum + (c.maximum - c.minimum) * i / (samples - 1);
        const Result expected = evaluate(model, p);
        QCOMPARE(Color::buildHex(g.colors[size_t(i)]), Color::buildHex(expected.color));
        QCOMPARE(bool(g.outside[size_t(i)]), !expected.inSrgb);
    }
    if (!row(model).reachesBeyondSrgb)
        QVERIFY(!g.anyOutside);
}

void tst_ColorModel::grooveMarksWhereItLeavesSrgb()
{
    // Chroma of a green: inside at gray, outside at 0.4.
    const Groove chroma = groove(Model::Oklch, {70, 0.1, 150}, 1, 41);
    QVERIFY(chroma.anyOutside);
    QVERIFY(!chroma.outside.front());
    QVERIFY(chroma.outside.back());
    // Once outside, outside to the end: sRGB is convex along a ray of chroma.
    const auto firstOutside = std::find(chroma.outside.begin(), chroma.outside.end(), true);
    QVERIFY(std::all_of(firstOutside, chroma.outside.end(), [](bool o) { return o; }));
    // The colors there are still colors: the gamut-mapped ones, none of them black.
    QVERIFY(chroma.colors.back() != 0);
    // Lightness of a gray never leaves.
    QVERIFY(!groove(Model::Oklch, {50, 0, 0}, 0, 41).anyOutside);
}

void tst_ColorModel::settingAChannelReadsBack_data()
{
    QTest::addColumn<Model>("model");
    QTest::addColumn<int>("channel");
    QTest::addColumn<double>("value");
    QTest::newRow("hsl hue") << Model::Hsl << 0 << 123.4;
    QTest::newRow("hsl saturation") << Model::Hsl << 1 << 40.3;
    QTest::newRow("hsv value") << Model::Hsv << 2 << 66.6;
    QTest::newRow("hwb whiteness") << Model::Hwb << 1 << 12.5;
    QTest::newRow("oklch lightness") << Model::Oklch << 0 << 55.5;
    QTest::newRow("oklch chroma") << Model::Oklch << 1 << 0.087;
    QTest::newRow("oklch hue") << Model::Oklch << 2 << 301.7;
    QTest::newRow("lab a") << Model::Lab << 1 << -33.3;
    QTest::newRow("lab b") << Model::Lab << 2 << 44.4;
}

// The channel shows what was set, not what the rounded color would give, also once the update
// cycle has brought the color back.
void tst_ColorModel::settingAChannelReadsBack()
{
    QFETCH(Model, model);
    QFETCH(int, channel);
    QFETCH(double, value);
    AdjusterState state(hex("#3366CC"));
    const Position before = state.position(model);
    const ColorValue color = state.setChannel(model, channel, value);
    state.follow(color);
    const Position after = state.position(model);
    QCOMPARE(after[size_t(channel)], value);
    for (size_t other = 0; other < 3; ++other) {
        if (int(other) != channel)
            QCOMPARE(after[other], before[other]);
    }
    QCOMPARE(Color::buildHex(state.color()), Color::buildHex(toColor(model, after)));
}

void tst_ColorModel::hueKeptThroughGray_data()
{
    QTest::addColumn<Model>("model");
    QTest::addColumn<int>("hueChannel");
    QTest::addColumn<int>("grayingChannel"); // a channel that, at 0, makes the color gray
    QTest::addColumn<double>("grayAt");
    QTest::newRow("hsl saturation") << Model::Hsl << 0 << 1 << 0.0;
    QTest::newRow("hsl lightness to black") << Model::Hsl << 0 << 2 << 0.0;
    QTest::newRow("hsv saturation") << Model::Hsv << 0 << 1 << 0.0;
    QTest::newRow("hsv value to black") << Model::Hsv << 0 << 2 << 0.0;
    QTest::newRow("hwb whiteness to gray") << Model::Hwb << 0 << 1 << 100.0;
    QTest::newRow("oklch chroma") << Model::Oklch << 2 << 1 << 0.0;
    QTest::newRow("oklch lightness to black") << Model::Oklch << 2 << 0 << 0.0;
}

// A hue set, the color taken through gray and back: the hue is still the one set, in the model
// that moved and in every other, and the color returns to that hue.
void tst_ColorModel::hueKeptThroughGray()
{
    QFETCH(Model, model);
    QFETCH(int, hueChannel);
    QFETCH(int, grayingChannel);
    QFETCH(double, grayAt);
    AdjusterState state(hex("#3366CC"));
    state.follow(state.setChannel(model, hueChannel, 200));
    // At the channel's own resolution, as a slider leaves it.
    const double restore = normalized(row(model).channels[size_t(grayingChannel)],
                                      state.position(model)[size_t(grayingChannel)]);
    state.follow(state.setChannel(model, grayingChannel, restore));
    const Position colored = state.position(model);
    std::array<double, kModelCount> hues {};
    for (Model other : {Model::Hsl, Model::Hsv, Model::Hwb})
        hues[size_t(other)] = state.position(other)[0];

    const ColorValue gray = state.setChannel(model, grayingChannel, grayAt);
    QCOMPARE(Color::red(gray), Color::green(gray));
    QCOMPARE(Color::green(gray), Color::blue(gray));
    state.follow(gray);
    QCOMPARE(state.position(model)[size_t(hueChannel)], 200.0);
    // The other hue models keep their hue too: the gray says nothing of it.
    for (Model other : {Model::Hsl, Model::Hsv, Model::Hwb}) {
        if (other != model)
            QCOMPARE(state.position(other)[0], hues[size_t(other)]);
    }

    const ColorValue back = state.setChannel(model, grayingChannel, restore);
    state.follow(back);
    // Back to the very color it had before it went gray.
    QCOMPARE(Color::buildHex(back), Color::buildHex(toColor(model, colored)));
    QCOMPARE(state.position(model), colored);
}

void tst_ColorModel::chromaKeptThroughBlack()
{
    AdjusterState state(hex("#3366CC"));
    state.setChannel(Model::Oklch, 1, 0.15);
    state.follow(state.setChannel(Model::Oklch, 0, 0));
    QCOMPARE(state.color(), pack(0, 0, 0));
    QCOMPARE(state.position(Model::Oklch)[1], 0.15);
    // A black from elsewhere keeps them as well: black says nothing of chroma or hue.
    AdjusterState other(hex("#3366CC"));
    const double hue = other.position(Model::Oklch)[2];
    other.follow(pack(0, 0, 0));
    QCOMPARE(other.position(Model::Oklch)[2], hue);
    QVERIFY(other.position(Model::Oklch)[1] > 0.1);
}

void tst_ColorModel::colorFromElsewhereMovesEveryModel()
{
    AdjusterState state(hex("#3366CC"));
    state.setChannel(Model::Hsl, 1, 40.3);
    state.follow(hex("#FF8000"));
    QCOMPARE(state.color(), hex("#FF8000"));
    for (Model model : allModels) {
        QCOMPARE(Color::buildHex(toColor(model, state.position(model))), QStringLiteral("#FF8000"));
    }
    QVERIFY(std::abs(state.position(Model::Hsl)[0] - 30.1) < 0.1);
}

void tst_ColorModel::outsidePositionKeptAsSet()
{
    AdjusterState state(hex("#3366CC"));
    const ColorValue mapped = state.setChannel(Model::Oklch, 1, 0.4);
    QVERIFY(!state.inSrgb(Model::Oklch));
    QCOMPARE(mapped, toColor(Model::Oklch, state.position(Model::Oklch)));
    state.follow(mapped);
    QCOMPARE(state.position(Model::Oklch)[1], 0.4);
    QVERIFY(!state.inSrgb(Model::Oklch));
    QVERIFY(state.inSrgb(Model::Lab)); // the others follow the mapped color
}

QTEST_GUILESS_MAIN(tst_ColorModel)
#include "tst_colormodel.moc"
