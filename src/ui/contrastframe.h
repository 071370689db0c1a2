// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace Tintora {

// A panel with a one-pixel border in the palette's mid tone that stays whole at any scale
// factor.
class ContrastFrame : public QWidget
{
    Q_OBJECT
public:
    explicit ContrastFrame(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace Tintora
