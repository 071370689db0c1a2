// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/handler.h"

#include <QScrollBar>

namespace Tintora {

// Qt's own setValue changes the position silently; ScrollBar hides it, so that code cannot pass
// by the change notification by mistake. The initial position comes with the constructor.

// Horizontal scroll bar.
class ScrollBar : public QScrollBar
{
    Q_OBJECT
public:
    ScrollBar(int minimum, int maximum, int position, QWidget *parent = nullptr);
    int position() const { return value(); }
    // Clamps into the range; when the position really changes the change handler runs once.
    void setPosition(int position);
    Handler onChange;

private:
    using QScrollBar::setValue;
    bool m_assigning = false;
};

} // namespace Tintora
