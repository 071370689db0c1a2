// SPDX-License-Identifier: GPL-3.0-or-later
#include "color/colormodel.h"
#include "color/dominantcolors.h"

#include <QTest>

#include <algorithm>
#include <random>

using namespace Tintora;
using namespace Tintora::DominantColors;
using Color::pack;

namespace {

struct Patch
{
    quint32 argb;
    int pixels;
};

// An image of flat patches, in row order, width pixels wide.
std::vector<quint32> image(const std::vector<Patch> &patches)
{
    std::vector<quint32> pixels;
    for (const Patch &p : patches)
        pixels.insert(pixels.end(), size_t(p.pixels), p.argb);
    return pixels;
}

Pixels view(const std::vector<quint32> &pixels, int width)
{
    return {pixels.data(), width, int(pixels.size()) / width, width};
}

QStringList describe(const std::vector<Share> &shares)
{
    QStringList texts;
    for (const Share &s : shares)
        texts << QStringLiteral("%1 %2").arg(Color::buildHex(s.color)).arg(s.share, 0, 'f', 4);
    return texts;
}

} // namespace

class tst_DominantColors : public QObject
{
    Q_OBJECT
private slots:
    void knownColorsAndShares_data();
    void knownColorsAndShares();
    void pixelOrderChangesNothing();
    void noisyPatchesGiveTheirCenters();
    void fewerColorsAskedMergeTheNearest();
    void transparentAndEmptyImages();
    void strideSkipsThePadding();
};

void tst_DominantColors::knownColorsAndShares_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("expected");
    const QStringList four {"#CC3322 0.4000", "#2255AA 0.3000", "#EEDD44 0.2000", "#202020 0.1000"};
    QTest::newRow("as many as there are") << 4 << four;
    QTest::newRow("the default eight: fewer exist") << kDefaultCount << four;
    QTest::newRow("sixty-four") << 64 << four;
    QTest::newRow("more than 64 is 64") << 500 << four;
}

// 40%, 30%, 20% and 10% of a 100 x 50 image, the patches in an order that is not their shares'.
void tst_DominantColors::knownColorsAndShares()
{
    QFETCH(int, count);
    QFETCH(QStringList, expected);
    const std::vector<quint32> pixels =
            image({{0xFF2255AA, 1500}, {0xFF202020, 500}, {0xFFCC3322, 2000}, {0xFFEEDD44, 1000}});
    QCOMPARE(describe(find(view(pixels, 100), count)), expected);
}

void tst_DominantColors::pixelOrderChangesNothing()
{
    std::vector<quint32> pixels;
    std::mt19937 random(7);
    std::uniform_int_distribution<quint32> channel(0, 0xFFFFFF);
    for (int i = 0; i < 20000; ++i)
        pixels.push_back(0xFF000000 | channel(random));
    const std::vector<Share> first = find(view(pixels, 200), 12);
    QCOMPARE(int(first.size()), 12);
    QCOMPARE(find(view(pixels, 200), 12), first); // the same run twice
    std::shuffle(pixels.begin(), pixels.end(), random);
    QCOMPARE(describe(find(view(pixels, 200), 12)), describe(first));
    // Largest share first.
    QVERIFY(std::is_sorted(first.begin(), first.end(),
                           [](const Share &a, const Share &b) { return a.share > b.share; }));
    double sum = 0;
    for (const Share &s : first)
        sum += s.share;
    QVERIFY(std::abs(sum - 1) < 1e-9);
}

// Patches with a little noise, as a photograph's flat areas have: each comes back as one color
// near its center, with its share.
void tst_DominantColors::noisyPatchesGiveTheirCenters()
{
    const std::array<Color::ColorValue, 3> centers {pack(200, 40, 40), pack(40, 160, 60),
                                                    pack(30, 40, 150)};
    const std::array<int, 3> counts {6000, 3000, 1000};
    std::mt19937 random(11);
    std::uniform_int_distribution<int> noise(-6, 6);
    std::vector<quint32> pixels;
    for (size_t k = 0; k < centers.size(); ++k) {
        for (int i = 0; i < counts[k]; ++i) {
            const auto c = [&](int v) { return quint32(std::clamp(v + noise(random), 0, 255)); };
            pixels.push_back(0xFF000000 | (c(Color::red(centers[k])) << 16)
                             | (c(Color::green(centers[k])) << 8) | c(Color::blue(centers[k])));
        }
    }
    const std::vector<Share> shares = find(view(pixels, 100), 3);
    QCOMPARE(int(shares.size()), 3);
    for (size_t k = 0; k < centers.size(); ++k) {
        const Share &s = shares[k];
        QVERIFY2(std::abs(s.share - counts[k] / 10000.0) < 0.005,
                 qPrintable(describe(shares).join(u' ')));
        QVERIFY2(std::abs(Color::red(s.color) - Color::red(centers[k])) <= 3
                         && std::abs(Color::green(s.color) - Color::green(centers[k])) <= 3
                         && std::abs(Color::blue(s.color) - Color::blue(centers[k])) <= 3,
                 qPrintable(describe(shares).join(u' ')));
    }
}

void tst_DominantColors::fewerColorsAskedMergeTheNearest()
{
    // Two reds close together and a far blue: two colors asked, the reds become one.
    const std::vector<quint32> pixels =
            image({{0xFFDD2020, 300}, {0xFFC02828, 300}, {0xFF2020DD, 400}});
    const std::vector<Share> shares = find(view(pixels, 100), 2);
    QCOMPARE(int(shares.size()), 2);
    QCOMPARE(shares[0].share, 0.6);
    QVERIFY(Color::red(shares[0].color) > 0xB0 && Color::blue(shares[0].color) < 0x40);
    QCOMPARE(Color::buildHex(shares[1].color), QStringLiteral("#2020DD"));
    // One asked is two: a palette of one color says nothing.
    QCOMPARE(int(find(view(pixels, 100), 1).size()), 2);
}

void tst_DominantColors::transparentAndEmptyImages()
{
    // Pixels less than half opaque do not count.
    const std::vector<quint32> pixels =
            image({{0x00FF0000, 500}, {0x7F00FF00, 250}, {0x800000FF, 250}});
    QCOMPARE(describe(find(view(pixels, 100))), QStringList {"#0000FF 1.0000"});
    const std::vector<quint32> clear = image({{0x00FFFFFF, 100}});
    QVERIFY(find(view(clear, 10)).empty());
    QVERIFY(find(Pixels {}).empty());
}

void tst_DominantColors::strideSkipsThePadding()
{
    // Rows of 3 pixels, 4 apart: the fourth is padding and must not count.
    std::vector<quint32> pixels;
    for (int y = 0; y < 10; ++y)
        pixels.insert(pixels.end(), {0xFF112233, 0xFF112233, 0xFF112233, 0xFFFFFFFF});
    const Pixels p {pixels.data(), 3, 10, 4};
    QCOMPARE(describe(find(p)), QStringList {"#112233 1.0000"});
}

QTEST_GUILESS_MAIN(tst_DominantColors)
#include "tst_dominantcolors.moc"
