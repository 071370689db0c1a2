// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/scrollbar.h"

#include "app/application.h"

namespace Tintora {

ScrollBar::ScrollBar(int minimum, int maximum, int position, QWidget *parent)
    : QScrollBar(Qt::Horizontal, parent)
{
    setRange(minimum, maximum);
    setValue(position);
    connect(this, &QScrollBar::valueChanged, this, [this] {
        if (!m_assigning && onChange)
            Application::runHandler(window(), onChange);
    });
}

void ScrollBar::setPosition(int position)
{
    position = qBound(minimum(), position, maximum());
    if (position == value())
        return;
    m_assigning = true;
    setValue(position);
    m_assigning = false;
    if (onChange)
        onChange();
}

} // namespace Tintora
