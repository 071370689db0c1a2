// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/handler.h"

#include <QLineEdit>

namespace Tintora {

// Qt's own setText changes the text silently; Edit hides it, so that code cannot pass by the
// change notification by mistake. The initial text comes with the constructor.

// Single-line text field.
class Edit : public QLineEdit
{
    Q_OBJECT
public:
    explicit Edit(const QString &text = {}, QWidget *parent = nullptr);
    // Sets the text; when it differs from the current text the change handler runs once.
    void assign(const QString &text);
    Handler onChange;

private:
    using QLineEdit::setText;
};

} // namespace Tintora
