// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/label.h"

#include "app/application.h"

#include <QMouseEvent>

namespace Tintora {

Label::Label(const QString &text, QWidget *parent) : QLabel(text, parent) { }

void Label::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton
            && rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click && onClick)
        Application::runHandler(window(), onClick);
}

} // namespace Tintora
