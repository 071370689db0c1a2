// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color/color.h"

#include <QAbstractButton>

// A square of one color that applies it on a click (or Space). Without a color it is an empty
// frame and does nothing.
class SwatchButton : public QAbstractButton
{
    Q_OBJECT
public:
    explicit SwatchButton(QWidget *parent = nullptr);

    // The color, its hex as the tool tip; what it is ("Tint 2") begins its accessible name.
    void setColor(Tintora::Color::ColorValue color, const QString &what);
    void clearColor();
    bool hasColor() const { return m_hasColor; }
    Tintora::Color::ColorValue color() const { return m_color; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Tintora::Color::ColorValue m_color = 0;
    bool m_hasColor = false;
};
