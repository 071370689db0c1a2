// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/handler.h"

#include "app/application.h"

#include <QAbstractButton>
#include <QAction>
#include <QWidget>

namespace Tintora {

void onClick(QAbstractButton *button, Handler handler)
{
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [button, handler = std::move(handler)] {
                         Application::runHandler(button->window(), handler);
                     });
}

void onTrigger(QAction *action, Handler handler)
{
    QObject::connect(action, &QAction::triggered, action, [action, handler = std::move(handler)] {
        auto *window = qobject_cast<QWidget *>(action->parent());
        Application::runHandler(window ? window->window() : nullptr, handler);
    });
}

} // namespace Tintora
