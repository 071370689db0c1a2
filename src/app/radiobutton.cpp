// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/radiobutton.h"

#include "app/application.h"

namespace Tintora {

RadioButton::RadioButton(const QString &text, bool checked, QWidget *parent)
    : QRadioButton(text, parent)
{
    setChecked(checked);
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (onClick)
            Application::runHandler(window(), onClick);
    });
}

void RadioButton::check()
{
    if (isChecked())
        return;
    setChecked(true); // auto-exclusive: unchecks the siblings
    if (onClick)
        onClick();
}

} // namespace Tintora
