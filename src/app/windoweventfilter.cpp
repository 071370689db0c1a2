// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windoweventfilter.h"

#include <QChildEvent>
#include <QWidget>

namespace Tintora {

WindowEventFilter::WindowEventFilter(QWidget *window, Filter filter) : m_filter(std::move(filter))
{
    watch(window);
}

void WindowEventFilter::watch(QWidget *widget)
{
    widget->installEventFilter(this);
    for (QWidget *child : widget->findChildren<QWidget *>())
        child->installEventFilter(this);
}

bool WindowEventFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ChildAdded) {
        if (auto *child = qobject_cast<QWidget *>(static_cast<QChildEvent *>(event)->child()))
            watch(child);
    }
    if (auto *widget = qobject_cast<QWidget *>(watched); widget && m_filter(widget, event))
        return true;
    return QObject::eventFilter(watched, event);
}

} // namespace Tintora
