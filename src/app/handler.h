// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The handlers of the window's controls (Edit, ScrollBar, RadioButton, ComboBox, Label, Shape,
// StringGrid) and the change notifications the color handlers are built on: a value set from
// code notifies exactly when it really changes, at once, before the setter returns; a value
// changed by the user notifies through Application::runHandler. Handlers set by code run inside
// the running handler, so their errors travel up to the one handler that Qt called.

#include <functional>

class QAbstractButton;
class QAction;

namespace Tintora {

using Handler = std::function<void()>;

// Connects a button's click or an action's trigger to a handler.
void onClick(QAbstractButton *button, Handler handler);
void onTrigger(QAction *action, Handler handler);

} // namespace Tintora
