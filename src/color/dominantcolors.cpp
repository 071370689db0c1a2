// SPDX-License-Identifier: GPL-3.0-or-later
#include "color/dominantcolors.h"

#include "color/colorspace.h"

#include <algorithm>
#include <array>
#include <limits>

namespace Tintora::DominantColors {

namespace {

using ColorSpace::Triple;

// A histogram of 32 levels a channel: one pass over the pixels, however large the image, and
// at most 32768 points to cluster. Each bin keeps the sum of its pixels, so that an image of a
// few flat colors gives them back exactly.
constexpr int kBins = 32 * 32 * 32;

struct Bin
{
    quint64 count = 0;
    quint64 red = 0;
    quint64 green = 0;
    quint64 blue = 0;
};

struct Point
{
    Triple lab;
    double weight;
};

double distance2(const Triple &one, const Triple &two)
{
    const double a = one[0] - two[0];
    const double b = one[1] - two[1];
    const double c = one[2] - two[2];
    return a * a + b * b + c * c;
}

std::vector<Point> histogram(const Pixels &pixels, double &total)
{
    std::vector<Bin> bins(kBins);
    for (int y = 0; y < pixels.height; ++y) {
        const quint32 *line = pixels.data + qsizetype(y) * pixels.stride;
        for (int x = 0; x < pixels.width; ++x) {
            const quint32 p = line[x];
            if ((p >> 24) < 128)
                continue;
            const quint32 red = (p >> 16) & 255;
            const quint32 green = (p >> 8) & 255;
            const quint32 blue = p & 255;
            Bin &bin = bins[((red >> 3) << 10) | ((green >> 3) << 5) | (blue >> 3)];
            ++bin.count;
            bin.red += red;
            bin.green += green;
            bin.blue += blue;
        }
    }
    std::vector<Point> points;
    total = 0;
    for (const Bin &bin : bins) {
        if (bin.count == 0)
            continue;
        const auto n = double(bin.count);
        const Triple encoded {double(bin.red) / n / 255, double(bin.green) / n / 255,
                              double(bin.blue) / n / 255};
        points.push_back({ColorSpace::xyz65ToOklab(
                                  ColorSpace::linearSrgbToXyz65(ColorSpace::srgbToLinear(encoded))),
                          n});
        total += n;
    }
    return points;
}

// Farthest first, by weight: the heaviest point, then each time the point whose weight times
// its squared distance to the nearest center is largest (the first such, for determinism).
std::vector<Triple> firstCenters(const std::vector<Point> &points, int count)
{
    std::vector<Triple> centers;
    size_t heaviest = 0;
    for (size_t i = 1; i < points.size(); ++i) {
        if (points[i].weight > points[heaviest].weight)
            heaviest = i;
    }
    centers.push_back(points[heaviest].lab);
    std::vector<double> nearest(points.size(), std::numeric_limits<double>::max());
    while (int(centers.size()) < count) {
        size_t best = 0;
        double bestScore = 0;
        for (size_t i = 0; i < points.size(); ++i) {
            nearest[i] = std::min(nearest[i], distance2(points[i].lab, centers.back()));
            const double score = points[i].weight * nearest[i];
            if (score > bestScore) {
                bestScore = score;
                best = i;
            }
        }
        if (bestScore <= 0)
            break; // every point is a center already
        centers.push_back(points[best].lab);
    }
    return centers;
}

} // namespace

std::vector<Share> find(const Pixels &pixels, int count)
{
    count = std::clamp(count, kMinimumCount, kMaximumCount);
    if (!pixels.data || pixels.width <= 0 || pixels.height <= 0)
        return {};
    double total = 0;
    const std::vector<Point> points = histogram(pixels, total);
    if (points.empty())
        return {};

    const std::vector<Triple> first = firstCenters(points, count);
    const size_t k = first.size();
    // Lloyd's rounds over flat arrays: the inner loop is all the time there is.
    std::vector<double> centers(k * 3);
    for (size_t c = 0; c < k; ++c)
        std::copy(first[c].begin(), first[c].end(), centers.begin() + qsizetype(c * 3));
    std::vector<double> lab(points.size() * 3);
    for (size_t i = 0; i < points.size(); ++i)
        std::copy(points[i].lab.begin(), points[i].lab.end(), lab.begin() + qsizetype(i * 3));
    std::vector<int> cluster(points.size(), -1);
    std::vector<double> weights(k);
    std::vector<double> sums(k * 3);
    constexpr int kMaxRounds = 40;
    for (int round = 0; round < kMaxRounds; ++round) {
        bool moved = false;
        const double *centerData = centers.data();
        for (size_t i = 0; i < points.size(); ++i) {
            const double *point = lab.data() + i * 3;
            int best = 0;
            double bestDistance = std::numeric_limits<double>::max();
            for (size_t c = 0; c < k; ++c) {
                const double *center = centerData + c * 3;
                const double a = point[0] - center[0];
                const double b = point[1] - center[1];
                const double d = point[2] - center[2];
                const double distance = a * a + b * b + d * d;
                if (distance < bestDistance) {
                    bestDistance = distance;
                    best = int(c);
                }
            }
            if (cluster[i] != best) {
                cluster[i] = best;
                moved = true;
            }
        }
        std::fill(sums.begin(), sums.end(), 0.0);
        std::fill(weights.begin(), weights.end(), 0.0);
        for (size_t i = 0; i < points.size(); ++i) {
            const auto c = size_t(cluster[i]);
            const double w = points[i].weight;
            for (size_t j = 0; j < 3; ++j)
                sums[c * 3 + j] += lab[i * 3 + j] * w;
            weights[c] += w;
        }
        for (size_t c = 0; c < k; ++c) {
            if (weights[c] > 0) {
                for (size_t j = 0; j < 3; ++j)
                    centers[c * 3 + j] = sums[c * 3 + j] / weights[c];
            }
        }
        if (!moved)
            break;
    }

    std::vector<Share> shares;
    for (size_t c = 0; c < k; ++c) {
        if (weights[c] <= 0)
            continue;
        const ColorValue color = ColorSpace::xyz65ToColor(
                ColorSpace::oklabToXyz65({centers[c * 3], centers[c * 3 + 1], centers[c * 3 + 2]}));
        const double share = weights[c] / total;
        const auto same = std::find_if(shares.begin(), shares.end(),
                                       [color](const Share &s) { return s.color == color; });
        if (same != shares.end())
            same->share += share;
        else
            shares.push_back({color, share});
    }
    std::sort(shares.begin(), shares.end(), [](const Share &one, const Share &two) {
        return one.share != two.share ? one.share > two.share : one.color < two.color;
    });
    return shares;
}

} // namespace Tintora::DominantColors
