// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/grooveslider.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Room beside the groove for half the handle, so that both ends can be reached and seen.
constexpr int kMargin = 5;
constexpr int kGrooveHeight = 16;
constexpr int kBandHeight = 4;

} // namespace

GrooveSlider::GrooveSlider(QWidget *parent) : QSlider(Qt::Horizontal, parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMinimumWidth(120);
}

QSize GrooveSlider::sizeHint() const
{
    return {256 + 2 * kMargin, kGrooveHeight + kBandHeight + 8};
}

QSize GrooveSlider::minimumSizeHint() const
{
    return {120, kGrooveHeight + kBandHeight + 8};
}

QRect GrooveSlider::grooveRect() const
{
    return {kMargin, 3, std::max(width() - 2 * kMargin, 2), kGrooveHeight};
}

int GrooveSlider::grooveSamples() const
{
    return grooveRect().width();
}

int GrooveSlider::xOf(int value) const
{
    const QRect groove = grooveRect();
    const int span = std::max(maximum() - minimum(), 1);
    return groove.left()
            + int(std::lround(double(value - minimum()) * (groove.width() - 1) / span));
}

int GrooveSlider::valueAt(int x) const
{
    const QRect groove = grooveRect();
    const double fraction =
            std::clamp(double(x - groove.left()) / std::max(groove.width() - 1, 1), 0.0, 1.0);
    return minimum() + int(std::lround(fraction * (maximum() - minimum())));
}

Tintora::Color::ColorValue GrooveSlider::colorAt(int sample) const
{
    if (m_colors.isNull())
        return 0;
    const QRgb rgb = m_colors.pixel(std::clamp(sample, 0, m_colors.width() - 1), 0);
    return Tintora::Color::pack(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

void GrooveSlider::setGroove(const std::vector<Tintora::Color::ColorValue> &colors,
                             const std::vector<bool> &outside)
{
    QImage image(std::max(int(colors.size()), 1), 1, QImage::Format_RGB32);
    auto *line = reinterpret_cast<QRgb *>(image.scanLine(0));
    for (size_t i = 0; i < colors.size(); ++i) {
        const Tintora::Color::ColorValue c = colors[i];
        line[i] = qRgb(Tintora::Color::red(c), Tintora::Color::green(c), Tintora::Color::blue(c));
    }
    m_colors = image;
    m_outside = outside;
    m_anyOutside = std::find(outside.begin(), outside.end(), true) != outside.end();
    update();
}

void GrooveSlider::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect groove = grooveRect();
    const QColor ink = palette().color(QPalette::WindowText);
    // Filled frames, never stroked: they stay whole at any scale factor.
    painter.fillRect(groove.adjusted(-1, -1, 1, 1), palette().color(QPalette::Mid));
    if (!m_colors.isNull())
        painter.drawImage(groove, m_colors);

    // Outside sRGB: a hatched band under the positions that lie there.
    const QRect band(groove.left(), groove.bottom() + 2, groove.width(), kBandHeight);
    const int samples = int(m_outside.size());
    for (int i = 0; i < samples;) {
        if (!m_outside[size_t(i)]) {
            ++i;
            continue;
        }
        int end = i;
        while (end < samples && m_outside[size_t(end)])
            ++end;
        const int left = band.left() + i * band.width() / samples;
        const int right = band.left() + end * band.width() / samples;
        painter.fillRect(QRect(left, band.top(), right - left, band.height()),
                         QBrush(ink, Qt::BDiagPattern));
        painter.fillRect(QRect(left, band.top(), right - left, 1), ink);
        i = end;
    }

    // The handle: a bar across the groove in the window's ink, edged in its base color so that
    // it shows on dark and light colors alike.
    const int x = xOf(sliderPosition());
    const QRect handle(x - 2, groove.top() - 3, 5, groove.height() + 6);
    painter.fillRect(handle, palette().color(QPalette::Base));
    painter.fillRect(handle.adjusted(1, 1, -1, -1), ink);
    if (hasFocus()) {
        QPen pen(palette().color(QPalette::Highlight));
        pen.setStyle(Qt::DotLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void GrooveSlider::resizeEvent(QResizeEvent *event)
{
    QSlider::resizeEvent(event);
    if (onResized && m_colors.width() != grooveSamples())
        onResized();
}

void GrooveSlider::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    setFocus(Qt::MouseFocusReason);
    setSliderDown(true);
    setSliderPosition(valueAt(qRound(event->position().x())));
    event->accept();
}

void GrooveSlider::mouseMoveEvent(QMouseEvent *event)
{
    if (!isSliderDown()) {
        event->ignore();
        return;
    }
    setSliderPosition(valueAt(qRound(event->position().x())));
    event->accept();
}

void GrooveSlider::mouseReleaseEvent(QMouseEvent *event)
{
    if (!isSliderDown() || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    setSliderPosition(valueAt(qRound(event->position().x())));
    setSliderDown(false);
    event->accept();
}
