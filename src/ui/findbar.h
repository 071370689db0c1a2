// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/edit.h"
#include "app/handler.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace Tintora {

// The find bar: a small tool window just below its window (the main window), with the text to look
// for in the color list. It leaves the main window's layout alone and keeps the name box, the hex
// field and the samples, which show what was found, in sight. The main window's handlers do
// the finding through its callbacks (ui/tform1_find.cpp); Esc closes the bar.
class FindBar : public QWidget
{
    Q_OBJECT
public:
    explicit FindBar(QWidget *window);

    // Shows the bar below the main window, or brings it forward, with its text selected so that
    // typing starts a new search.
    void open();

    QString text() const;
    // Says whether the last search found an entry; an empty text says nothing.
    void setFound(bool found);

    // The user changed the text, or asked for the next match (Enter or "Find Next").
    Handler onTextChange;
    Handler onFindNext;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void placeBelowWindow();

    QWidget *m_window;
    Edit *m_text;
    QPushButton *m_next;
    QLabel *m_status;
};

} // namespace Tintora
