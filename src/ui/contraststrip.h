// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color/contrast.h"
#include "color/lightnessstrip.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <functional>
#include <vector>

namespace Tintora {

// The passing range, visible: a strip of one hue from black to white (one cell a pixel), under
// it a band for AA and one for AAA filled where the strip's colors pass against the given
// colors, and a mark where the current color stands. A click or a drag picks the color under
// the mouse.
class ContrastStrip : public QWidget
{
    Q_OBJECT
public:
    using ColorValue = Color::ColorValue;
    using Range = Contrast::LightnessStrip::Range;

    // The levels the bands show, top to bottom.
    static constexpr std::array<Contrast::Level, 2> kBands {Contrast::Level::AaNormal,
                                                            Contrast::Level::AaaNormal};

    explicit ContrastStrip(QWidget *parent = nullptr);

    // Shows the hue of color with color marked, judged against the given colors. A color this
    // strip picked keeps the strip as it is: rebuilt from a rounded 8-bit color the hue would
    // drift under the mouse, most of all near black.
    void setColors(ColorValue color, const std::vector<ColorValue> &against);

    const Contrast::LightnessStrip &strip() const { return m_strip; }
    ColorValue color() const { return m_color; }
    const std::vector<Range> &ranges(size_t band) const { return m_ranges.at(band); }
    // Where the cells are drawn: cell i is the column left() + i, in the widget's pixels.
    QRect cellArea() const;
    // The cell the current color was picked from, else the one nearest its lightness: near
    // black many cells round to the same 8-bit color.
    int markedCell() const;

    // Runs inside the event's handler with the picked color.
    std::function<void(ColorValue)> onPick;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    // Left and Right step one cell (with Shift ten), Home and End go to black and white.
    void keyPressEvent(QKeyEvent *event) override;

public:
    // Picks the color of a cell, as a click on it does (the keyboard and screen readers).
    void pickCell(int cell);

private:
    void rebuild(bool newHue);
    void pickAt(int x);
    int labelWidth() const;

    Contrast::LightnessStrip m_strip;
    ColorValue m_color = 0;
    ColorValue m_picked = 0;
    int m_pickedCell = 0;
    bool m_hasPicked = false;
    bool m_dragging = false;
    bool m_picking = false; // within onPick: the colors the update cycle passes through are ours
    std::vector<ColorValue> m_against;
    std::array<std::vector<Range>, kBands.size()> m_ranges;
    QImage m_cells;
};

} // namespace Tintora
