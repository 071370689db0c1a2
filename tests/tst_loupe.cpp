// SPDX-License-Identifier: GPL-3.0-or-later
// The loupe's geometry: which device pixel is under the pointer at each device pixel ratio,
// nudging and clamping, the layout of the magnified cells, where the loupe goes near the edges,
// and the color read from a picture.
#include "color/loupe.h"

#include <QTest>

#include <vector>

using namespace Tintora;
using namespace Tintora::Loupe;

namespace {

const QList<qreal> kRatios {1.0, 1.25, 1.5, 2.0};

// A synthetic picture whose every pixel tells where it is: red x, green y, blue 0x5A. Its lines
// are padded, as a real image's may be, so that a reader ignoring the stride goes wrong.
struct TestPicture
{
    TestPicture(int width, int height) : stride(width + 3), pixels(size_t(stride) * height, 0)
    {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                pixels[size_t(y) * stride + x] = valueAt(x, y);
        picture = Picture {reinterpret_cast<const uchar *>(pixels.data()), QSize(width, height),
                           qsizetype(stride * sizeof(quint32))};
    }
    static quint32 valueAt(int x, int y)
    {
        return 0xFF00005Au | quint32(x) << 16 | quint32(y) << 8;
    }

    int stride;
    std::vector<quint32> pixels;
    Picture picture;
};

constexpr quint32 kOutside = 0xFF202020u;

} // namespace

class tst_Loupe : public QObject
{
    Q_OBJECT
private slots:
    void everyPointerPixelComesBack_data();
    void everyPointerPixelComesBack();
    void pixelUnderPoint_data();
    void pixelUnderPoint();
    void nudgesInsideThePicture_data();
    void nudgesInsideThePicture();
    void zoomStepsStopAtTheEnds();
    void layoutCentresAnOddSpan_data();
    void layoutCentresAnOddSpan();
    void placesBesideThePointer_data();
    void placesBesideThePointer();
    void readsColorsFromThePicture();
    void magnifiesTheNeighbourhood_data();
    void magnifiesTheNeighbourhood();
};

void tst_Loupe::everyPointerPixelComesBack_data()
{
    QTest::addColumn<qreal>("ratio");
    // 1.1 and 1.8 are scale factors whose division by the ratio does not multiply back exactly.
    for (const qreal ratio : kRatios + QList<qreal> {1.1, 1.8})
        QTest::addRow("ratio %g", ratio) << ratio;
}

// The pointer sits on a whole device pixel and reaches the program divided by the ratio; the
// loupe must land on that very pixel, for every pixel of a large screen.
void tst_Loupe::everyPointerPixelComesBack()
{
    QFETCH(qreal, ratio);
    const QSize screen(3840, 2160);
    for (int n = 0; n < screen.width(); ++n) {
        const QPoint pixel(n, n % screen.height());
        const QPointF logical(pixel.x() / ratio, pixel.y() / ratio);
        QCOMPARE(pixelUnder(logical, ratio, screen), pixel);
        QCOMPARE(pixelUnder(centreOf(pixel, ratio), ratio, screen), pixel);
    }
}

void tst_Loupe::pixelUnderPoint_data()
{
    QTest::addColumn<QPointF>("logical");
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QPoint>("pixel");
    QTest::newRow("ratio 1") << QPointF(10, 20) << 1.0 << QPoint(10, 20);
    QTest::newRow("ratio 1, inside a pixel") << QPointF(10.9, 20.5) << 1.0 << QPoint(10, 20);
    QTest::newRow("ratio 1.25, a logical point") << QPointF(3, 4) << 1.25 << QPoint(3, 5);
    QTest::newRow("ratio 1.5, a logical point") << QPointF(3, 5) << 1.5 << QPoint(4, 7);
    QTest::newRow("ratio 2, a logical point") << QPointF(3, 5) << 2.0 << QPoint(6, 10);
    QTest::newRow("left of the picture") << QPointF(-4, 30) << 1.5 << QPoint(0, 45);
    QTest::newRow("below the picture") << QPointF(30, 900) << 1.5 << QPoint(45, 1199);
    QTest::newRow("past the last logical pixel") << QPointF(1066.9, 10) << 1.5 << QPoint(1599, 15);
    // A position no screen has clamps to the edge instead of overflowing the integer.
    QTest::newRow("far beyond int") << QPointF(1e300, -1e300) << 2.0 << QPoint(1599, 0);
    QTest::newRow("not a number") << QPointF(qQNaN(), 10) << 1.0 << QPoint(0, 10);
}

void tst_Loupe::pixelUnderPoint()
{
    QFETCH(QPointF, logical);
    QFETCH(qreal, ratio);
    QFETCH(QPoint, pixel);
    QCOMPARE(pixelUnder(logical, ratio, QSize(1600, 1200)), pixel);
}

void tst_Loupe::nudgesInsideThePicture_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("step");
    QTest::addColumn<QPoint>("to");
    QTest::newRow("one right") << QPoint(50, 50) << QPoint(1, 0) << QPoint(51, 50);
    QTest::newRow("ten up") << QPoint(50, 50) << QPoint(0, -10) << QPoint(50, 40);
    QTest::newRow("left at the left edge") << QPoint(0, 50) << QPoint(-1, 0) << QPoint(0, 50);
    QTest::newRow("ten left near the edge") << QPoint(4, 50) << QPoint(-10, 0) << QPoint(0, 50);
    QTest::newRow("ten down near the bottom") << QPoint(5, 95) << QPoint(0, 10) << QPoint(5, 99);
    QTest::newRow("right at the last pixel") << QPoint(199, 99) << QPoint(1, 0) << QPoint(199, 99);
}

void tst_Loupe::nudgesInsideThePicture()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, step);
    QFETCH(QPoint, to);
    QCOMPARE(nudge(from, step, QSize(200, 100)), to);
}

void tst_Loupe::zoomStepsStopAtTheEnds()
{
    QCOMPARE(kZooms.front(), 4);
    QCOMPARE(kZooms.back(), 32);
    int zoom = kDefaultZoom;
    QList<int> up;
    for (int i = 0; i < 10; ++i)
        up.append(zoom = zoomIn(zoom));
    QCOMPARE(up.last(), 32);
    QVERIFY(std::is_sorted(up.begin(), up.end()));
    for (int i = 0; i < 10; ++i)
        zoom = zoomOut(zoom);
    QCOMPARE(zoom, 4);
    QCOMPARE(zoomOut(4), 4);
    QCOMPARE(zoomIn(32), 32);
    // A zoom between the steps goes to the neighbouring step, never past it.
    QCOMPARE(zoomIn(7), 8);
    QCOMPARE(zoomOut(7), 6);
}

void tst_Loupe::layoutCentresAnOddSpan_data()
{
    QTest::addColumn<int>("zoom");
    QTest::addColumn<qreal>("ratio");
    for (const int zoom : kZooms)
        for (const qreal ratio : kRatios)
            QTest::addRow("zoom %d, ratio %g", zoom, ratio) << zoom << ratio;
}

void tst_Loupe::layoutCentresAnOddSpan()
{
    QFETCH(int, zoom);
    QFETCH(qreal, ratio);
    const Layout l = layout(zoom, ratio);
    QCOMPARE(l.span % 2, 1);
    // The cells cover the whole loupe, no more than one cell's worth beyond each side.
    QVERIFY(l.offset <= 0);
    QVERIFY(l.offset + l.span * l.cell >= l.side);
    QVERIFY(-l.offset < l.cell);
    // The cell under the crosshair is the middle one and sits in the middle of the loupe.
    const QRect centre = centreCell(l);
    QCOMPARE(centre.left(), l.offset + (l.span / 2) * l.cell);
    QVERIFY(qAbs(2 * centre.left() + l.cell - l.side) <= 1);
    // The loupe and its cells keep their size on the screen whatever the ratio.
    QVERIFY(qAbs(l.side - kSide * ratio) <= 0.5);
    QVERIFY(qAbs(l.cell - zoom * ratio) <= 0.5);
    if (zoom == kDefaultZoom)
        QCOMPARE(l.span, 15);
}

void tst_Loupe::placesBesideThePointer_data()
{
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<QRect>("bounds");
    QTest::addColumn<QPoint>("topLeft");
    const QRect screen(0, 0, 1920, 1080);
    const QRect second(1920, 0, 1280, 1024);
    // The box is 120 x 150 and the gap 16.
    QTest::newRow("middle") << QPoint(500, 500) << screen << QPoint(516, 516);
    QTest::newRow("top left corner") << QPoint(0, 0) << screen << QPoint(16, 16);
    QTest::newRow("near the right edge") << QPoint(1800, 500) << screen << QPoint(1664, 516);
    QTest::newRow("near the bottom") << QPoint(500, 950) << screen << QPoint(516, 784);
    QTest::newRow("bottom right corner") << QPoint(1919, 1079) << screen << QPoint(1783, 913);
    QTest::newRow("second screen, its left edge") << QPoint(1920, 10) << second << QPoint(1936, 26);
    QTest::newRow("second screen, its right edge")
            << QPoint(3199, 1023) << second << QPoint(3063, 857);
    QTest::newRow("too narrow for either side")
            << QPoint(100, 10) << QRect(0, 0, 200, 400) << QPoint(0, 26);
    QTest::newRow("smaller than the box") << QPoint(30, 30) << QRect(5, 5, 60, 60) << QPoint(5, 5);
}

void tst_Loupe::placesBesideThePointer()
{
    QFETCH(QPoint, pointer);
    QFETCH(QRect, bounds);
    QFETCH(QPoint, topLeft);
    const QRect box = place(pointer, QSize(120, 150), bounds, 16);
    QCOMPARE(box.topLeft(), topLeft);
    QCOMPARE(box.size(), QSize(120, 150));
    if (bounds.width() >= 120 && bounds.height() >= 150)
        QVERIFY(bounds.contains(box));
}

void tst_Loupe::readsColorsFromThePicture()
{
    const TestPicture test(40, 30);
    QCOMPARE(colorAt(test.picture, QPoint(7, 3)), Color::pack(7, 3, 0x5A));
    QCOMPARE(colorAt(test.picture, QPoint(39, 29)), Color::pack(39, 29, 0x5A));
    QCOMPARE(colorAt(test.picture, QPoint(-5, 100)), Color::pack(0, 29, 0x5A));

    // 0xAARRGGBB reads as #RRGGBB, whatever the alpha byte says.
    const quint32 pixel = 0x7F112233u;
    const Picture single {reinterpret_cast<const uchar *>(&pixel), QSize(1, 1), 4};
    QCOMPARE(Color::buildHex(colorAt(single, QPoint(0, 0))), QStringLiteral("#112233"));
    QCOMPARE(colorAt(Picture {}, QPoint(0, 0)), 0u);
}

void tst_Loupe::magnifiesTheNeighbourhood_data()
{
    QTest::addColumn<int>("zoom");
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QPoint>("pixel");
    QTest::newRow("default zoom, inside") << kDefaultZoom << 1.0 << QPoint(20, 15);
    QTest::newRow("overhanging cells, ratio 1.5") << 12 << 1.5 << QPoint(20, 15);
    QTest::newRow("smallest zoom, ratio 1.25") << 4 << 1.25 << QPoint(20, 15);
    QTest::newRow("top left corner") << kDefaultZoom << 2.0 << QPoint(0, 0);
    QTest::newRow("bottom right corner") << 32 << 1.0 << QPoint(39, 29);
}

void tst_Loupe::magnifiesTheNeighbourhood()
{
    QFETCH(int, zoom);
    QFETCH(qreal, ratio);
    QFETCH(QPoint, pixel);
    const TestPicture test(40, 30);
    const Layout l = layout(zoom, ratio);
    const qsizetype stride = l.side + 1;
    std::vector<quint32> target(size_t(stride) * l.side, 0);
    magnify(test.picture, pixel, l, reinterpret_cast<uchar *>(target.data()),
            stride * qsizetype(sizeof(quint32)), kOutside);
    const auto at = [&](int x, int y) { return target[size_t(y) * stride + x]; };

    // Every loupe pixel shows the source pixel of its cell, or the outside beyond the picture.
    for (int y = 0; y < l.side; ++y) {
        for (int x = 0; x < l.side; ++x) {
            const QPoint source(pixel.x() - l.span / 2 + (x - l.offset) / l.cell,
                                pixel.y() - l.span / 2 + (y - l.offset) / l.cell);
            const quint32 expected = test.picture.contains(source)
                    ? TestPicture::valueAt(source.x(), source.y())
                    : kOutside;
            if (at(x, y) != expected)
                QFAIL(qPrintable(QStringLiteral("loupe pixel %1,%2").arg(x).arg(y)));
        }
        QCOMPARE(target[size_t(y) * stride + l.side], 0u); // nothing past the side
    }
    // The whole centre cell is the pixel under the crosshair.
    const QRect centre = centreCell(l);
    const quint32 chosen = TestPicture::valueAt(pixel.x(), pixel.y());
    QCOMPARE(at(centre.left(), centre.top()), chosen);
    QCOMPARE(at(centre.right(), centre.bottom()), chosen);
    QVERIFY(at(centre.right() + 1, centre.top()) != chosen);
}

QTEST_GUILESS_MAIN(tst_Loupe)
#include "tst_loupe.moc"
