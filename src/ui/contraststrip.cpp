// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/contraststrip.h"

#include "app/application.h"
#include "app/qtcolor.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScopeGuard>

#include <algorithm>
#include <cmath>

namespace Tintora {

namespace {

constexpr int kMarkHeight = 5;  // the mark above the cells
constexpr int kCellHeight = 14; // inside the frame
constexpr int kBarThickness = 5;

// Frames are filled, never stroked: a filled logical pixel covers at least one device pixel at
// any scale factor, while a stroked line at the edge can fall between two and vanish.
void fillFrame(QPainter &painter, const QRect &outer, const QColor &color)
{
    painter.fillRect(QRect(outer.left(), outer.top(), outer.width(), 1), color);
    painter.fillRect(QRect(outer.left(), outer.bottom(), outer.width(), 1), color);
    painter.fillRect(QRect(outer.left(), outer.top(), 1, outer.height()), color);
    painter.fillRect(QRect(outer.right(), outer.top(), 1, outer.height()), color);
}

} // namespace

ContrastStrip::ContrastStrip(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus); // the arrow keys move along it
}

int ContrastStrip::labelWidth() const
{
    return fontMetrics().horizontalAdvance(QStringLiteral("AAA")) + 6;
}

QRect ContrastStrip::cellArea() const
{
    const int left = labelWidth() + 1;
    return QRect(left, kMarkHeight + 1, std::max(2, width() - left - 1), kCellHeight);
}

QSize ContrastStrip::sizeHint() const
{
    const int band = fontMetrics().height();
    return {labelWidth() + 200, kMarkHeight + kCellHeight + 2 + 2 + int(kBands.size()) * band};
}

QSize ContrastStrip::minimumSizeHint() const
{
    return {labelWidth() + 64, sizeHint().height()};
}

int ContrastStrip::markedCell() const
{
    if (m_hasPicked && m_color == m_picked && m_pickedCell < m_strip.cells())
        return m_pickedCell;
    return m_strip.cellOf(m_color);
}

void ContrastStrip::setColors(ColorValue color, const std::vector<ColorValue> &against)
{
    // Applying a pick first selects its target, whose old color passes by on the way.
    const bool ownPick = m_picking || (m_hasPicked && color == m_picked);
    if (!ownPick)
        m_hasPicked = false;
    const bool newHue = !ownPick && (m_strip.isEmpty() || color != m_strip.hueOf());
    if (!newHue && color == m_color && against == m_against)
        return;
    m_color = color;
    m_against = against;
    rebuild(newHue);
}

void ContrastStrip::rebuild(bool newHue)
{
    const int cells = cellArea().width();
    if (newHue || m_strip.cells() != cells) {
        const ColorValue hueOf = newHue || m_strip.isEmpty() ? m_color : m_strip.hueOf();
        m_strip = Contrast::LightnessStrip(hueOf, cells);
        m_cells = QImage(m_strip.cells(), 1, QImage::Format_RGB32);
        for (int i = 0; i < m_strip.cells(); ++i)
            m_cells.setPixel(i, 0, toQColor(m_strip.color(i)).rgb());
    }
    for (size_t band = 0; band < kBands.size(); ++band)
        m_ranges[band] = m_strip.passingRanges(m_against, Contrast::minimumRatio(kBands[band]));
    update();
}

void ContrastStrip::resizeEvent(QResizeEvent *)
{
    Application::runHandler(window(), [this] {
        if (!m_strip.isEmpty())
            rebuild(false);
    });
}

void ContrastStrip::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor ink = palette().color(QPalette::WindowText);
    const QRect cells = cellArea();
    if (!m_cells.isNull())
        painter.drawImage(cells, m_cells); // one cell a pixel: no smoothing to blend them
    fillFrame(painter, cells.adjusted(-1, -1, 1, 1), ink);

    if (!m_strip.isEmpty()) {
        const int x = cells.left() + markedCell();
        // A line through the cell in whichever of black and white stands out on it, and a
        // mark above it in the window's own ink.
        const ColorValue under = m_strip.color(markedCell());
        const bool dark = Contrast::contrastRatio(under, Color::pack(0, 0, 0))
                >= Contrast::contrastRatio(under, Color::pack(255, 255, 255));
        painter.fillRect(QRect(x, cells.top(), 1, cells.height()), dark ? Qt::black : Qt::white);
        for (int row = 0; row < kMarkHeight; ++row) {
            const int half = kMarkHeight - 1 - row;
            painter.fillRect(QRect(x - half, row, 2 * half + 1, 1), ink);
        }
    }

    const int band = fontMetrics().height();
    int top = cells.bottom() + 3;
    for (size_t i = 0; i < kBands.size(); ++i, top += band) {
        const QRect labelRect(0, top, labelWidth() - 4, band);
        painter.setPen(ink);
        painter.drawText(labelRect, Qt::AlignRight | Qt::AlignVCenter,
                         QLatin1String(Contrast::levelRule(kBands[i]).conformance));
        const int barTop = top + (band - kBarThickness) / 2;
        // The track shows where the strip runs; a thick bar where it passes.
        painter.fillRect(QRect(cells.left(), barTop + kBarThickness / 2, cells.width(), 1), ink);
        for (const Range &range : m_ranges[i])
            painter.fillRect(QRect(cells.left() + range.first, barTop, range.last - range.first + 1,
                                   kBarThickness),
                             ink);
    }
}

void ContrastStrip::pickAt(int x)
{
    if (m_strip.isEmpty())
        return;
    const int cell = std::clamp(x - cellArea().left(), 0, m_strip.cells() - 1);
    const ColorValue picked = m_strip.color(cell);
    if (m_hasPicked && picked == m_picked && picked == m_color) {
        if (cell != m_pickedCell) { // onto another cell of the same color: the mark follows
            m_pickedCell = cell;
            update();
        }
        return;
    }
    m_picked = picked;
    m_pickedCell = cell;
    m_hasPicked = true;
    if (onPick) {
        m_picking = true;
        const auto done = qScopeGuard([this] { m_picking = false; });
        onPick(picked);
    }
}

void ContrastStrip::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    m_dragging = true;
    const int x = int(std::floor(event->position().x()));
    Application::runHandler(window(), [this, x] { pickAt(x); });
}

void ContrastStrip::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging)
        return QWidget::mouseMoveEvent(event);
    const int x = int(std::floor(event->position().x()));
    Application::runHandler(window(), [this, x] { pickAt(x); });
}

void ContrastStrip::pickCell(int cell)
{
    const int cells = cellArea().width();
    if (cells <= 0)
        return;
    pickAt(cellArea().left() + qBound(0, cell, cells - 1));
}

void ContrastStrip::keyPressEvent(QKeyEvent *event)
{
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    int cell = markedCell();
    switch (event->key()) {
    case Qt::Key_Left:
        cell -= step;
        break;
    case Qt::Key_Right:
        cell += step;
        break;
    case Qt::Key_Home:
        cell = 0;
        break;
    case Qt::Key_End:
        cell = cellArea().width() - 1;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    Application::runHandler(window(), [this, cell] { pickCell(cell); });
}

void ContrastStrip::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
    QWidget::mouseReleaseEvent(event);
}

} // namespace Tintora
