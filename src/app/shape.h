// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/handler.h"

#include <QColor>
#include <QWidget>

namespace Tintora {

// A filled rectangle with a one-pixel black outline.
class Shape : public QWidget
{
    Q_OBJECT
public:
    explicit Shape(QWidget *parent = nullptr);
    QColor brushColor() const { return m_brush; }
    void setBrushColor(const QColor &color);
    Handler onMouseDown;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QColor m_brush = Qt::white;
};

} // namespace Tintora
