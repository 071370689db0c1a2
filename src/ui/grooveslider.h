// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color/color.h"

#include <QImage>
#include <QSlider>

#include <functional>
#include <vector>

// A horizontal slider whose groove shows the colors its positions give, a pixel a sample, with
// a hatched band beneath where those positions lie outside sRGB. A click puts the handle where
// the mouse is (not a page step towards it); the keys are the slider's own.
class GrooveSlider : public QSlider
{
    Q_OBJECT
public:
    explicit GrooveSlider(QWidget *parent = nullptr);

    // The groove's colors from the minimum to the maximum, and which positions are outside.
    void setGroove(const std::vector<Tintora::Color::ColorValue> &colors,
                   const std::vector<bool> &outside);
    // How many samples fill the groove at its present width: one a pixel.
    int grooveSamples() const;
    // Where the colors are drawn, and where the position of value is on it.
    QRect grooveRect() const;
    int xOf(int value) const;
    bool showsOutside() const { return m_anyOutside; }
    Tintora::Color::ColorValue colorAt(int sample) const;

    // Runs when the groove's width changes, so that the owner computes it anew.
    std::function<void()> onResized;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int valueAt(int x) const;

    QImage m_colors;
    std::vector<bool> m_outside;
    bool m_anyOutside = false;
};
