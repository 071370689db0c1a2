// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color/color.h"

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>

#include <array>

// The geometry of picking a pixel from a picture of the screen through a magnifying loupe. A
// screen's picture is taken at its device resolution, so every position here that names a pixel
// of the picture is in device pixels; the pointer arrives in logical pixels and a device pixel
// ratio turns one into the other.
namespace Tintora::Loupe {

// The magnifications offered, in device pixels of the loupe per source pixel at a device pixel
// ratio of 1; the mouse wheel and +/- step through them.
inline constexpr std::array<int, 7> kZooms {4, 6, 8, 12, 16, 24, 32};
inline constexpr int kDefaultZoom = 8;
// The next step up or down; the ends stay where they are.
int zoomIn(int zoom);
int zoomOut(int zoom);

// The loupe's side in logical pixels: 15 source pixels across at the default zoom.
inline constexpr int kSide = 120;

// The device pixel under a point given in logical pixels, clamped into a picture of the given
// device size. The pointer's own position is a whole device pixel that reaches us divided by
// the ratio, so the product is rounded against the error of that division before it is floored.
QPoint pixelUnder(QPointF logical, qreal devicePixelRatio, QSize pictureSize);

// The logical point at the centre of a device pixel.
QPointF centreOf(QPoint pixel, qreal devicePixelRatio);

// Moves a pixel by step, kept inside a picture of the given size.
QPoint nudge(QPoint pixel, QPoint step, QSize pictureSize);

// How the loupe lays out its cells, all in device pixels.
struct Layout
{
    int cell = 0;   // the side of one magnified source pixel
    int span = 0;   // source pixels across, odd so that one sits in the middle
    int side = 0;   // the loupe's side
    int offset = 0; // where the first cell begins inside the loupe (cells may overhang)
    bool operator==(const Layout &) const = default;
};
Layout layout(int zoom, qreal devicePixelRatio);

// Where in the loupe the cell of the pixel under the crosshair lies.
QRect centreCell(const Layout &layout);

// Where a box (the loupe with its hex label) goes beside the pointer: below and to the right,
// gap away; on the other side where it would leave bounds; inside bounds whatever happens.
QRect place(QPoint pointer, QSize box, QRect bounds, int gap);

// A picture of 32-bit pixels 0xAARRGGBB in the machine's byte order (QImage's RGB32 and ARGB32
// formats), seen without owning it.
struct Picture
{
    const uchar *bits = nullptr;
    QSize size;
    qsizetype bytesPerLine = 0;

    bool contains(QPoint pixel) const
    {
        return pixel.x() >= 0 && pixel.y() >= 0 && pixel.x() < size.width()
                && pixel.y() < size.height();
    }
    quint32 at(QPoint pixel) const
    {
        return reinterpret_cast<const quint32 *>(bits + pixel.y() * bytesPerLine)[pixel.x()];
    }
};

// The color of a pixel of the picture; a pixel outside it is clamped to the nearest edge.
Color::ColorValue colorAt(const Picture &picture, QPoint pixel);

// Draws the magnified neighbourhood of pixel into a side x side target of the same pixel format:
// each cell filled with its source pixel's value, cells beyond the picture with outside.
void magnify(const Picture &picture, QPoint pixel, const Layout &layout, uchar *target,
             qsizetype targetBytesPerLine, quint32 outside);

} // namespace Tintora::Loupe
