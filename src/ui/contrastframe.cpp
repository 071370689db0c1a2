// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/contrastframe.h"

#include <QPainter>

namespace Tintora {

ContrastFrame::ContrastFrame(QWidget *parent) : QWidget(parent) { }

void ContrastFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor ink = palette().color(QPalette::Mid);
    const QRect r = rect();
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), ink);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), ink);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), ink);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), ink);
}

} // namespace Tintora
