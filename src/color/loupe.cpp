// SPDX-License-Identifier: GPL-3.0-or-later
#include "color/loupe.h"

#include "core/convert.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace Tintora::Loupe {

namespace {

// Far below a device pixel, far above the error of dividing a whole pixel by a ratio and
// multiplying it back.
constexpr double kRoundingSlack = 1.0 / 1024;

int floorToPixel(double logical, qreal devicePixelRatio)
{
    return Convert::saturatingInt(std::floor(logical * devicePixelRatio + kRoundingSlack));
}

QPoint clampInto(QPoint pixel, QSize size)
{
    return {std::clamp(pixel.x(), 0, qMax(0, size.width() - 1)),
            std::clamp(pixel.y(), 0, qMax(0, size.height() - 1))};
}

// Where a box of the given length starts along one axis: after the pointer, or before it when
// it would pass the end, and never outside [start, end).
int placeAlong(int pointer, int length, int start, int end, int gap)
{
    int position = pointer + gap;
    if (position + length > end)
        position = pointer - gap - length;
    if (length >= end - start)
        return start;
    return std::clamp(position, start, end - length);
}

} // namespace

int zoomIn(int zoom)
{
    const auto next = std::upper_bound(kZooms.begin(), kZooms.end(), zoom);
    return next == kZooms.end() ? kZooms.back() : *next;
}

int zoomOut(int zoom)
{
    const auto next = std::lower_bound(kZooms.begin(), kZooms.end(), zoom);
    return next == kZooms.begin() ? kZooms.front() : *(next - 1);
}

QPoint pixelUnder(QPointF logical, qreal devicePixelRatio, QSize pictureSize)
{
    return clampInto(QPoint(floorToPixel(logical.x(), devicePixelRatio),
                            floorToPixel(logical.y(), devicePixelRatio)),
                     pictureSize);
}

QPointF centreOf(QPoint pixel, qreal devicePixelRatio)
{
    return {(pixel.x() + 0.5) / devicePixelRatio, (pixel.y() + 0.5) / devicePixelRatio};
}

QPoint nudge(QPoint pixel, QPoint step, QSize pictureSize)
{
    return clampInto(pixel + step, pictureSize);
}

Layout layout(int zoom, qreal devicePixelRatio)
{
    Layout l;
    l.cell = qMax(1, int(std::lround(zoom * devicePixelRatio)));
    l.side = qMax(1, int(std::lround(kSide * devicePixelRatio)));
    l.span = (l.side + l.cell - 1) / l.cell;
    if (l.span % 2 == 0)
        ++l.span;
    l.offset = (l.side - l.cell) / 2 - (l.span / 2) * l.cell;
    return l;
}

QRect centreCell(const Layout &layout)
{
    const int start = (layout.side - layout.cell) / 2;
    return {start, start, layout.cell, layout.cell};
}

QRect place(QPoint pointer, QSize box, QRect bounds, int gap)
{
    return {placeAlong(pointer.x(), box.width(), bounds.left(), bounds.left() + bounds.width(),
                       gap),
            placeAlong(pointer.y(), box.height(), bounds.top(), bounds.top() + bounds.height(),
                       gap),
            box.width(), box.height()};
}

Color::ColorValue colorAt(const Picture &picture, QPoint pixel)
{
    if (picture.size.isEmpty() || !picture.bits)
        return 0;
    const quint32 argb = picture.at(clampInto(pixel, picture.size));
    return Color::pack(int((argb >> 16) & 255), int((argb >> 8) & 255), int(argb & 255));
}

void magnify(const Picture &picture, QPoint pixel, const Layout &layout, uchar *target,
             qsizetype targetBytesPerLine, quint32 outside)
{
    const int side = layout.side;
    const int half = layout.span / 2;
    for (int row = 0; row < layout.span; ++row) {
        const int top = std::max(0, layout.offset + row * layout.cell);
        const int bottom = std::min(side, layout.offset + (row + 1) * layout.cell);
        if (top >= bottom)
            continue;
        auto *line = reinterpret_cast<quint32 *>(target + top * targetBytesPerLine);
        const int sourceY = pixel.y() - half + row;
        for (int column = 0; column < layout.span; ++column) {
            const int left = std::max(0, layout.offset + column * layout.cell);
            const int right = std::min(side, layout.offset + (column + 1) * layout.cell);
            if (left >= right)
                continue;
            const QPoint source(pixel.x() - half + column, sourceY);
            const quint32 value = picture.contains(source) ? picture.at(source) : outside;
            std::fill(line + left, line + right, value);
        }
        // The other lines of this row of cells are the same as its first.
        for (int y = top + 1; y < bottom; ++y)
            std::memcpy(target + y * targetBytesPerLine, line, size_t(side) * sizeof(quint32));
    }
}

} // namespace Tintora::Loupe
