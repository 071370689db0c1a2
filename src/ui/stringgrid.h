// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/handler.h"
#include "app/uniformtableview.h"

namespace Tintora {

// Table of strings shown through a model; reports double clicks.
class StringGrid : public UniformTableView
{
    Q_OBJECT
public:
    explicit StringGrid(QWidget *parent = nullptr);
    // The row of the current cell; 0 when no cell is current.
    int currentRow() const;
    // A double click on a row, or Enter on the current row from the keyboard.
    Handler onDblClick;

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace Tintora
