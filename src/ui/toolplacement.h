// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace Tintora {

// Sizes a tool window to its content and moves it beside its main window: to the right when
// the screen has room there, else to the left, else against the screen's right edge, always
// on the screen. Where the compositor places windows itself (Wayland) it only sizes.
void placeBeside(QWidget *tool, QWidget *window);

} // namespace Tintora
