// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;
class QWidget;

// What screen readers learn of the controls the program draws itself: the sample area is a
// button that selects the Background target, a text that acts on a click (a sample sentence,
// the About box's maker line) can be pressed, the contrast checker's previews are pictures and
// its strips are sliders along a hue's lightness. Qt's own controls need nothing more than
// their accessible names and descriptions, which each window sets where it makes the control
// (translated in the context "Tintora::Accessibility").
namespace Tintora::Accessibility {

// Installs the program's accessible interfaces; the second and later calls do nothing.
void install();

// The screen picker's overlay: the keys it takes and the color under the crosshair, told anew
// whenever the crosshair moves.
void describePickerOverlay(QWidget *overlay, const QString &hexUnderCrosshair);

} // namespace Tintora::Accessibility
