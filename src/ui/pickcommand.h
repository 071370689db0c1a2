// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/consoledialogs.h"
#include "color/color.h"
#include "color/notation.h"

#include <QObject>
#include <QString>

namespace Tintora {

class ScreenPicker;

// tintora --pick: one color from the screen with no main window, through the same screen
// picker as Edit > Pick From Screen (the frozen screens and the loupe, or the desktop portal),
// printed on standard output in one notation. With copy the text goes on the clipboard too, and
// the program stays, without a window, until another program takes the clipboard over.
//
// The event loop exits with the status: 0 picked, 1 cancelled (nothing printed), 2 failed (the
// reason on standard error). With copy the caller has its status and the printed color as soon
// as the color is picked (Background::release).
class PickCommand : public QObject
{
    Q_OBJECT
public:
    PickCommand(Notation::Form form, bool copy);
    ~PickCommand() override;

    // Starts the pick once the event loop runs.
    void start();

private:
    void picked(Color::ColorValue color);
    void fail(const QString &reason);
    void finish(int exitCode);
    void clipboardChanged();

    ConsoleDialogs m_dialogs;
    Dialogs *m_previousDialogs = nullptr;
    ScreenPicker *m_picker = nullptr;
    Notation::Form m_form;
    bool m_copy;
    bool m_finished = false;
};

} // namespace Tintora
