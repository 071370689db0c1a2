// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "palettes/palette.h"

#include <QImage>
#include <QSize>
#include <QString>

// Palettes from images: a PNG, JPEG, BMP or GIF image decoded by Qt's image readers, and its
// dominant colors (color/dominantcolors.h) as the colors of a palette. Which files are images
// is palettes/palettefile.h's to say.
namespace Tintora::ImagePalette {

// Larger images are refused before they are decoded: 100 megapixels take 400 MB as 32-bit
// pixels, and twice that while a 16-bit PNG is decoded.
inline constexpr qint64 kMaxPixels = 100'000'000;

// Opens the image and reads its header, without decoding it. Throws FileError naming the file
// when it cannot be opened, is no PNG, JPEG, BMP or GIF image (whatever its name says), or has
// more than kMaxPixels pixels. Returns its size.
QSize check(const QString &path);

// Decodes the whole image into 32-bit pixels (QImage::Format_RGB32 or Format_ARGB32). Throws
// FileError as check() does, and when the image's data is damaged or cut short.
QImage read(const QString &path);

// The image's dominant colors, at most count (2 to 64), largest share first, each named after
// the file and its share of the image: "sunset.png 31%". The same pixels give the same colors.
// Throws FileError naming path when no pixel is opaque enough to count.
Palette::Colors colors(const QImage &image, const QString &path, int count);

} // namespace Tintora::ImagePalette
