// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/handler.h"

#include <QRadioButton>

namespace Tintora {

// Radio button whose click handler also runs when it is checked from code. Qt's own setChecked
// is hidden, so that code cannot pass by the handler by mistake; the initial state comes with the
// constructor.
class RadioButton : public QRadioButton
{
    Q_OBJECT
public:
    explicit RadioButton(const QString &text, bool checked = false, QWidget *parent = nullptr);
    // Checks it; if it was unchecked its siblings are unchecked and the click handler runs.
    void check();
    Handler onClick;

private:
    using QRadioButton::setChecked;
};

} // namespace Tintora
