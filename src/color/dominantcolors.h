// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color/color.h"

#include <QtGlobal>

#include <vector>

// The dominant colors of an image: its pixels clustered in Oklab, where distance follows what
// the eye sees. Deterministic: the same pixels, in any order, give the same colors.
namespace Tintora::DominantColors {

using Color::ColorValue;

inline constexpr int kMinimumCount = 2;
inline constexpr int kMaximumCount = 64;
inline constexpr int kDefaultCount = 8;

struct Share
{
    ColorValue color = 0;
    double share = 0; // of the image's opaque pixels, 0..1
    bool operator==(const Share &) const = default;
};

// A plain pixel buffer: height rows of width pixels, each row stride pixels after the one
// before; a pixel is 0xAARRGGBB (QImage's RGB32 and ARGB32 formats read as quint32).
struct Pixels
{
    const quint32 *data = nullptr;
    int width = 0;
    int height = 0;
    qsizetype stride = 0;
};

// At most count colors (moved into 2..64), largest share first, ties by color value; fewer when
// the image has fewer distinct colors. Pixels less than half opaque do not count; an image
// without opaque pixels gives none.
std::vector<Share> find(const Pixels &pixels, int count = kDefaultCount);

} // namespace Tintora::DominantColors
