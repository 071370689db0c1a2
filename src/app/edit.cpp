// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/edit.h"

#include "app/application.h"

namespace Tintora {

Edit::Edit(const QString &text, QWidget *parent) : QLineEdit(text, parent)
{
    // textEdited comes from the user only; changes from code notify in assign().
    connect(this, &QLineEdit::textEdited, this, [this] {
        if (onChange)
            Application::runHandler(window(), onChange);
    });
}

void Edit::assign(const QString &text)
{
    if (text == QLineEdit::text())
        return;
    setText(text);
    if (onChange)
        onChange();
}

} // namespace Tintora
