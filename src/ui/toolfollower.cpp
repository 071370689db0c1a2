// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/toolfollower.h"

#include <QEvent>

namespace Tintora {

ToolFollower::ToolFollower(QWidget *tool, QWidget *window, std::function<void()> beforeShow)
    : QObject(tool), m_tool(tool), m_window(window), m_beforeShow(std::move(beforeShow))
{
    window->installEventFilter(this);
}

bool ToolFollower::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window) {
        if (event->type() == QEvent::Hide && m_tool->isVisible()) {
            m_hiddenWithWindow = true;
            m_tool->hide();
        } else if (event->type() == QEvent::Show && m_hiddenWithWindow) {
            m_hiddenWithWindow = false;
            if (m_beforeShow)
                m_beforeShow();
            m_tool->show();
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace Tintora
