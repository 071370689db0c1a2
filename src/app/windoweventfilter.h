// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace Tintora {

// Shows a window's events to a filter before its widgets get them: the window's own and those of
// every widget in it, also of widgets added later. The filter returns true to stop an event.
// Events of other windows are never seen, so a window keeps its rules to itself. Keep it as a
// member of the window (a std::unique_ptr), so that it goes before the window's widgets do and
// never calls into a window that is being destroyed.
class WindowEventFilter : public QObject
{
    Q_OBJECT
public:
    using Filter = std::function<bool(QWidget *widget, QEvent *event)>;
    WindowEventFilter(QWidget *window, Filter filter);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watch(QWidget *widget);
    Filter m_filter;
};

} // namespace Tintora
