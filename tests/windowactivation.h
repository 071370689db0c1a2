// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Gives a window on the screen the keys as the user does, by a click in the taskbar: the window
// manager hands them over, which it may refuse a program's own request for
// (QWidget::activateWindow) that carries the time of the last input from the window system, as the
// tests' simulated input leaves that time behind. On other platforms, the program's request.
void activateAsTheUser(QWidget *window);
