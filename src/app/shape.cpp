// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/shape.h"

#include "app/application.h"

#include <QPainter>

namespace Tintora {

Shape::Shape(QWidget *parent) : QWidget(parent) { }

void Shape::setBrushColor(const QColor &color)
{
    if (color == m_brush)
        return;
    m_brush = color;
    update();
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.setBrush(m_brush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void Shape::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
    if (onMouseDown)
        Application::runHandler(window(), onMouseDown);
}

} // namespace Tintora
