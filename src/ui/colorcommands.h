// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color/color.h"

#include <QtGlobal>

class QWidget;

namespace Tintora {

// The few commands of the main window that tool windows need. Tools hold this and the shared
// Samples, never the main window itself.
class ColorCommands
{
public:
    virtual ~ColorCommands() = default;

    // Sets a target's color as the user would: selects the target, writes the hex field and
    // runs the update cycle.
    virtual void applyColor(Color::SampleTarget target, Color::ColorValue color) = 0;
    // Selects the target and picks its color from the screen; the color arrives later,
    // through applyColor.
    virtual void pickColorFor(Color::SampleTarget target) = 0;
    // Whether tool tips are shown (Options > Disable Hints).
    virtual bool showHints() const = 0;
    // The main window, for placing a tool beside it and following it.
    virtual QWidget *window() = 0;
    // A color a tool applied has come to rest (a Fix, a click, the end of a drag): it enters
    // the history of colors that became current.
    virtual void colorSettled(Color::ColorValue color) { Q_UNUSED(color); }
};

} // namespace Tintora
