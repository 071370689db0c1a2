// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/waitcursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace Tintora {

// The override cursor reaches the window system at once (on X11 the request is flushed), so it
// shows although the event loop waits until the work is done.
WaitCursor::WaitCursor(bool shown) : m_shown(shown)
{
    if (m_shown)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

WaitCursor::~WaitCursor()
{
    if (m_shown)
        QGuiApplication::restoreOverrideCursor();
}

} // namespace Tintora
