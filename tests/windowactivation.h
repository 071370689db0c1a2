// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Gives a window on the screen the keys as the user does with a click in the taskbar, which the
// window manager always follows. A program's own request (QWidget::activateWindow) carries the
// time of the last input Qt saw; simulated input leaves that time behind, and the window manager
// may turn the request down. Without a window manager, or off X11, the program's request.
void activateAsTheUser(QWidget *window);
