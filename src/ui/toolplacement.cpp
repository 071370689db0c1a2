// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/toolplacement.h"

#include "app/desktop.h"

#include <QScreen>
#include <QWidget>

namespace Tintora {

void placeBeside(QWidget *tool, QWidget *window)
{
    tool->ensurePolished(); // the style's fonts and margins decide the size
    tool->adjustSize();
    if (!window || !Desktop::canPlaceWindows())
        return;
    const QRect form = window->frameGeometry();
    // Before the first show the tool's frame is not known yet; the main window's is the best
    // guess.
    const QSize formFrame = window->frameGeometry().size() - window->size();
    const QSize outer = tool->frameGeometry().size().expandedTo(tool->size() + formFrame);
    constexpr int gap = 6;
    QPoint at(form.right() + 1 + gap, form.top());
    if (const QScreen *screen = window->screen()) {
        const QRect available = screen->availableGeometry();
        const int rightmost = available.right() + 1 - outer.width();
        if (at.x() > rightmost) {
            const int leftOfForm = form.left() - gap - outer.width();
            at.setX(leftOfForm >= available.left() ? leftOfForm
                                                   : qMax(available.left(), rightmost));
        }
        at.setY(qBound(available.top(), at.y(),
                       qMax(available.top(), available.bottom() + 1 - outer.height())));
    }
    tool->move(at);
}

} // namespace Tintora
