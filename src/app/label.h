// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/handler.h"

#include <QLabel>

namespace Tintora {

// Label that reports clicks.
class Label : public QLabel
{
    Q_OBJECT
public:
    explicit Label(const QString &text, QWidget *parent = nullptr);
    Handler onClick;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

} // namespace Tintora
