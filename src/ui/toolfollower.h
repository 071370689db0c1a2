// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QWidget>

#include <functional>

namespace Tintora {

// A tool belongs to its main window: it goes when the window is hidden or closed (the window
// commands hide and show it to change its flags) and comes back when the window does. Made
// with the tool as parent, it goes with the tool.
class ToolFollower : public QObject
{
    Q_OBJECT
public:
    // beforeShow, if given, runs each time just before the tool comes back.
    ToolFollower(QWidget *tool, QWidget *window, std::function<void()> beforeShow = {});

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_tool;
    QWidget *m_window;
    std::function<void()> m_beforeShow;
    bool m_hiddenWithWindow = false;
};

} // namespace Tintora
